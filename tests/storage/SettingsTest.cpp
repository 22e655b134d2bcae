// The settings store: loading, the six flags through a saved file, paths
// made absolute, and every case of the file history.
#include "storage/CSettings.h"

#include "RecordingMessages.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const char* const kHeader = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n";

std::string SettingsXml(const std::string& settings, const std::string& history)
{
    return std::string(kHeader) + "<Settings><Settings>" + settings + "</Settings>"
        + "<Paths><Kassen>Kassen</Kassen><Backup>daten\\backup</Backup></Paths>"
        + "<Files><Laender>laender.xml</Laender><Steuersatz>ust.xml</Steuersatz>"
        + "<Export>export.xml</Export></Files>"
        + "<Logo><Link>https://example.org/</Link></Logo>"
        + history + "</Settings>";
}

std::string History(const std::vector<std::string>& entries)
{
    std::string xml = "<FileHistory>";
    for (const std::string& e : entries)
        xml += "<File>" + e + "</File>";
    return xml + "</FileHistory>";
}

class SettingsTest : public ::testing::Test {
protected:
    CSettings& Load(const std::string& xml)
    {
        WriteFile(dir / "settings.xml", xml);
        settings = std::make_unique<CSettings>(dir.Path(), messages);
        EXPECT_TRUE(settings->Load());
        return *settings;
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> result;
        for (int k = 0; k < settings->GetHistoryCount(); ++k)
            result.push_back(settings->GetHistoryEntry(k));
        return result;
    }
    void LoadHistory(const std::vector<std::string>& entries) { Load(SettingsXml("", History(entries))); }

    TempFolder dir;
    RecordingMessages messages;
    std::unique_ptr<CSettings> settings;
};

using List = std::vector<std::string>;

} // namespace

TEST_F(SettingsTest, MissingFileIsShownAndFails)
{
    CSettings missing(dir.Path(), messages);
    EXPECT_FALSE(missing.Load());
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Die Einstellungsdatei (settings.xml) wurde nicht gefunden");
    EXPECT_EQ(messages.boxes[0].icon, UserMessages::Icon::Error);
}

TEST_F(SettingsTest, ValuesAreReadAndPathsMadeAbsolute)
{
    CSettings& s = Load(SettingsXml("<Autosave/>", ""));
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(s.GetKassenPath(), "Kassen");
    EXPECT_EQ(s.GetBackupPath(), "daten\\backup");
    EXPECT_EQ(s.GetLaenderFile(), "laender.xml");
    EXPECT_EQ(s.GetSteuersatzFile(), "ust.xml");
    EXPECT_EQ(s.GetExportFile(), "export.xml");
    EXPECT_EQ(s.GetLogoLink(), "https://example.org/");
    EXPECT_EQ(s.GetAbsolute(CSettings::SteuersatzFile), (dir / "ust.xml").string());
    // A value written with Windows separators works on this system too.
    EXPECT_EQ(s.GetAbsolute(CSettings::BackupPath), (dir.Path() / "daten" / "backup").string());
    EXPECT_EQ(s.GetHistoryCount(), 0);
}

TEST_F(SettingsTest, EveryFlagSwitchesOnAndOffThroughASavedFile)
{
    const char* flags[] = {CSettings::Monthmode, CSettings::Autostart, CSettings::StayOnTop,
                           CSettings::CloseToTray, CSettings::Autosave, CSettings::WarnNegative};
    Load(SettingsXml("", History({"a", ""})));
    for (const char* flag : flags)
        EXPECT_FALSE(settings->GetOption(flag)) << flag;

    for (const char* flag : flags) {
        SCOPED_TRACE(flag);
        settings->SetOption(flag, true);
        ASSERT_TRUE(settings->Save());
        CSettings reread(dir.Path(), messages);
        ASSERT_TRUE(reread.Load());
        for (const char* f : flags)
            EXPECT_EQ(reread.GetOption(f), f == flag) << f;
        settings->SetOption(flag, false);
    }
    ASSERT_TRUE(settings->Save());
    CSettings reread(dir.Path(), messages);
    ASSERT_TRUE(reread.Load());
    for (const char* flag : flags)
        EXPECT_FALSE(reread.GetOption(flag)) << flag;
    // Everything else came through untouched.
    EXPECT_EQ(reread.GetBackupPath(), "daten\\backup");
    EXPECT_EQ(reread.GetHistoryEntry(0), "a");
    EXPECT_EQ(reread.GetHistoryCount(), 2);
}

