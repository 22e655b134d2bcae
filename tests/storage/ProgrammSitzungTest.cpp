// The program session both front ends start and open through: the lock is
// taken before any backup copy is made, so a cash book another program has
// open is left alone entirely; a file that does not load leaves nothing open.
#include "RecordingMessages.h"
#include "TempFolder.h"

#include "core/CBuchungen.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ProgrammSitzung : public ::testing::Test {
protected:
    ProgrammSitzung()
    {
        const fs::path data = fs::path(KUVEX_SOURCE_DIR) / "data";
        for (const char* file : {"settings.xml", "steuersaetze.xml"})
            fs::copy_file(data / file, dir / file);
        fs::create_directory(dir / "Kassen");
        kasse = (dir / "Kassen" / "Laden.kbx").string();
        RecordingMessages still;
        CKassenbuch neu(still);
        EXPECT_TRUE(neu.New(kasse));
        neu.GetBuchungen()->AddItem();
        EXPECT_TRUE(neu.Save());
    }
    // Two days after the file was written: both copies are due.
    static std::int64_t Spaeter() { return fs::file_time_type::clock::to_sys(fs::file_time_type::clock::now())
                                               .time_since_epoch() / std::chrono::seconds(1) + 2 * 86400; }

    TempFolder dir;
    std::string kasse;
    RecordingMessages messages;
};

} // namespace

TEST_F(ProgrammSitzung, OpensAfterMakingTheBackupsOfTheFileOnDisk)
{
    CProgrammSitzung sitzung(dir.Path(), messages, &Spaeter);
    ASSERT_TRUE(sitzung.Start());
    ASSERT_TRUE(sitzung.OpenFile(kasse));
    EXPECT_EQ(sitzung.Kassenbuch().GetBuchungen()->GetCount(), 1);
    EXPECT_TRUE(fs::exists(dir / "Backup" / "Laden.daily.bak"));
    EXPECT_TRUE(fs::exists(dir / "Backup" / "Laden.weekly.bak"));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ProgrammSitzung, LockedCashBookIsRefusedBeforeAnyBackupIsMade)
{
    RecordingMessages anderer;
    CKassenbuch offen(anderer);
    ASSERT_TRUE(offen.Open(kasse));
    CProgrammSitzung sitzung(dir.Path(), messages, &Spaeter);
    ASSERT_TRUE(sitzung.Start());
    EXPECT_FALSE(sitzung.OpenFile(kasse));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{CKassenbuch::kDateiGesperrt});
    EXPECT_FALSE(fs::exists(dir / "Backup"));
    EXPECT_FALSE(sitzung.Kassenbuch().IsValid());
}

TEST_F(ProgrammSitzung, FileThatDoesNotLoadLeavesNoCashBookOpen)
{
    CProgrammSitzung sitzung(dir.Path(), messages, &Spaeter);
    ASSERT_TRUE(sitzung.Start());
    ASSERT_TRUE(sitzung.OpenFile(kasse));
    WriteFile(dir / "Kassen" / "Kaputt.kbx", "PK\x03\x04 kein Archiv");
    for (const std::string name : {"Kaputt.kbx", "Fehlt.kbx", ""}) {
        EXPECT_FALSE(sitzung.OpenFile(name.empty() ? name : (dir / "Kassen" / name).string())) << name;
        EXPECT_FALSE(sitzung.Kassenbuch().IsValid()) << name;
        EXPECT_EQ(sitzung.Kassenbuch().GetFileName(), "") << name;
    }
    // The earlier cash book's lock went with it: another program may open it.
    RecordingMessages anderer;
    CKassenbuch danach(anderer);
    EXPECT_TRUE(danach.Open(kasse));
}
