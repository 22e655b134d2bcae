#include "core/CAtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

bool SyncFolder(const fs::path& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool ok = ::fsync(fd) == 0;
    if (::close(fd) != 0)
        ok = false;
    return ok;
}

} // namespace

CAtomicFile::CAtomicFile(fs::path target) : m_target(ResolveTarget(target)) {}

fs::path CAtomicFile::ResolveTarget(const fs::path& target)
{
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            return resolved;
    }
    return target;
}

bool CAtomicFile::Create()
{
    Discard();
    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones (0666 less the umask), as any program's new file would.
    mode_t mode = 0666;
    struct stat old{};
    const bool hasOld = ::stat(m_target.c_str(), &old) == 0;
    if (hasOld && S_ISDIR(old.st_mode)) {
        // The rename would refuse it anyway, but only after the whole
        // content had been written for nothing.
        errno = EISDIR;
        return false;
    }
    // The rename only needs the folder to be writable, so without these
    // checks a write-protected file would be replaced all the same. The
    // user's protection counts: EACCES, and the file stays as it is.
    if (hasOld && ::access(m_target.c_str(), W_OK) != 0)
        return false;
    fs::path folder = m_target.parent_path();
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0)
        return false;
    const bool keepMode = hasOld && S_ISREG(old.st_mode);
    if (keepMode)
        mode = old.st_mode & 07777;

    std::random_device seed;
    std::mt19937 random(seed());
    std::string stem = "." + m_target.filename().string() + ".tmp-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = folder / (stem + std::to_string(random() % 1000000000u));
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        if (keepMode) {
            // The owner too, as far as the system lets us: root keeps both,
            // a member of the file's group keeps the group; anyone else
            // becomes the owner, as with any program's new file. fchown
            // may drop set-id bits, so the mode comes after it.
            if (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
                if (::fchown(fd, old.st_uid, old.st_gid) != 0)
                    (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
            // open() took the umask off; the old file's mode is meant as it was.
            ::fchmod(fd, mode);
        }
        m_fd = fd;
        m_temp = std::move(candidate);
        return true;
    }
    errno = EEXIST;
    return false;
}

bool CAtomicFile::Write(std::string_view bytes)
{
    if (m_fd < 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool CAtomicFile::SetPermissions(fs::perms permissions)
{
    return m_fd >= 0 && ::fchmod(m_fd, static_cast<mode_t>(permissions) & 07777) == 0;
}

bool CAtomicFile::Commit()
{
    if (m_fd < 0)
        return false;
    // fsync covers what was written through other descriptors of the same
    // file too, so content the ZIP writer wrote by path is flushed here.
    // close() is checked as well: network file systems report a failed
    // write only there.
    bool ok = ::fsync(m_fd) == 0;
    if (::close(m_fd) != 0)
        ok = false;
    m_fd = -1;
    if (!ok || ::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        Discard();
        return false;
    }
    m_temp.clear();
    // The rename itself lives in the folder; flush that too so the new name
    // survives a power cut. A folder that refuses fsync (some network file
    // systems) does not undo a completed rename, so that is not a failure.
    SyncFolder(m_target.parent_path());
    return true;
}

void CAtomicFile::Discard()
{
    // errno tells the caller why a step failed; cleaning up must keep it.
    const int saved = errno;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
    errno = saved;
}

bool CAtomicFile::Replace(const fs::path& target, std::string_view bytes)
{
    CAtomicFile file(target);
    return file.Create() && file.Write(bytes) && file.Commit();
}
