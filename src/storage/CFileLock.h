#pragma once
// Keeps other Kuvex programs (and kuvex-cli) away from a cash book while it
// is open here. The lock is an flock() on a small hidden file beside the
// cash book, not on the ".kbx" itself, because saving replaces the ".kbx"
// by a rename and a lock on the old file would be lost with it. The
// operating system drops the lock when the process ends, so a crashed
// program leaves nothing that blocks the next start.
#include <filesystem>

class CFileLock {
public:
    enum class Result {
        Acquired,  // this object now holds the lock of the cash book
        Busy,      // another holder has it (another program or object)
        Unavailable // no lock file can be made there (missing or read-only folder)
    };

    CFileLock() = default;
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;
    CFileLock(CFileLock&& other) noexcept;
    CFileLock& operator=(CFileLock&& other) noexcept;
    ~CFileLock() { Release(); }

    // Locks the cash book at `path`, releasing whatever this object held.
    Result Acquire(const std::filesystem::path& path);
    // Unlocks and removes the lock file.
    void Release();

    bool IsHeld() const { return m_fd >= 0; }
    // The cash book whose lock is held (empty when none).
    const std::filesystem::path& LockedPath() const { return m_cashBook; }

    // The lock file that belongs to a cash book: ".<name>.lock" beside it.
    static std::filesystem::path LockFileFor(const std::filesystem::path& cashBook);
    // The cash book's path in the form locks are compared in.
    static std::filesystem::path Normalise(const std::filesystem::path& cashBook);

private:
    int m_fd = -1;
    std::filesystem::path m_cashBook;
    std::filesystem::path m_lockFile;
};
