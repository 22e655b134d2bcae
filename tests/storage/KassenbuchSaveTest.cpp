// Writing a cash book: the archive's exact layout, a faithful round trip,
// every failure of saving, and that a failed save never harms the old file.
#include "KassenbuchFixture.h"

#include <csignal>
#include <ctime>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kUngueltig = "Die Datenbank ist ung\xFCltig";
const std::string kSpeichern = "Fehler beim speichern einer Datei";

// Files in a folder other than the cash books themselves (temporary files,
// lock files).
std::vector<std::string> Leftovers(const fs::path& folder, const std::vector<std::string>& expected)
{
    std::vector<std::string> extra;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::string name = entry.path().filename().string();
        if (std::find(expected.begin(), expected.end(), name) == expected.end())
            extra.push_back(name);
    }
    return extra;
}

} // namespace

TEST_F(KassenbuchTest, NewAndSaveWritesThreeDeflatedMembersInOrderStampedNow)
{
    fs::path file = dir / "Laden.kbx";
    CKassenbuch book(messages);
    ASSERT_TRUE(book.New(file.string()));
    EXPECT_TRUE(book.IsOpen());
    EXPECT_FALSE(fs::exists(file)); // nothing is written before the first save
    std::time_t before = std::time(nullptr);
    ASSERT_TRUE(book.Save());
    std::time_t after = std::time(nullptr);
    EXPECT_TRUE(messages.boxes.empty());

    ArchiveInfo archive = InspectArchive(file);
    ASSERT_EQ(archive.members.size(), 3u);
    EXPECT_EQ(archive.members[0].name, "Buchungen.dat");
    EXPECT_EQ(archive.members[1].name, "Belegtexte.xml");
    EXPECT_EQ(archive.members[2].name, "Firma.xml");
    EXPECT_EQ(archive.members[0].bytes, std::string("KBBF\0\0\0\0", 8));
    EXPECT_EQ(archive.members[1].bytes, DefaultCatalogue());
    EXPECT_EQ(archive.members[2].bytes, BlankCompany());
    EXPECT_EQ(archive.commentSize, 0u);

    std::tm lo{}, hi{};
    localtime_r(&before, &lo);
    localtime_r(&after, &hi);
    for (const MemberInfo& m : archive.members) {
        SCOPED_TRACE(m.name);
        EXPECT_EQ(m.method, static_cast<unsigned long>(Z_DEFLATED));
        EXPECT_EQ(m.extraSize, 0u);
        EXPECT_EQ(m.commentSize, 0u);
        EXPECT_EQ(m.externalAttributes, 0u);
        // Local time, to the two seconds a ZIP time stamp can hold.
        EXPECT_EQ(static_cast<int>(m.date.tm_year), lo.tm_year + 1900);
        EXPECT_EQ(static_cast<int>(m.date.tm_mon), lo.tm_mon);
        EXPECT_EQ(static_cast<int>(m.date.tm_mday), lo.tm_mday);
        int stamp = static_cast<int>(m.date.tm_hour * 3600 + m.date.tm_min * 60 + m.date.tm_sec);
        int from = (lo.tm_hour * 3600 + lo.tm_min * 60 + lo.tm_sec) / 2 * 2;
        int to = hi.tm_hour * 3600 + hi.tm_min * 60 + hi.tm_sec;
        if (to >= from) { // not across midnight
            EXPECT_GE(stamp, from);
            EXPECT_LE(stamp, to);
        }
    }
    EXPECT_EQ(Leftovers(dir.Path(), {"Laden.kbx", ".Laden.kbx.lock"}), std::vector<std::string>{});
}

