// One export run: the archive's name and place for each target, its
// members and comments as minizip reads them back, the failures with the
// system's text, and the mail hand-off to a stand-in xdg-email on PATH.
#include "ExportKasse.h"

#include "export/CCsvTable.h"
#include "export/CExportMail.h"
#include "export/CMapiSession.h"
#include "export/CWechselmedium.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>
#include <minizip/unzip.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <tuple>

using namespace exportkasse;
namespace fs = std::filesystem;

namespace {

std::string Lies(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Mitglied {
    std::string name, kommentar, bytes;
    int methode = 0;
    std::time_t zeit = 0;
};

// The archive as minizip reads it: its comment and its members in order.
std::vector<Mitglied> Oeffne(const fs::path& archiv, std::string& kommentar)
{
    std::vector<Mitglied> liste;
    unzFile zip = unzOpen64(archiv.c_str());
    EXPECT_NE(zip, nullptr) << archiv;
    if (!zip)
        return liste;
    char text[256] = {};
    kommentar.assign(text, static_cast<std::size_t>(std::max(0, unzGetGlobalComment(zip, text, sizeof text))));
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        unz_file_info info{};
        char name[256] = {};
        char notiz[256] = {};
        unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, notiz, sizeof notiz);
        Mitglied m{name, notiz, std::string(info.uncompressed_size, '\0'), static_cast<int>(info.compression_method)};
        std::tm t{};
        t.tm_year = static_cast<int>(info.tmu_date.tm_year) - 1900;
        t.tm_mon = static_cast<int>(info.tmu_date.tm_mon);
        t.tm_mday = static_cast<int>(info.tmu_date.tm_mday);
        t.tm_hour = static_cast<int>(info.tmu_date.tm_hour);
        t.tm_min = static_cast<int>(info.tmu_date.tm_min);
        t.tm_sec = static_cast<int>(info.tmu_date.tm_sec);
        t.tm_isdst = -1;
        m.zeit = std::mktime(&t);
        unzOpenCurrentFile(zip);
        unzReadCurrentFile(zip, m.bytes.data(), static_cast<unsigned>(m.bytes.size()));
        unzCloseCurrentFile(zip);
        liste.push_back(std::move(m));
    }
    unzClose(zip);
    return liste;
}

class ExportLauf : public ::testing::Test {
protected:
    ExportLauf()
    {
        meldungen.SetOnUnexpected([](const ScriptedUserMessages::Box& b) { ADD_FAILURE() << b.text; });
        fs::create_directories(k.Ordner() / "Data" / "Export");
    }
    CExporter Exporter() const { return CExporter(k.werte, k.Daten(), k.Ordner(), meldungen); }
    std::string Bytes(void (CExporter::*fill)(CCsvTable&) const) const
    {
        CCsvTable t;
        (Exporter().*fill)(t);
        std::ostringstream out;
        t.Write(out);
        return out.str();
    }

    Kasse k;
    mutable ScriptedUserMessages meldungen;
};

// Runs the test body in another current folder and with another PATH.
class Umgebung {
public:
    Umgebung(const fs::path& ordner, const std::string& path) : m_vorher(fs::current_path())
    {
        if (const char* p = std::getenv("PATH"))
            m_path = p;
        fs::current_path(ordner);
        setenv("PATH", path.c_str(), 1);
    }
    ~Umgebung()
    {
        fs::current_path(m_vorher);
        setenv("PATH", m_path.c_str(), 1);
    }

private:
    fs::path m_vorher;
    std::string m_path;
};

