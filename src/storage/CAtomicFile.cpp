#include "storage/CAtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace {

bool SyncPath(const fs::path& path, int flags)
{
    int fd = ::open(path.c_str(), flags | O_CLOEXEC);
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
    bool hasOld = ::stat(m_target.c_str(), &old) == 0;
    if (hasOld)
        mode = old.st_mode & 07777;

    std::random_device seed;
    std::mt19937 random(seed());
    fs::path folder = m_target.parent_path();
    std::string stem = "." + m_target.filename().string() + ".tmp-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = folder / (stem + std::to_string(random() % 1000000000u));
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        if (hasOld)
            ::fchmod(fd, mode);
        ::close(fd);
        m_temp = std::move(candidate);
        return true;
    }
    errno = EEXIST;
    return false;
}

bool CAtomicFile::Commit()
{
    if (m_temp.empty())
        return false;
    if (!SyncPath(m_temp, O_RDONLY))
        return false;
    if (::rename(m_temp.c_str(), m_target.c_str()) != 0)
        return false;
    m_temp.clear();
    // The rename itself lives in the folder; flush that too so the new name
    // survives a power cut. A folder that refuses fsync (some network file
    // systems) does not undo a completed rename, so that is not a failure.
    fs::path folder = m_target.parent_path();
    SyncPath(folder.empty() ? fs::path(".") : folder, O_RDONLY | O_DIRECTORY);
    return true;
}

void CAtomicFile::Discard()
{
    if (!m_temp.empty()) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
    }
}
