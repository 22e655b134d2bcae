#pragma once
// SHA-256 through OpenSSL's libcrypto (EVP). One object keeps its digest
// context, so the thousands of short digests of a booking log cost no
// allocation each. Failures of the library raise CFehler.
#include <array>
#include <cstddef>
#include <string>

struct evp_md_st;
struct evp_md_ctx_st;

class CSha256 {
public:
    using Wert = std::array<unsigned char, 32>;

    CSha256();
    ~CSha256();
    CSha256(const CSha256&) = delete;
    CSha256& operator=(const CSha256&) = delete;

    Wert operator()(const void* daten, std::size_t laenge);
    Wert operator()(const std::string& daten) { return (*this)(daten.data(), daten.size()); }

    // Lower-case hex digits of the first `bytes` bytes.
    static std::string Hex(const Wert& wert, std::size_t bytes = 32);

private:
    evp_md_st* m_md = nullptr;
    evp_md_ctx_st* m_ctx = nullptr;
};