// A stand-in xdg-email that writes its arguments one per line, keeps a
// copy of the attachment as the mail program would read it, and exits
// with the status given.
fs::path FalschesXdgEmail(const fs::path& ordner, int status)
{
    fs::create_directories(ordner / "bin");
    const fs::path skript = ordner / "bin" / "xdg-email";
    std::ofstream(skript) << "#!/bin/sh\n"
                             ": > \"" << (ordner / "argumente").string() << "\"\n"
                             "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"" << (ordner / "argumente").string() << "\"; done\n"
                             "while [ $# -gt 0 ]; do [ \"$1\" = --attach ] && /bin/cp \"$2\" \"" << (ordner / "anhang.zip").string() << "\"; shift; done\n"
                             "exit " << status << "\n";
    fs::permissions(skript, fs::perms::owner_all);
    return ordner / "bin";
}

} // namespace

TEST_F(ExportLauf, ArchiveNameFromShortNameAndMonth)
{
    const struct {
        const char* kurz;
        int jahr, monat;
        const char* name;
    } faelle[] = {
        {"", 2004, 3, "export_200403.zip"},
        {"Kasse Nord", 2004, 3, "Kasse_Nord_200403.zip"},
        {"Nord/S\xFC" "d Kasse", 2004, 3, "Nord_S\xFC" "d_Kasse_200403.zip"},
        {"a\\b*c?d\"e>f<g|h", 2010, 12, "a_b_c_d_e_f_g_h_201012.zip"},
        // The colon is kept, as the name has always been formed.
        {"C:Kasse", 2004, 3, "C:Kasse_200403.zip"},
        // Settings without an export month.
        {"", 1, 1, "export_000101.zip"},
    };
    for (const auto& f : faelle) {
        k.firma.SetKurzbezeichnung(f.kurz);
        k.werte.Year = f.jahr;
        k.werte.Month = f.monat;
        EXPECT_EQ(Exporter().GetArchiveName(), f.name) << f.kurz;
    }
}

TEST_F(ExportLauf, TargetPathForEachModeWithEitherSeparator)
{
    const std::string programm = k.Ordner().string();
    const std::string hier = fs::current_path().string();
    const struct {
        int modus;
        const char* pfad;
        std::string ziel;
    } faelle[] = {
        {0, "Data/Export/", programm + "/Data/Export/x.zip"},
        {0, "Data\\Export\\", programm + "/Data/Export/x.zip"},
        {0, "Daten", programm + "/Daten/x.zip"},
        {0, "/srv/export", "/srv/export/x.zip"},
        {0, "/srv/export/", "/srv/export/x.zip"},
        {1, "", "/media/anna/STICK/x.zip"},
        {2, "/srv/export", hier + "/x.zip"},
        {3, "/srv/export", ""},
        {-1, "/srv/export", ""},
    };
    for (const auto& f : faelle) {
        k.werte.Mode = f.modus;
        k.werte.Path = f.pfad;
        CExporter e = Exporter();
        e.SetWechselmedium(fs::path("/media/anna/STICK"));
        EXPECT_EQ(e.GetTargetPath("x.zip"), f.ziel) << f.modus << " " << f.pfad;
    }
}

TEST_F(ExportLauf, ArchiveHoldsTheThreeTablesWithCommentsAndTodaysStamp)
{
    const std::time_t vorher = std::time(nullptr);
    ASSERT_TRUE(Exporter().RunExport());
    const std::time_t nachher = std::time(nullptr);
    EXPECT_EQ(meldungen.Count(), 0u);
    // The disk spells the Windows-1252 short name in UTF-8.
    const fs::path archiv = k.Ordner() / "Data" / "Export" / "Nord_S\xC3\xBC" "d_Kasse_200403.zip";
    ASSERT_TRUE(fs::exists(archiv));
    EXPECT_EQ(Exporter().GetTargetPath(Exporter().GetArchiveName()), archiv.string());

    std::string kommentar;
    const std::vector<Mitglied> m = Oeffne(archiv, kommentar);
    EXPECT_EQ(kommentar, "Export von Kuvex - das Kassenbuch");
    ASSERT_EQ(m.size(), 3u);
    const std::pair<const char*, const char*> namen[] = {
        {"firma.csv", "Firma"}, {"belegtexte.csv", "Belegtexte"}, {"buchungen.csv", "Buchungen"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m[i].name, namen[i].first);
        EXPECT_EQ(m[i].kommentar, namen[i].second);
        EXPECT_EQ(m[i].methode, 8) << "deflate";
        // DOS time has two-second steps.
        EXPECT_GE(m[i].zeit, vorher - 2);
        EXPECT_LE(m[i].zeit, nachher + 2);
    }
    EXPECT_EQ(m[0].bytes, Bytes(&CExporter::FillFirma));
    EXPECT_EQ(m[1].bytes, Bytes(&CExporter::FillBelegtexte));
    EXPECT_EQ(m[2].bytes, Bytes(&CExporter::FillBuchungen));
}

