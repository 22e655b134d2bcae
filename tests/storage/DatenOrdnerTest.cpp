// Where the program's files live: beside a portable program, or, for an
// installed one, in the user's data folder seeded from the shipped copies;
// the session reading and writing there.
#include "storage/CDatenOrdner.h"
#include "storage/CProgrammSitzung.h"

#include "common/InChild.h"
#include "RecordingMessages.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

namespace fs = std::filesystem;

class DatenOrdner : public ::testing::Test {
protected:
    DatenOrdner()
    {
        alt = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
        setenv("XDG_DATA_HOME", (dir / "home-data").c_str(), 1);
    }
    ~DatenOrdner() override
    {
        if (alt.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", alt.c_str(), 1);
    }
    // bin/ and share/kuvex/ as a package lays them out.
    fs::path Installiert()
    {
        const fs::path data = fs::path(KUVEX_SOURCE_DIR) / "data";
        const fs::path share = dir / "usr" / "share" / "kuvex";
        fs::create_directories(share);
        fs::create_directories(dir / "usr" / "bin");
        for (const char* file : {"settings.xml", "steuersaetze.xml", "laender.xml", "export.xml"})
            fs::copy_file(data / file, share / file);
        return dir / "usr" / "bin";
    }

    TempFolder dir;
    std::string alt;
};

TEST_F(DatenOrdner, APortableWritableFolderKeepsEverything)
{
    const CDatenOrdner ordner = CDatenOrdner::Fuer(dir.Path());
    EXPECT_FALSE(ordner.IstGetrennt());
    EXPECT_EQ(ordner.Benutzer(), dir.Path());
    EXPECT_EQ(ordner.Lesen("logo.gif"), dir / "logo.gif");
}

TEST_F(DatenOrdner, AnInstalledProgramSeedsTheUsersFolderAndWritesOnlyThere)
{
    const fs::path bin = Installiert();
    const fs::path share = dir / "usr" / "share" / "kuvex";
    const fs::path user = dir / "home-data" / "kuvex";
    RecordingMessages messages;
    {
        CProgrammSitzung sitzung(bin, messages);
        EXPECT_EQ(sitzung.Ordner().Geliefert(), share);
        EXPECT_EQ(sitzung.Ordner().Benutzer(), user);
        ASSERT_TRUE(sitzung.Start());
        for (const char* file : {"settings.xml", "steuersaetze.xml", "export.xml"})
            EXPECT_TRUE(fs::exists(user / file)) << file;
        for (const char* folder : {"Kassen", "Backup", "Data/Export"})
            EXPECT_TRUE(fs::is_directory(user / folder)) << folder;
        // Read-only files come from the shipped folder until the user has his own.
        EXPECT_FALSE(fs::exists(user / "laender.xml"));
        EXPECT_EQ(sitzung.Settings().GetAbsolute(CSettings::LaenderFile), (share / "laender.xml").string());
        EXPECT_EQ(sitzung.Settings().GetAbsolute(CSettings::KassenPath), (user / "Kassen").string());
        sitzung.Settings().SetMonthmode(true);
        EXPECT_TRUE(sitzung.SaveSteuersaetze());
        EXPECT_TRUE(sitzung.End());
    }
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
    // The shipped copies are as installed; the user's settings changed.
    const fs::path data = fs::path(KUVEX_SOURCE_DIR) / "data";
    EXPECT_EQ(ReadFile(share / "settings.xml"), ReadFile(data / "settings.xml"));
    EXPECT_NE(ReadFile(user / "settings.xml"), ReadFile(data / "settings.xml"));
    // A second start keeps the user's copy.
    CProgrammSitzung zweite(bin, messages);
    ASSERT_TRUE(zweite.Start());
    EXPECT_TRUE(zweite.Settings().GetMonthmode());
}

TEST_F(DatenOrdner, APortableFolderTheUserMayNotWriteActsAsInstalled)
{
    const fs::path data = fs::path(KUVEX_SOURCE_DIR) / "data";
    for (const char* file : {"settings.xml", "steuersaetze.xml", "laender.xml"})
        fs::copy_file(data / file, dir / file);
    fs::permissions(dir.Path(), fs::perms(0755));
    EXPECT_TRUE(InChild([&] {
        setenv("XDG_DATA_HOME", "/tmp", 1);
        const CDatenOrdner ordner = CDatenOrdner::Fuer(dir.Path());
        return ordner.IstGetrennt() && ordner.Benutzer() == fs::path("/tmp/kuvex") &&
               ordner.Lesen("laender.xml") == dir / "laender.xml";
    }));
}

} // namespace
