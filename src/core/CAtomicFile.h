#pragma once
// Replaces a file as a whole or not at all; every file the program writes
// goes through here. The new content is written to a temporary file with
// a unique name in the target's folder, flushed to the disk and then
// renamed over the target in one step. Until Commit succeeds the old file
// stays exactly as it was; a temporary file that is not committed is
// removed when the object goes away. A target the user may not write is
// refused, never replaced. The new file keeps the permissions (and, where
// the system allows, the owner) of the one it replaces, and a symbolic
// link stays a link to the file that now has the new content.
#include <filesystem>
#include <string_view>

class CAtomicFile {
public:
    explicit CAtomicFile(std::filesystem::path target);
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;
    ~CAtomicFile() { Discard(); }

    // Creates the empty temporary file. False (errno kept) when the folder
    // is missing or not writable, the target is a folder (EISDIR), or the
    // target is there but may not be written (EACCES).
    bool Create();
    // Where the new content is written while the object lives, by Write
    // or by anything else that takes a path (the ZIP writer).
    const std::filesystem::path& TempPath() const { return m_temp; }
    // Appends bytes to the temporary file; false when the disk refuses them.
    bool Write(std::string_view bytes);
    // Other permissions for the new file than the old file's.
    bool SetPermissions(std::filesystem::perms permissions);
    // Flushes the temporary file, renames it over the target and flushes
    // the folder. False when any step fails; the target is then untouched.
    bool Commit();
    // Removes the temporary file (nothing happens after a commit).
    void Discard();

    // Create, Write and Commit in one go.
    static bool Replace(const std::filesystem::path& target, std::string_view bytes);

    // The file a save really replaces: the target itself, or for a
    // symbolic link the file it points to, so the link survives the save.
    static std::filesystem::path ResolveTarget(const std::filesystem::path& target);

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    int m_fd = -1;
};