TEST_F(ExportLauf, TheSameMonthAgainReplacesTheArchive)
{
    const fs::path archiv = k.Ordner() / "Data" / "Export" / "export_200403.zip";
    k.firma.SetKurzbezeichnung("");
    std::ofstream(archiv) << "alt";
    ASSERT_TRUE(Exporter().RunExport());
    std::string kommentar;
    EXPECT_EQ(Oeffne(archiv, kommentar).size(), 3u);
    EXPECT_EQ(fs::directory_iterator(archiv.parent_path())->path(), archiv) << "no temporary file left";
}

TEST_F(ExportLauf, MissingFolderShowsTheSystemTextAndWritesNothing)
{
    k.werte.Path = "fehlt/";
    EXPECT_FALSE(Exporter().RunExport());
    ASSERT_EQ(meldungen.Count(), 1u);
    EXPECT_EQ(meldungen.Last().systemError, ENOENT);
    EXPECT_FALSE(fs::exists(k.Ordner() / "fehlt"));
}

TEST_F(ExportLauf, NoRemovableMediumIsAMissingFolder)
{
    k.werte.Mode = CExportSettings::ModeDiskette;
    CExporter ohne = Exporter();
    ohne.SetWechselmedium(std::nullopt);
    EXPECT_FALSE(ohne.RunExport());
    ASSERT_EQ(meldungen.Count(), 1u);
    EXPECT_EQ(meldungen.Last().systemError, ENOENT);

    const fs::path stick = k.Ordner() / "STICK";
    fs::create_directories(stick);
    CExporter mit = Exporter();
    mit.SetWechselmedium(stick);
    EXPECT_TRUE(mit.RunExport());
    EXPECT_TRUE(fs::exists(stick / "Nord_S\xC3\xBC" "d_Kasse_200403.zip"));
}

TEST_F(ExportLauf, RemovableMediumIsTheFirstMountBelowTheUsersMediaFolder)
{
    const std::string tabelle = "/dev/sda1 / ext4 rw 0 0\n"
                                "/dev/sdc1 /media/bob/FREMD vfat rw 0 0\n"
                                "/dev/sdd1 /media/anna/tief/innen vfat rw 0 0\n"
                                "/dev/sdb1 /media/anna/USB\\040STICK vfat rw 0 0\n"
                                "/dev/sde1 /run/media/anna/KARTE vfat rw 0 0\n";
    EXPECT_EQ(CWechselmedium::Finde(tabelle, "anna"), fs::path("/media/anna/USB STICK"));
    EXPECT_EQ(CWechselmedium::Finde("/dev/sde1 /run/media/anna/KARTE vfat rw 0 0\n", "anna"),
              fs::path("/run/media/anna/KARTE"));
    EXPECT_EQ(CWechselmedium::Finde(tabelle, "carl"), std::nullopt);
    EXPECT_EQ(CWechselmedium::Finde(tabelle, ""), std::nullopt);
}

