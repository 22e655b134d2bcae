#pragma once
// Reads members of a ZIP archive into memory through zlib's minizip.
// Members are located by name without regard to letter case, and every
// extraction has an upper bound on the inflated size, checked against the
// size the archive declares and again against the bytes actually produced,
// so a damaged or hostile archive can neither crash nor exhaust memory.
#include <cstdint>
#include <string>

class CZipReader {
public:
    enum class Result { Ok, NotFound, Unreadable, TooLarge };

    CZipReader() = default;
    CZipReader(const CZipReader&) = delete;
    CZipReader& operator=(const CZipReader&) = delete;
    ~CZipReader() { Close(); }

    // False when the file is missing, unreadable or not a ZIP archive;
    // errorCode then holds errno (0 when the system gave no reason).
    bool Open(const std::string& path, int& errorCode);
    void Close();
    bool IsOpen() const { return m_unz != nullptr; }

    // Number of entries in the central directory; false if it cannot be read.
    bool GetEntryCount(std::uint64_t& count) const;

    // Inflates the member called `name` (any letter case) into `out`.
    // Members larger than `limit` bytes are refused with TooLarge; a member
    // whose data or checksum is damaged gives Unreadable.
    Result Extract(const std::string& name, std::uint64_t limit, std::string& out);

private:
    void* m_unz = nullptr; // unzFile
};
