#include "storage/CFileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace fs = std::filesystem;

CFileLock::CFileLock(CFileLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)),
      m_cashBook(std::move(other.m_cashBook)),
      m_lockFile(std::move(other.m_lockFile))
{
}

CFileLock& CFileLock::operator=(CFileLock&& other) noexcept
{
    if (this != &other) {
        Release();
        m_fd = std::exchange(other.m_fd, -1);
        m_cashBook = std::move(other.m_cashBook);
        m_lockFile = std::move(other.m_lockFile);
    }
    return *this;
}

fs::path CFileLock::Normalise(const fs::path& cashBook)
{
    std::error_code ec;
    fs::path p = fs::weakly_canonical(cashBook, ec);
    if (ec)
        p = fs::absolute(cashBook, ec);
    return ec ? cashBook : p;
}

fs::path CFileLock::LockFileFor(const fs::path& cashBook)
{
    fs::path p = Normalise(cashBook);
    return p.parent_path() / ("." + p.filename().string() + ".lock");
}

CFileLock::Result CFileLock::Acquire(const fs::path& path)
{
    Release();
    fs::path cashBook = Normalise(path);
    fs::path lockFile = LockFileFor(cashBook);

    // A holder removes its lock file when it lets go. Whoever opened the
    // old file just before that removal would lock a file nobody else can
    // see any more, so after locking, check that the name still leads to
    // the locked file and start over if it does not.
    for (int attempt = 0; attempt < 16; ++attempt) {
        int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0)
            return Result::Unavailable;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            int err = errno;
            ::close(fd);
            return err == EWOULDBLOCK ? Result::Busy : Result::Unavailable;
        }
        struct stat held{}, named{};
        if (::fstat(fd, &held) == 0 && ::stat(lockFile.c_str(), &named) == 0
            && held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            m_fd = fd;
            m_cashBook = cashBook;
            m_lockFile = lockFile;
            return Result::Acquired;
        }
        ::close(fd);
    }
    return Result::Busy;
}

void CFileLock::Release()
{
    if (m_fd < 0)
        return;
    // Remove the name while still holding the lock, so nobody can lock the
    // file between the removal and the unlock.
    ::unlink(m_lockFile.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_cashBook.clear();
    m_lockFile.clear();
}