TEST_F(ExportLauf, MailHandsSubjectBodyAndArchiveToXdgEmailThenDeletesIt)
{
    const fs::path bin = FalschesXdgEmail(k.Ordner(), 0);
    const fs::path mailordner = k.Ordner() / "hier";
    fs::create_directories(mailordner);
    k.werte.Mode = CExportSettings::ModeEMail;
    k.werte.SendTo = "steuer@example.org";
    {
        Umgebung u(mailordner, bin.string() + ":/usr/bin:/bin");
        EXPECT_TRUE(Exporter().RunExport());
        EXPECT_EQ(fs::current_path(), mailordner);
    }
    EXPECT_EQ(meldungen.Count(), 0u);
    const std::string archiv = (mailordner / "Nord_S\xC3\xBC" "d_Kasse_200403.zip").string();
    EXPECT_EQ(Lies(k.Ordner() / "argumente"),
              "--subject\nDatenexport aus 'Kuvex - das Kassenbuch'\n--body\nDatenexport aus 'Kuvex - das Kassenbuch'\n"
              "--attach\n" + archiv + "\nsteuer@example.org\n");
    // The mail program could read the whole archive; afterwards it is gone.
    std::string kommentar;
    EXPECT_EQ(Oeffne(k.Ordner() / "anhang.zip", kommentar).size(), 3u);
    EXPECT_FALSE(fs::exists(archiv));
}

TEST_F(ExportLauf, MailWithoutXdgEmailSaysNoMapiAndStillDeletesTheArchive)
{
    const fs::path leer = k.Ordner() / "leer";
    fs::create_directories(leer);
    k.werte.Mode = CExportSettings::ModeEMail;
    {
        Umgebung u(leer, leer.string());
        EXPECT_FALSE(Exporter().RunExport());
    }
    ASSERT_EQ(meldungen.Count(), 1u);
    EXPECT_EQ(meldungen.Last().text, "Auf dem System ist kein MAPI installiert. Somit kann kein Mail gesendet werden");
    EXPECT_EQ(meldungen.Last().icon, UserMessages::Icon::Error);
    EXPECT_TRUE(fs::is_empty(leer));
}

TEST_F(ExportLauf, MailProgramFailingShowsTheSystemTextAndDeletesTheArchive)
{
    const fs::path bin = FalschesXdgEmail(k.Ordner(), 4);
    const fs::path mailordner = k.Ordner() / "hier";
    fs::create_directories(mailordner);
    k.werte.Mode = CExportSettings::ModeEMail;
    {
        Umgebung u(mailordner, bin.string() + ":/usr/bin:/bin");
        EXPECT_FALSE(Exporter().RunExport());
    }
    ASSERT_EQ(meldungen.Count(), 1u);
    EXPECT_EQ(meldungen.Last().systemError, EIO);
    EXPECT_TRUE(fs::is_empty(mailordner));
    // An empty recipient is left for the user to fill in.
    EXPECT_EQ(Lies(k.Ordner() / "argumente").find("@"), std::string::npos);
    EXPECT_EQ(Lies(k.Ordner() / "argumente").substr(Lies(k.Ordner() / "argumente").rfind("--attach")),
              "--attach\n" + (mailordner / "Nord_S\xC3\xBC" "d_Kasse_200403.zip").string() + "\n");
}

TEST(MapiSession, ExitStatusOfXdgEmailBecomesAnErrorNumber)
{
    const std::pair<int, int> faelle[] = {{0, 0}, {1, EINVAL}, {2, ENOENT}, {3, ENOENT}, {4, EIO}, {5, EACCES}, {9, EIO}};
    for (const auto& [status, fehler] : faelle)
        EXPECT_EQ(CMapiSession::FehlerAusStatus(status), fehler) << status;
}

