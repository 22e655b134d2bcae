// Write-protected files in a writable folder: the cash book, the settings
// and the VAT-rate table are refused with the system's reason and stay
// byte for byte as they were. Run as another user, since root may write
// anything.
#include "RecordingMessages.h"
#include "TempFolder.h"

#include "common/InChild.h"
#include "core/CBuchungen.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CSettings.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::string>;

struct Fall {
    const char* file;
    // Runs as the other user; false when the save went through.
    std::function<bool(const fs::path& dir, RecordingMessages& messages)> save;
    Texts texts;
};

class Schreibschutz : public ::testing::TestWithParam<Fall> {
protected:
    Schreibschutz()
    {
        const fs::path data = fs::path(KUVEX_SOURCE_DIR) / "data";
        for (const char* file : {"settings.xml", "steuersaetze.xml"})
            fs::copy_file(data / file, dir / file);
        {
            RecordingMessages still;
            CKassenbuch neu(still);
            EXPECT_TRUE(neu.New((dir / "Laden.kbx").string()));
            neu.GetBuchungen()->AddItem();
            EXPECT_TRUE(neu.Save());
        }
        fs::remove(dir / ".Laden.kbx.lock");
        // The other user may change the folder, so only the file's own
        // protection stands between him and a replaced file.
        fs::permissions(dir.Path(), fs::perms(0777));
    }

    TempFolder dir;
};

} // namespace

TEST_P(Schreibschutz, FileIsRefusedWithTheSystemsReasonAndKept)
{
    const Fall& fall = GetParam();
    const fs::path file = dir / fall.file;
    fs::permissions(file, fs::perms(0444));
    const std::string before = ReadFile(file);

    EXPECT_TRUE(InChild([&] {
        RecordingMessages messages;
        return fall.save(dir.Path(), messages) && messages.systemErrors == std::vector<int>{EACCES}
            && messages.Texts() == fall.texts;
    }));
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0444));
    for (const std::string& name : FileNames(dir.Path()))
        EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Schreibschutz,
    ::testing::Values(
        Fall{"Laden.kbx",
             [](const fs::path& dir, RecordingMessages& messages) {
                 CKassenbuch book(messages);
                 if (!book.Open((dir / "Laden.kbx").string()))
                     return false;
                 book.GetBuchungen()->AddItem();
                 return !book.Save();
             },
             Texts{"Fehler beim speichern einer Datei"}},
        Fall{"settings.xml",
             [](const fs::path& dir, RecordingMessages& messages) {
                 CSettings settings(dir, messages);
                 return settings.Load() && !settings.Save();
             },
             Texts{}},
        Fall{"steuersaetze.xml",
             [](const fs::path& dir, RecordingMessages& messages) {
                 CProgrammSitzung sitzung(dir, messages);
                 return sitzung.Start() && !sitzung.SaveSteuersaetze();
             },
             Texts{}}),
    [](const ::testing::TestParamInfo<Fall>& info) {
        std::string name = info.param.file;
        for (char& c : name)
            if (c == '.')
                c = '_';
        return name;
    });