TEST_F(KassenbuchTest, SavedCashBookReopensWithIdenticalContent)
{
    fs::path file = dir / "Laden.kbx";
    std::string journal, catalogue, company;
    {
        CKassenbuch book(messages);
        book.New(file.string());
        FillJournal(*book.GetBuchungen());
        book.GetFirma()->SetName("M\xFCller & S\xF6hne\nGmbH");
        book.GetFirma()->SetOrt("K\xF6ln");
        book.GetBelegtexte()->SetBezeichnung(book.GetBelegtexte()->AddEntry(), "Geb\xFChren <Bank>");
        journal = JournalBytes(*book.GetBuchungen());
        catalogue = XmlBytes(*book.GetBelegtexte());
        company = XmlBytes(*book.GetFirma());
        ASSERT_TRUE(book.Save());
    }
    EXPECT_EQ(InspectArchive(file).members[0].bytes, journal);

    CKassenbuch again(messages);
    ASSERT_TRUE(again.Open(file.string()));
    EXPECT_TRUE(again.IsOpen());
    EXPECT_EQ(again.GetFileName(), file.string());
    EXPECT_EQ(again.LastError(), "");
    EXPECT_EQ(JournalBytes(*again.GetBuchungen()), journal);
    EXPECT_EQ(XmlBytes(*again.GetBelegtexte()), catalogue);
    EXPECT_EQ(XmlBytes(*again.GetFirma()), company);
    EXPECT_EQ(again.GetFirma()->GetName(), "M\xFCller & S\xF6hne\nGmbH");
    EXPECT_EQ(again.GetBuchungen()->GetNotiz(0), "B\xFC" "robedarf f\xFCr M\xE4rz");

    // Saving the re-opened book again gives the same bytes once more.
    ASSERT_TRUE(again.Save());
    EXPECT_EQ(InspectArchive(file).members[0].bytes, journal);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(KassenbuchTest, SaveRefusesAnIncompleteOrUnnamedDocument)
{
    CKassenbuch none(messages);
    EXPECT_FALSE(none.Save());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kUngueltig});

    messages.Clear();
    CKassenbuch unnamed(messages);
    ASSERT_TRUE(unnamed.New(""));
    EXPECT_TRUE(unnamed.IsValid());
    EXPECT_FALSE(unnamed.IsOpen());
    EXPECT_FALSE(unnamed.Save());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Der Dateiname ist ung\xFCltig"});
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST_F(KassenbuchTest, SaveAsIntoMissingFolderReportsTheFullPathAndKeepsTheOpenFile)
{
    std::string target = (dir / "fehlt" / "Neu.kbx").string();
    std::string laden = (dir / "Laden.kbx").string();
    CKassenbuch book(messages);
    book.New(laden);
    ASSERT_TRUE(book.Save());
    EXPECT_FALSE(book.SaveAs(target));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Fehler beim Anlegen der Datei " + target});
    EXPECT_FALSE(fs::exists(dir / "fehlt"));

    // The document stays on the file it has open, lock included, so the
    // next save (and the one at the end) still reaches it.
    EXPECT_EQ(book.GetFileName(), laden);
    CKassenbuch other(messages);
    messages.Clear();
    EXPECT_FALSE(other.Open(laden));
    messages.Clear();
    book.GetBuchungen()->AddItem();
    EXPECT_TRUE(book.Save());
    EXPECT_TRUE(messages.boxes.empty());
    CKassenbuch reread(messages);
    book.Close();
    ASSERT_TRUE(reread.Open(laden));
    EXPECT_EQ(reread.GetBuchungen()->GetCount(), 1);

    // Once the folder exists, save-as succeeds there.
    fs::create_directory(dir / "fehlt");
    EXPECT_TRUE(reread.SaveAs(target));
    EXPECT_EQ(reread.GetFileName(), target);
    EXPECT_EQ(InspectArchive(target).members.size(), 3u);
}

TEST_F(KassenbuchTest, SaveBelowAPlainFileCannotCreateTheArchive)
{
    // Unlike a read-only folder this cannot be written even by root.
    WriteFile(dir / "Datei", "kein Ordner");
    std::string target = (dir / "Datei" / "Laden.kbx").string();
    CKassenbuch book(messages);
    book.New(target);
    EXPECT_FALSE(book.Save());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Fehler beim Anlegen der Datei " + target});
    EXPECT_EQ(ReadFile(dir / "Datei"), "kein Ordner");
}

TEST_F(KassenbuchTest, SaveThatFailsHalfWayLeavesTheOldFileIntact)
{
    fs::path file = dir / "Laden.kbx";
    CKassenbuch book(messages);
    book.New(file.string());
    ASSERT_TRUE(book.Save());
    std::string before = ReadFile(file);

    FillJournal(*book.GetBuchungen());
    std::vector<std::string> stored;
    book.SetStoreHook([&](const std::string& member) {
        stored.push_back(member);
        if (member == "Belegtexte.xml")
            throw std::runtime_error("disk full");
    });
    EXPECT_FALSE(book.Save());
    EXPECT_EQ(stored, (std::vector<std::string>{"Buchungen.dat", "Belegtexte.xml"}));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{kSpeichern});
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(Leftovers(dir.Path(), {"Laden.kbx", ".Laden.kbx.lock"}), std::vector<std::string>{});

    // The document is still whole and saves once the fault is gone.
    book.SetStoreHook(nullptr);
    EXPECT_TRUE(book.Save());
    EXPECT_EQ(InspectArchive(file).members[0].bytes, JournalBytes(*book.GetBuchungen()));
}