TEST(ExportSettings, ShippedFileHoldsEveryKeyAtItsDefault)
{
    const fs::path datei = fs::path(KUVEX_SOURCE_DIR) / "data" / "export.xml";
    const std::string bytes = Lies(datei);
    EXPECT_EQ(bytes, CExportSettings::Vorlage);
    CExportSettings s(datei.string());
    for (const char* key : {CExportSettings::Path, CExportSettings::Mode, CExportSettings::SendTo, CExportSettings::Year,
                            CExportSettings::Month, CExportSettings::MandantId, CExportSettings::KassenNr,
                            CExportSettings::KassenBezeichnung, CExportSettings::BelegFirstId,
                            CExportSettings::BuchungFirstId})
        EXPECT_TRUE(s.Find(key)) << key << ": a setter could not store it";
    const CExportWerte w = s.Werte();
    const CExportWerte d;
    EXPECT_EQ(std::tie(w.Path, w.Mode, w.SendTo, w.Year, w.Month, w.MandantId, w.KassenNr, w.KassenBezeichnung,
                       w.BelegFirstId, w.BuchungFirstId),
              std::tie(d.Path, d.Mode, d.SendTo, d.Year, d.Month, d.MandantId, d.KassenNr, d.KassenBezeichnung,
                       d.BelegFirstId, d.BuchungFirstId));
    EXPECT_EQ(d.Path, "Data/Export/");
    EXPECT_EQ(d.KassenBezeichnung, "Hauptkassa");
    // The build lays the default folder out beside the program.
    EXPECT_TRUE(fs::is_directory(fs::path(KUVEX_BIN_DIR) / "Data" / "Export"));
    EXPECT_EQ(Lies(fs::path(KUVEX_BIN_DIR) / "export.xml"), bytes);
}

TEST(ExportSettings, MissingElementsAreAddedSoTheChosenMonthIsKept)
{
    Kasse k;
    const fs::path datei = k.Ordner() / "export.xml";
    const std::string alt = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Export><Path>/srv/x</Path>"
                            "<Mandanten><Id>7</Id></Mandanten></Export>\n";
    std::ofstream(datei, std::ios::binary) << alt;
    CExportSettings s(datei.string());
    EXPECT_TRUE(s.SetInt(CExportSettings::Year, 2004));
    EXPECT_TRUE(s.SetInt(CExportSettings::Month, 3));
    EXPECT_TRUE(s.SetString(CExportSettings::SendTo, "a@b.de"));
    const CExportWerte w = s.Werte();
    EXPECT_EQ(w.Path, "/srv/x");
    EXPECT_EQ(w.MandantId, 7);
    EXPECT_EQ(w.KassenNr, 1);
    EXPECT_EQ(w.Year, 2004);
    EXPECT_EQ(w.SendTo, "a@b.de");
    EXPECT_EQ(Lies(datei), alt) << "loading writes nothing";

    // No file at all starts from the shipped content.
    const fs::path neu = k.Ordner() / "neu.xml";
    CExportSettings leer(neu.string());
    EXPECT_TRUE(leer.SetInt(CExportSettings::Month, 12));
    ScriptedUserMessages meldungen;
    ASSERT_TRUE(leer.Speichern(meldungen));
    std::string erwartet = CExportSettings::Vorlage;
    erwartet.replace(erwartet.find("<Month>1<"), 9, "<Month>12<");
    EXPECT_EQ(Lies(neu), erwartet);
}

TEST(ExportSettings, AnUnreadableFileIsNotWrittenOver)
{
    Kasse k;
    const fs::path datei = k.Ordner() / "export.xml";
    std::ofstream(datei, std::ios::binary) << "<Export><Path>kaputt";
    CExportSettings s(datei.string());
    EXPECT_EQ(s.Werte().Path, "Data/Export/");
    ScriptedUserMessages meldungen;
    EXPECT_FALSE(s.Speichern(meldungen));
    ASSERT_EQ(meldungen.Count(), 1u);
    EXPECT_EQ(meldungen.Last().text,
              "Die Exporteinstellungen (export.xml) konnten nicht gelesen werden und werden nicht gespeichert.");
    EXPECT_EQ(Lies(datei), "<Export><Path>kaputt");
}
