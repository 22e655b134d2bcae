#pragma once
// The rolling daily and weekly copies of every cash book the program opens,
// made from the file on disk right before it is opened. A copy keeps the
// modification time of the cash book it was made from, so its age is the
// age of its content: the daily copy is refreshed once it is a day old, the
// weekly copy once it is seven days old. "Now" comes from a clock the
// caller may replace, so the day boundaries can be tested without waiting.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

class UserMessages;

class CBackups {
public:
    using Clock = std::function<std::int64_t()>; // seconds since 1970 UTC

    enum Kind { Daily = 0, Weekly = 1 };

    // backupFolder: the program's folder joined with "Settings/Paths/Backup".
    CBackups(std::filesystem::path backupFolder, UserMessages& messages, Clock clock = SystemClock());

    // Makes the copies of the cash book at `path` that are due. A folder
    // that cannot be created is reported with the system's error text;
    // failed copies are silent, since the file is opened anyway.
    void MakeBackups(const std::string& path);
    // True if the backup folder exists or could be created (one level only).
    bool EnsureBackupFolder();
    // The copy's path: backup folder, the file name of `path` without a
    // ".kbx" ending (exact case), then ".daily.bak" (kind 0) or
    // ".weekly.bak" (kind 1); other kinds give no suffix.
    std::string GetBackupName(const std::string& path, int kind) const;

    // Whole days since the file was last modified; a missing file counts as
    // modified at time 0.
    std::int64_t GetAgeInDays(const std::filesystem::path& file) const;

    const std::filesystem::path& GetBackupFolder() const { return m_folder; }

    static Clock SystemClock();

private:
    // Replaces target with a copy of source that has the source's
    // permissions and modification time, as a whole or not at all. False
    // on any failure; the old copy then stays as it was.
    static bool CopyKeepingTime(const std::filesystem::path& source, const std::filesystem::path& target);

    std::filesystem::path m_folder;
    UserMessages& m_messages;
    Clock m_clock;
};