TEST_F(KassenbuchTest, SaveOnAFullDiskLeavesTheOldFileIntact)
{
    // A file-size limit makes every write past it fail as a full disk
    // would. It runs in a child process so the limit stays there.
    fs::path file = dir / "Laden.kbx";
    {
        CKassenbuch book(messages);
        book.New(file.string());
        ASSERT_TRUE(book.Save());
    }
    std::string before = ReadFile(file);

    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        RecordingMessages childMessages;
        CKassenbuch book(childMessages);
        book.New(file.string());
        CBuchungen& journal = *book.GetBuchungen();
        for (int n = 0; n < 20000; ++n) { // about 1 MB, poorly compressible notes
            int i = journal.AddItem();
            journal.SetNotiz(i, std::to_string(n * 7919u % 104729u) + std::to_string(n * 31u));
            int j = journal.AddLine(i);
            journal.GetItem(i, j).Einnahme = CBetrag(n * 1234567LL);
        }
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        bool saved = book.Save();
        bool told = childMessages.Texts() == std::vector<std::string>{kSpeichern};
        _exit(!saved && told ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFile(file), before);
    // The child ended without its destructors, so its lock file may stay;
    // the temporary archive must not.
    EXPECT_EQ(Leftovers(dir.Path(), {"Laden.kbx", ".Laden.kbx.lock"}), std::vector<std::string>{});
}

TEST_F(KassenbuchTest, TooLongTextIsAWriteFailureNotACorruptFile)
{
    fs::path file = dir / "Laden.kbx";
    CKassenbuch book(messages);
    book.New(file.string());
    ASSERT_TRUE(book.Save());
    std::string before = ReadFile(file);
    int i = book.GetBuchungen()->AddItem();
    book.GetBuchungen()->SetNotiz(i, std::string(40000, 'x'));
    EXPECT_FALSE(book.Save());
    // First why (which booking), then the failure itself.
    const std::vector<std::string> texts = messages.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("Ein Text der Buchung Nr. 1 vom ", 0), 0u) << texts[0];
    EXPECT_NE(texts[0].find(" ist zu lang zum Speichern (h\xF6" "chstens 32767 Zeichen)."), std::string::npos);
    EXPECT_EQ(texts[1], kSpeichern);
    EXPECT_EQ(ReadFile(file), before);
}

TEST_F(KassenbuchTest, SaveKeepsPermissionsAndSymbolicLinks)
{
    fs::path real = dir / "Laden.kbx";
    fs::path link = dir / "Verweis.kbx";
    CKassenbuch book(messages);
    book.New(real.string());
    ASSERT_TRUE(book.Save());
    chmod(real.c_str(), 0640);
    fs::create_symlink(real, link);
    book.Close();

    ASSERT_TRUE(book.Open(link.string()));
    FillJournal(*book.GetBuchungen());
    ASSERT_TRUE(book.Save());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(InspectArchive(real).members[0].bytes, JournalBytes(*book.GetBuchungen()));
    struct stat st{};
    stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(KassenbuchTest, ArchiveIsReadByUnzipAndPython)
{
    fs::path file = dir / "Laden.kbx";
    CKassenbuch book(messages);
    book.New(file.string());
    FillJournal(*book.GetBuchungen());
    ASSERT_TRUE(book.Save());

    auto run = [](const std::string& command, std::string& output) {
        FILE* pipe = popen((command + " 2>&1").c_str(), "r");
        if (!pipe)
            return -1;
        char buf[512];
        while (std::size_t n = fread(buf, 1, sizeof buf, pipe))
            output.append(buf, n);
        return pclose(pipe);
    };
    int tools = 0;
    for (const std::string& tool : {std::string("unzip -l"), std::string("unzip -t"),
                                    std::string("python3 -m zipfile -l"), std::string("python3 -m zipfile -t")}) {
        std::string probe = tool.substr(0, tool.find(' '));
        if (std::system(("command -v " + probe + " >/dev/null 2>&1").c_str()) != 0)
            continue;
        ++tools;
        std::string output;
        SCOPED_TRACE(tool);
        EXPECT_EQ(run(tool + " '" + file.string() + "'", output), 0) << output;
        if (tool.ends_with("-l")) {
            EXPECT_NE(output.find("Buchungen.dat"), std::string::npos) << output;
            EXPECT_NE(output.find("Belegtexte.xml"), std::string::npos) << output;
            EXPECT_NE(output.find("Firma.xml"), std::string::npos) << output;
        }
    }
    if (tools == 0)
        GTEST_SKIP() << "neither unzip nor python3 is installed";
}
