// Daily and weekly copies: when they are made, what they are called and
// that they carry the content's age, at the exact day boundaries.
#include "storage/CBackups.h"

#include "RecordingMessages.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 86400;
// 2024-03-30 10:00 UTC: the day before the spring clock change in Berlin,
// so day ages are measured across a 23-hour day.
constexpr std::int64_t kT0 = 1711792800;

void SetModified(const fs::path& file, std::int64_t seconds)
{
    fs::last_write_time(file, std::chrono::file_clock::from_sys(
        std::chrono::sys_seconds{std::chrono::seconds{seconds}}));
}

std::int64_t Modified(const fs::path& file)
{
    auto sys = std::chrono::file_clock::to_sys(fs::last_write_time(file));
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

class BackupsTest : public ::testing::Test {
protected:
    // The cash book is saved with `content` at time `when`.
    void SaveBook(const std::string& content, std::int64_t when)
    {
        WriteFile(book, content);
        SetModified(book, when);
    }
    void OpenAt(std::int64_t when)
    {
        now = when;
        backups.MakeBackups(book.string());
    }
    fs::path Daily() const { return backups.GetBackupName(book.string(), CBackups::Daily); }
    fs::path Weekly() const { return backups.GetBackupName(book.string(), CBackups::Weekly); }

    TempFolder dir;
    fs::path book = dir / "Laden.kbx";
    RecordingMessages messages;
    std::int64_t now = 0;
    CBackups backups{dir / "backup", messages, [this] { return now; }};
};

} // namespace

TEST_F(BackupsTest, FirstOpeningCreatesFolderAndBothCopiesWithTheBookTime)
{
    SaveBook("v1", kT0);
    OpenAt(kT0 + 5 * kMinute);

    EXPECT_EQ(ReadFile(Daily()), "v1");
    EXPECT_EQ(ReadFile(Weekly()), "v1");
    EXPECT_EQ(Modified(Daily()), kT0);
    EXPECT_EQ(Modified(Weekly()), kT0);
    EXPECT_EQ(Daily(), dir / "backup" / "Laden.daily.bak");
    EXPECT_EQ(Weekly(), dir / "backup" / "Laden.weekly.bak");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_TRUE(messages.systemErrors.empty());
    // No half-made copy is left beside the backups.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "backup"), fs::directory_iterator()), 2);
}

TEST_F(BackupsTest, ReopeningMinutesLaterAfterSavingCopiesNothing)
{
    SaveBook("v1", kT0);
    OpenAt(kT0);
    SaveBook("v2", kT0 + 3 * kMinute);
    OpenAt(kT0 + 5 * kMinute);

    EXPECT_EQ(ReadFile(Daily()), "v1");
    EXPECT_EQ(ReadFile(Weekly()), "v1");
}

TEST_F(BackupsTest, DailyCopyIsKeptAt23h59AndReplacedAt24h)
{
    SaveBook("v1", kT0);
    OpenAt(kT0);
    SaveBook("v2", kT0 + 2 * kHour);

    OpenAt(kT0 + 23 * kHour + 59 * kMinute);
    EXPECT_EQ(ReadFile(Daily()), "v1");

    OpenAt(kT0 + 24 * kHour - 1);
    EXPECT_EQ(ReadFile(Daily()), "v1");

    OpenAt(kT0 + 24 * kHour);
    EXPECT_EQ(ReadFile(Daily()), "v2");
    EXPECT_EQ(Modified(Daily()), kT0 + 2 * kHour);
    EXPECT_EQ(ReadFile(Weekly()), "v1");
}

TEST_F(BackupsTest, WeeklyCopyIsKeptAtSixDaysAndReplacedAtSeven)
{
    SaveBook("v1", kT0);
    OpenAt(kT0);
    SaveBook("v2", kT0 + 6 * kDay);

    OpenAt(kT0 + 6 * kDay);
    EXPECT_EQ(ReadFile(Daily()), "v2");
    EXPECT_EQ(ReadFile(Weekly()), "v1");

    SaveBook("v3", kT0 + 7 * kDay - kMinute);
    OpenAt(kT0 + 7 * kDay);
    // The daily copy's content (v2) dates from day 6, a day ago: replaced too.
    EXPECT_EQ(ReadFile(Daily()), "v3");
    EXPECT_EQ(ReadFile(Weekly()), "v3");
    EXPECT_EQ(Modified(Weekly()), kT0 + 7 * kDay - kMinute);
}

