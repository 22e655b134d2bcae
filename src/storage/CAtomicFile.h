#pragma once
// Replaces a file as a whole or not at all: the new content is written to a
// temporary file in the target's folder, flushed to the disk and then
// renamed over the target in one step. Until Commit succeeds the old file
// stays exactly as it was; a temporary file that is not committed is
// removed when the object goes away.
#include <filesystem>

class CAtomicFile {
public:
    explicit CAtomicFile(std::filesystem::path target);
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;
    ~CAtomicFile() { Discard(); }

    // Creates the empty temporary file. False (errno kept) when the folder
    // is missing or not writable.
    bool Create();
    // Where the new content is to be written while the object lives.
    const std::filesystem::path& TempPath() const { return m_temp; }
    // Flushes the temporary file, renames it over the target and flushes
    // the folder. False when any step fails; the target is then untouched.
    bool Commit();
    // Removes the temporary file (nothing happens after a commit).
    void Discard();

    // The file a save really replaces: the target itself, or for a
    // symbolic link the file it points to, so the link survives the save.
    static std::filesystem::path ResolveTarget(const std::filesystem::path& target);

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temp;
};
