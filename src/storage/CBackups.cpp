#include "storage/CBackups.h"

#include "core/CAtomicFile.h"
#include "core/UserMessages.h"

#include <cerrno>
#include <chrono>
#include <fstream>
#include <string_view>
#include <vector>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t ModificationTime(const fs::path& file)
{
    std::error_code ec;
    auto stamp = fs::last_write_time(file, ec);
    if (ec)
        return 0;
    auto sys = std::chrono::file_clock::to_sys(stamp);
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

// The file-name part of a path as the user gave it; both separators count,
// so names written on Windows still split correctly.
std::string FileNamePart(const std::string& path)
{
    std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

} // namespace

CBackups::CBackups(fs::path backupFolder, UserMessages& messages, Clock clock)
    : m_folder(std::move(backupFolder)), m_messages(messages), m_clock(std::move(clock))
{
}

CBackups::Clock CBackups::SystemClock()
{
    return [] {
        return static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
            std::chrono::system_clock::now().time_since_epoch()).count());
    };
}

bool CBackups::EnsureBackupFolder()
{
    std::error_code ec;
    if (fs::exists(m_folder, ec))
        return true;
    // One level only, like the program always did: a missing parent means
    // the settings point somewhere wrong, and that is worth an error box.
    if (::mkdir(m_folder.c_str(), 0777) == 0)
        return true;
    m_messages.ShowSystemError(errno);
    return false;
}

std::string CBackups::GetBackupName(const std::string& path, int kind) const
{
    std::string name = FileNamePart(path);
    if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".kbx") == 0)
        name.erase(name.size() - 4);
    if (kind == Daily)
        name += ".daily.bak";
    else if (kind == Weekly)
        name += ".weekly.bak";
    return (m_folder / name).string();
}

std::int64_t CBackups::GetAgeInDays(const fs::path& file) const
{
    return (m_clock() - ModificationTime(file)) / kSecondsPerDay;
}

void CBackups::MakeBackups(const std::string& path)
{
    if (!EnsureBackupFolder())
        return;
    std::error_code ec;
    if (!fs::exists(path, ec))
        return;
    fs::path daily = GetBackupName(path, Daily);
    fs::path weekly = GetBackupName(path, Weekly);
    if (GetAgeInDays(daily) >= 1)
        CopyKeepingTime(path, daily);
    if (GetAgeInDays(weekly) >= 7)
        CopyKeepingTime(path, weekly);
}

bool CBackups::CopyKeepingTime(const fs::path& source, const fs::path& target)
{
    std::error_code ec;
    const auto stamp = fs::last_write_time(source, ec);
    if (ec)
        return false;
    const fs::perms permissions = fs::status(source, ec).permissions();
    if (ec)
        return false;
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return false;
    // Through the atomic writer, so that a copy that breaks off half-way,
    // a power cut before the data reached the disk, or a second instance
    // opening the same book at the same moment never replaces the backup
    // it was meant to refresh with a cut-off file.
    CAtomicFile copy(target);
    if (!copy.Create())
        return false;
    std::vector<char> buffer(1 << 16);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (!copy.Write(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount()))))
            return false;
    }
    if (in.bad())
        return false;
    // A copy is readable by whoever may read the cash book itself, not by
    // whoever could read the older backup it replaces.
    if (!copy.SetPermissions(permissions))
        return false;
    fs::last_write_time(copy.TempPath(), stamp, ec);
    return !ec && copy.Commit();
}