TEST_F(BackupsTest, AgeCountsWholeDaysAndAMissingFileIsVeryOld)
{
    SaveBook("v1", kT0);
    now = kT0 + 2 * kDay - 1;
    EXPECT_EQ(backups.GetAgeInDays(book), 1);
    now = kT0 + 2 * kDay;
    EXPECT_EQ(backups.GetAgeInDays(book), 2);
    EXPECT_EQ(backups.GetAgeInDays(dir / "missing"), kT0 / kDay + 2);
}

TEST_F(BackupsTest, MissingCashBookMakesNoCopyButStillCreatesTheFolder)
{
    OpenAt(kT0);
    EXPECT_TRUE(fs::is_directory(dir / "backup"));
    EXPECT_FALSE(fs::exists(Daily()));
    EXPECT_FALSE(fs::exists(Weekly()));
    EXPECT_TRUE(messages.systemErrors.empty());
}

TEST_F(BackupsTest, RefreshedCopyIsNoMoreReadableThanTheCashBook)
{
    SaveBook("v1", kT0);
    OpenAt(kT0);
    fs::permissions(Daily(), fs::perms(0644));
    SaveBook("v2", kT0 + kHour);
    fs::permissions(book, fs::perms(0600));

    OpenAt(kT0 + kDay);
    EXPECT_EQ(ReadFile(Daily()), "v2");
    EXPECT_EQ(fs::status(Daily()).permissions(), fs::perms(0600));
    EXPECT_EQ(FileNames(dir / "backup"), (std::vector<std::string>{"Laden.daily.bak", "Laden.weekly.bak"}));
}

TEST_F(BackupsTest, CopyThatFailsHalfWayKeepsTheOldBackup)
{
    SaveBook("v1", kT0);
    OpenAt(kT0);
    SaveBook(std::string(100000, 'x'), kT0 + kHour);
    // A file-size limit makes the copy fail as a full disk would; it runs
    // in a child process so the limit stays there.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        now = kT0 + 7 * kDay;
        backups.MakeBackups(book.string());
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(ReadFile(Daily()), "v1");
    EXPECT_EQ(ReadFile(Weekly()), "v1");
    EXPECT_EQ(Modified(Daily()), kT0);
    EXPECT_EQ(FileNames(dir / "backup"), (std::vector<std::string>{"Laden.daily.bak", "Laden.weekly.bak"}));
}

TEST(BackupNames, EndingIsRemovedOnlyWhenExactlyLowerCaseKbx)
{
    RecordingMessages messages;
    CBackups backups("/b", messages, [] { return 0; });
    EXPECT_EQ(backups.GetBackupName("/x/Laden.kbx", 0), "/b/Laden.daily.bak");
    EXPECT_EQ(backups.GetBackupName("/x/Laden.kbx", 1), "/b/Laden.weekly.bak");
    EXPECT_EQ(backups.GetBackupName("/x/Laden.KBX", 0), "/b/Laden.KBX.daily.bak");
    EXPECT_EQ(backups.GetBackupName("/x/Laden", 1), "/b/Laden.weekly.bak");
    EXPECT_EQ(backups.GetBackupName("/x/Laden.kbx.old", 0), "/b/Laden.kbx.old.daily.bak");
    EXPECT_EQ(backups.GetBackupName("Laden.kbx", 2), "/b/Laden");
    EXPECT_EQ(backups.GetBackupName("C:\\Kassen\\Laden.kbx", 0), "/b/Laden.daily.bak");
    EXPECT_EQ(backups.GetBackupName(".kbx", 0), "/b/.daily.bak");
}

TEST(BackupFolder, FolderThatCannotBeCreatedReportsTheSystemErrorAndCopiesNothing)
{
    TempFolder dir;
    WriteFile(dir / "Laden.kbx", "v1");
    RecordingMessages messages;
    // Only one level is created: a missing parent is an error.
    CBackups backups(dir / "missing" / "backup", messages, [] { return kT0; });
    backups.MakeBackups((dir / "Laden.kbx").string());

    EXPECT_EQ(messages.systemErrors, std::vector<int>{ENOENT});
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