TEST_F(SettingsTest, NamedFlagAccessorsMatchTheirElements)
{
    CSettings& s = Load(SettingsXml("<StayOnTop/><WarnNegative/>", ""));
    EXPECT_FALSE(s.GetMonthmode());
    EXPECT_FALSE(s.GetAutostart());
    EXPECT_TRUE(s.GetStayOnTop());
    EXPECT_FALSE(s.GetCloseToTray());
    EXPECT_FALSE(s.GetAutosave());
    EXPECT_TRUE(s.GetWarnNegative());
    s.SetMonthmode(true);
    s.SetAutostart(true);
    s.SetCloseToTray(true);
    s.SetAutosave(true);
    s.SetStayOnTop(false);
    s.SetWarnNegative(false);
    EXPECT_TRUE(s.GetFlag("Settings/Settings", "Monthmode"));
    EXPECT_TRUE(s.GetFlag("Settings/Settings", "Autostart"));
    EXPECT_TRUE(s.GetFlag("Settings/Settings", "CloseToTray"));
    EXPECT_TRUE(s.GetFlag("Settings/Settings", "Autosave"));
    EXPECT_FALSE(s.GetFlag("Settings/Settings", "StayOnTop"));
    EXPECT_FALSE(s.GetFlag("Settings/Settings", "WarnNegative"));
}

