#pragma once
// Writes a ZIP archive member by member through zlib's minizip: each member
// deflated at the default level and stamped with a given local time, no
// extra fields, comments only where the caller gives them. One archive per object; an archive that is
// never closed is left incomplete (the caller throws the file away).
#include <ctime>
#include <string>

class CZipWriter {
public:
    CZipWriter() = default;
    CZipWriter(const CZipWriter&) = delete;
    CZipWriter& operator=(const CZipWriter&) = delete;
    ~CZipWriter();

    // Creates (or truncates) the archive file. False when it cannot be made.
    bool Create(const std::string& path);
    // Stores one member in a single write. False on any failure.
    bool AddMember(const std::string& name, const std::string& bytes, const std::tm& localTime,
                   const std::string& comment = std::string());
    // Writes the central directory (with the archive comment, if any) and
    // closes the file. False on failure.
    bool Close(const std::string& comment = std::string());

    bool IsOpen() const { return m_zip != nullptr; }

    // The current local time, as members of a save are stamped.
    static std::tm Now();

private:
    void* m_zip = nullptr; // zipFile
};
