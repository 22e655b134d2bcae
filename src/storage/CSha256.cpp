#include "storage/CSha256.h"

#include <openssl/evp.h>

#include "core/CFehler.h"

namespace {

const char* const kFehler = "Die Pr\xFC" "fsumme (SHA-256) konnte nicht berechnet werden.";

} // namespace

CSha256::CSha256()
{
    // Fetched once: looking the algorithm up by name on every digest would
    // cost more than hashing a booking.
    m_md = EVP_MD_fetch(nullptr, "SHA256", nullptr);
    m_ctx = EVP_MD_CTX_new();
    if (!m_md || !m_ctx) {
        EVP_MD_free(m_md);
        EVP_MD_CTX_free(m_ctx);
        throw CFehler(kFehler);
    }
}

CSha256::~CSha256()
{
    EVP_MD_CTX_free(m_ctx);
    EVP_MD_free(m_md);
}

CSha256::Wert CSha256::operator()(const void* daten, std::size_t laenge)
{
    Wert wert{};
    unsigned int n = 0;
    if (EVP_DigestInit_ex2(m_ctx, m_md, nullptr) != 1 || EVP_DigestUpdate(m_ctx, daten, laenge) != 1
        || EVP_DigestFinal_ex(m_ctx, wert.data(), &n) != 1 || n != wert.size())
        throw CFehler(kFehler);
    return wert;
}

std::string CSha256::Hex(const Wert& wert, std::size_t bytes)
{
    static const char ziffern[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < bytes && i < wert.size(); ++i) {
        hex += ziffern[wert[i] >> 4];
        hex += ziffern[wert[i] & 15];
    }
    return hex;
}