TEST_F(SettingsTest, SaveReplacesTheFileAsAWholeInItsEncoding)
{
    Load(SettingsXml("", History({"/kassen/M\xFCller.kbx", ""})));
    settings->AddToHistory("/kassen/B\xE4" "cker.kbx");
    ASSERT_TRUE(settings->Save());
    std::string written = ReadFile(dir / "settings.xml");
    EXPECT_EQ(written.rfind(kHeader, 0), 0u);
    EXPECT_NE(written.find("<File>/kassen/B\xE4" "cker.kbx</File>"), std::string::npos);
    EXPECT_NE(written.find("<File>/kassen/M\xFCller.kbx</File>"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST_F(SettingsTest, UnparsableFileRunsOnDefaultsAndIsNotOverwritten)
{
    const std::string broken = "<Settings><Settings><Autosave/></Settings";
    CSettings& s = Load(broken);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(s.GetAutosave());
    s.SetAutosave(true); // there is no "Settings/Settings" to hold it
    EXPECT_FALSE(s.GetAutosave());
    EXPECT_EQ(s.GetHistoryCount(), 0);
    s.AddToHistory("/x.kbx");
    EXPECT_EQ(s.GetHistoryCount(), 0);
    EXPECT_EQ(s.GetAbsolute(CSettings::SteuersatzFile), (dir.Path() / "").string());
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(ReadFile(dir / "settings.xml"), broken);
}

TEST_F(SettingsTest, HistoryExistingEntryMovesToTheTop)
{
    LoadHistory({"P", "Q", "R", "S"});
    settings->AddToHistory("R");
    EXPECT_EQ(Entries(), (List{"R", "P", "Q", "S"}));
}

TEST_F(SettingsTest, HistoryNewEntryPushesTheLastOut)
{
    LoadHistory({"P", "Q", "R", "S"});
    settings->AddToHistory("T");
    EXPECT_EQ(Entries(), (List{"T", "P", "Q", "R"}));
}

TEST_F(SettingsTest, HistoryTopEntryStaysWhereItIs)
{
    LoadHistory({"P", "Q", "R", "S"});
    settings->AddToHistory("P");
    EXPECT_EQ(Entries(), (List{"P", "Q", "R", "S"}));
}

TEST_F(SettingsTest, HistoryOfEmptyEntriesTakesTheFirstPath)
{
    LoadHistory({"", "", "", ""});
    settings->AddToHistory("P");
    EXPECT_EQ(Entries(), (List{"P", "", "", ""}));
    settings->AddToHistory("Q");
    EXPECT_EQ(Entries(), (List{"Q", "P", "", ""}));
}

TEST_F(SettingsTest, HistoryWithoutFileElementsStaysEmpty)
{
    Load(SettingsXml("", "<FileHistory></FileHistory>"));
    settings->AddToHistory("P");
    EXPECT_EQ(settings->GetHistoryCount(), 0);
    EXPECT_EQ(settings->GetHistoryEntry(0), "");
    Load(SettingsXml("", ""));
    settings->AddToHistory("P");
    EXPECT_EQ(settings->GetHistoryCount(), 0);
}

TEST_F(SettingsTest, HistoryComparesLetterCase)
{
    LoadHistory({"/k/laden.kbx", "/k/Laden.kbx", "x"});
    settings->AddToHistory("/k/LADEN.kbx");
    EXPECT_EQ(Entries(), (List{"/k/LADEN.kbx", "/k/laden.kbx", "/k/Laden.kbx"}));
    settings->AddToHistory("/k/Laden.kbx");
    EXPECT_EQ(Entries(), (List{"/k/Laden.kbx", "/k/LADEN.kbx", "/k/laden.kbx"}));
}

TEST_F(SettingsTest, HistoryEntriesOutsideTheListAreIgnored)
{
    LoadHistory({"P", "Q"});
    settings->SetHistoryEntry(2, "X");
    settings->SetHistoryEntry(-1, "X");
    EXPECT_EQ(Entries(), (List{"P", "Q"}));
    EXPECT_EQ(settings->GetHistoryEntry(2), "");
    EXPECT_EQ(settings->GetHistoryEntry(-1), "");
    // Entries read back without their blanks, as every text of the file.
    settings->SetHistoryEntry(1, " /k/mit Leerzeichen.kbx ");
    EXPECT_EQ(settings->GetHistoryEntry(1), "/k/mit Leerzeichen.kbx");
}

TEST_F(SettingsTest, HistoryEntriesAreTrimmedAndAFileNeverStandsTwice)
{
    struct Fall {
        List file;
        const char* added;
        List expected;
    };
    const Fall faelle[] = {
        // Blanks, tabs and line breaks around an entry are not part of it.
        {{"  /x/a.kbx  ", "/x/b.kbx", "", ""}, "/x/a.kbx", {"/x/a.kbx", "/x/b.kbx", "", ""}},
        {{"/x/b.kbx", "\t/x/a.kbx\n", "", ""}, "/x/a.kbx", {"/x/a.kbx", "/x/b.kbx", "", ""}},
        {{" /x/a.kbx ", "/x/b.kbx"}, "/x/a.kbx", {"/x/a.kbx", "/x/b.kbx"}},
        // An entry of blanks is an empty one and ends the list.
        {{"/x/a.kbx", "   ", "/x/c.kbx"}, "/x/b.kbx", {"/x/b.kbx", "/x/a.kbx", ""}},
        // What stands behind a blank is not in the list; moving the list
        // down must not bring it back as a second copy.
        {{"/x/a.kbx", "", "/x/b.kbx", "/x/a.kbx"}, "/x/b.kbx", {"/x/b.kbx", "/x/a.kbx", "", ""}},
        {{"", "/x/a.kbx", "/x/b.kbx"}, "/x/a.kbx", {"/x/a.kbx", "", ""}},
    };
    for (const Fall& f : faelle) {
        LoadHistory(f.file);
        settings->AddToHistory(f.added);
        EXPECT_EQ(Entries(), f.expected) << f.file[0] << " | " << f.file[1] << " + " << f.added;
    }
}
