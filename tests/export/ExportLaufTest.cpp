// One export run: the archive's name and place for each target, its
// members and comments as minizip reads them back, the failures with the
// system's text, the mail hand-off to a stand-in xdg-email on PATH, and
// the export settings file.
#include "ExportKasse.h"

#include "export/CCsvTable.h"
#include "export/CWechselmedium.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>
#include <minizip/unzip.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <cstdlib>
#include <ctime>
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

// The archive as minizip reads it: its comment, then its members in order.
std::vector<Mitglied> Oeffne(const fs::path& archiv, std::string* kommentar = nullptr)
{
    std::vector<Mitglied> liste;
    unzFile zip = unzOpen64(archiv.c_str());
    if (!zip)
        return liste;
    char text[256] = {};
    if (kommentar)
        kommentar->assign(text, static_cast<std::size_t>(std::max(0, unzGetGlobalComment(zip, text, sizeof text))));
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        unz_file_info info{};
        char name[256] = {}, notiz[256] = {};
        unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, notiz, sizeof notiz);
        Mitglied m{name, notiz, std::string(info.uncompressed_size, '\0'), static_cast<int>(info.compression_method)};
        const tm_unz& d = info.tmu_date;
        m.zeit = CDatum::FromLocal(int(d.tm_year), int(d.tm_mon) + 1, int(d.tm_mday), int(d.tm_hour), int(d.tm_min),
                                   int(d.tm_sec)).Seconds();
        unzOpenCurrentFile(zip);
        unzReadCurrentFile(zip, m.bytes.data(), static_cast<unsigned>(m.bytes.size()));
        unzCloseCurrentFile(zip);
        liste.push_back(std::move(m));
    }
    unzClose(zip);
    return liste;
}

const std::string kArchiv = "Nord_S\xC3\xBC" "d_Kasse_200403.zip"; // the short name in UTF-8

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
    // A mail run from folder `hier` with only `bin` (and the system's
    // tools) on PATH; the current folder and PATH are restored afterwards.
    bool MailLauf(const fs::path& hier, const std::string& path)
    {
        k.werte.Mode = CExportSettings::ModeEMail;
        const fs::path vorher = fs::current_path();
        const std::string altPath = std::getenv("PATH") ? std::getenv("PATH") : "";
        fs::create_directories(hier);
        fs::current_path(hier);
        setenv("PATH", path.c_str(), 1);
        const bool ok = Exporter().RunExport();
        EXPECT_EQ(fs::current_path(), hier);
        fs::current_path(vorher);
        setenv("PATH", altPath.c_str(), 1);
        return ok;
    }
    // A stand-in xdg-email: writes its arguments one per line, keeps a copy
    // of the attachment as a mail program would read it `warten` seconds
    // after it was started, exits with status.
    std::string XdgEmail(int status, int warten = 0) const
    {
        const fs::path bin = k.Ordner() / "bin";
        fs::create_directories(bin);
        const std::string log = (k.Ordner() / "argumente").string();
        const std::string anhang = (k.Ordner() / "anhang.zip").string();
        std::ofstream(bin / "xdg-email") << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> " << log << "; done\n"
                                         << "sleep " << warten << "\nwhile [ $# -gt 0 ]; do [ \"$1\" = --attach ] && cp \"$2\" "
                                         << anhang << ".tmp && mv " << anhang << ".tmp " << anhang
                                         << "; shift; done\nexit " << status << "\n";
        fs::permissions(bin / "xdg-email", fs::perms::owner_all);
        return bin.string() + ":/usr/bin:/bin";
    }

    Kasse k;
    mutable ScriptedUserMessages meldungen;
};

} // namespace

TEST_F(ExportLauf, ArchiveNameFromShortNameAndMonth)
{
    const struct {
        const char* kurz;
        int jahr, monat;
        const char* name;
    } faelle[] = {
        {"", 2004, 3, "export_200403.zip"},
        {"Nord/S\xFC" "d Kasse", 2004, 3, "Nord_S\xFC" "d_Kasse_200403.zip"},
        {"a\\b*c?d\"e>f<g|h", 2010, 12, "a_b_c_d_e_f_g_h_201012.zip"},
        {"C:Kasse", 2004, 3, "C:Kasse_200403.zip"}, // the colon is kept
        {"", 1, 1, "export_000101.zip"},            // settings without an export month
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
        {2, "/srv/export", "/srv/export/x.zip"},
        {3, "/srv/export", ""},
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
    const fs::path archiv = k.Ordner() / "Data" / "Export" / kArchiv;
    EXPECT_EQ(Exporter().GetTargetPath(Exporter().GetArchiveName()), archiv.string());
    std::string kommentar;
    const std::vector<Mitglied> m = Oeffne(archiv, &kommentar);
    EXPECT_EQ(kommentar, "Export von Kuvex - das Kassenbuch");
    ASSERT_EQ(m.size(), 3u);
    const std::pair<const char*, const char*> namen[] = {
        {"firma.csv", "Firma"}, {"belegtexte.csv", "Belegtexte"}, {"buchungen.csv", "Buchungen"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m[i].name, namen[i].first);
        EXPECT_EQ(m[i].kommentar, namen[i].second);
        EXPECT_EQ(m[i].methode, 8) << "deflate";
        EXPECT_GE(m[i].zeit, vorher - 2); // DOS time has two-second steps
        EXPECT_LE(m[i].zeit, nachher + 2);
    }
    EXPECT_EQ(m[0].bytes, Bytes(&CExporter::FillFirma));
    EXPECT_EQ(m[1].bytes, Bytes(&CExporter::FillBelegtexte));
    EXPECT_EQ(m[2].bytes, Bytes(&CExporter::FillBuchungen));

    // The same month again replaces the archive whole, leaving no temporary file.
    std::ofstream(archiv) << "alt";
    ASSERT_TRUE(Exporter().RunExport());
    EXPECT_EQ(Oeffne(archiv).size(), 3u);
    EXPECT_EQ(std::distance(fs::directory_iterator(archiv.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(ExportLauf, MissingFolderOrMediumShowsTheSystemTextAndWritesNothing)
{
    k.werte.Path = "fehlt/";
    EXPECT_FALSE(Exporter().RunExport());
    k.werte.Mode = CExportSettings::ModeDiskette;
    CExporter ohne = Exporter();
    ohne.SetWechselmedium(std::nullopt);
    EXPECT_FALSE(ohne.RunExport());
    ASSERT_EQ(meldungen.Count(), 2u);
    EXPECT_EQ(meldungen.Boxes()[0].systemError, ENOENT);
    EXPECT_EQ(meldungen.Boxes()[1].systemError, ENOENT);
    EXPECT_FALSE(fs::exists(k.Ordner() / "fehlt"));

    CExporter mit = Exporter();
    mit.SetWechselmedium(k.Ordner());
    EXPECT_TRUE(mit.RunExport());
    EXPECT_TRUE(fs::exists(k.Ordner() / kArchiv));
}

TEST(Wechselmedium, TheFirstMountRightBelowTheUsersMediaFolder)
{
    const std::string tabelle = "/dev/sda1 / ext4 rw 0 0\n/dev/sdc1 /media/bob/FREMD vfat rw 0 0\n"
                                "/dev/sdd1 /media/anna/tief/innen vfat rw 0 0\n"
                                "/dev/sdb1 /media/anna/USB\\040STICK vfat rw 0 0\n"
                                "/dev/sde1 /run/media/anna/KARTE vfat rw 0 0\n";
    EXPECT_EQ(CWechselmedium::Finde(tabelle, "anna"), fs::path("/media/anna/USB STICK"));
    EXPECT_EQ(CWechselmedium::Finde(tabelle.substr(tabelle.rfind("/dev")), "anna"), fs::path("/run/media/anna/KARTE"));
    EXPECT_EQ(CWechselmedium::Finde(tabelle, "carl"), std::nullopt);
    EXPECT_EQ(CWechselmedium::Finde(tabelle, ""), std::nullopt);
}

TEST_F(ExportLauf, MailHandsTheArchiveOverWithoutWaitingAndKeepsItInTheExportFolder)
{
    k.werte.SendTo = "steuer@example.org";
    const fs::path archiv = k.Ordner() / "Data" / "Export" / kArchiv;
    // Seconds until the mail program reads the attachment (the user presses Send).
    for (const int warten : {0, 2}) {
        fs::remove(k.Ordner() / "argumente");
        fs::remove(k.Ordner() / "anhang.zip");
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(MailLauf(k.Ordner() / "hier", XdgEmail(0, warten)));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500)) << warten;
        for (int i = 0; i < 500 && !fs::exists(k.Ordner() / "anhang.zip"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(meldungen.Count(), 0u);
        EXPECT_EQ(Lies(k.Ordner() / "argumente"),
                  "--subject\nDatenexport aus 'Kuvex - das Kassenbuch'\n--body\nDatenexport aus 'Kuvex - das "
                  "Kassenbuch'\n--attach\n" + archiv.string() + "\nsteuer@example.org\n");
        EXPECT_EQ(Oeffne(k.Ordner() / "anhang.zip").size(), 3u) << warten;
        EXPECT_TRUE(fs::exists(archiv));
    }
}

TEST_F(ExportLauf, MailFailuresAreShownAndTheArchiveIsDeletedAllTheSame)
{
    EXPECT_FALSE(MailLauf(k.Ordner() / "ohne", (k.Ordner() / "ohne").string()));
    ASSERT_EQ(meldungen.Count(), 1u);
    EXPECT_EQ(meldungen.Last().text, "Auf dem System ist kein MAPI installiert. Somit kann kein Mail gesendet werden");
    EXPECT_TRUE(fs::is_empty(k.Ordner() / "Data" / "Export"));

    EXPECT_FALSE(MailLauf(k.Ordner() / "hier", XdgEmail(4)));
    ASSERT_EQ(meldungen.Count(), 2u);
    EXPECT_EQ(meldungen.Last().systemError, EIO);
    EXPECT_TRUE(fs::is_empty(k.Ordner() / "Data" / "Export"));
    // An empty recipient is left for the user to fill in.
    const std::string argumente = Lies(k.Ordner() / "argumente");
    EXPECT_EQ(argumente.substr(argumente.rfind("--attach")),
              "--attach\n" + (k.Ordner() / "Data" / "Export" / kArchiv).string() + "\n");
}

TEST(ExportSettings, ShippedFileHoldsEveryKeyAtItsDefault)
{
    const std::string bytes = Lies(fs::path(KUVEX_SOURCE_DIR) / "data" / "export.xml");
    EXPECT_EQ(bytes, CExportSettings::Vorlage);
    EXPECT_EQ(Lies(fs::path(KUVEX_BIN_DIR) / "export.xml"), bytes);
    EXPECT_TRUE(fs::is_directory(fs::path(KUVEX_BIN_DIR) / "Data" / "Export"));
    const CExportWerte w = CExportSettings((fs::path(KUVEX_SOURCE_DIR) / "data" / "export.xml").string()).Werte();
    const CExportWerte d;
    EXPECT_EQ(std::tie(w.Path, w.Mode, w.SendTo, w.Year, w.Month, w.MandantId, w.KassenNr, w.KassenBezeichnung,
                       w.BelegFirstId, w.BuchungFirstId),
              std::tie(d.Path, d.Mode, d.SendTo, d.Year, d.Month, d.MandantId, d.KassenNr, d.KassenBezeichnung,
                       d.BelegFirstId, d.BuchungFirstId));
}

TEST(ExportSettings, MissingElementsAreAddedAndAnUnreadableFileIsKept)
{
    Kasse k;
    const fs::path datei = k.Ordner() / "export.xml";
    const std::string alt = "<Export><Path>/srv/x</Path><Mandanten><Id>7</Id></Mandanten></Export>\n";
    std::ofstream(datei, std::ios::binary) << alt;
    CExportSettings s(datei.string());
    EXPECT_TRUE(s.SetInt(CExportSettings::Year, 2004));
    EXPECT_TRUE(s.SetString(CExportSettings::SendTo, "a@b.de"));
    const CExportWerte w = s.Werte();
    EXPECT_EQ(std::tie(w.Path, w.MandantId, w.KassenNr, w.Year, w.SendTo),
              std::make_tuple(std::string("/srv/x"), 7, 1, 2004, std::string("a@b.de")));
    EXPECT_EQ(Lies(datei), alt) << "loading writes nothing";

    // No file at all starts from the shipped content.
    CExportSettings leer((k.Ordner() / "neu.xml").string());
    EXPECT_TRUE(leer.SetInt(CExportSettings::Month, 12));
    ScriptedUserMessages meldungen;
    ASSERT_TRUE(leer.Speichern(meldungen));
    std::string erwartet = CExportSettings::Vorlage;
    EXPECT_EQ(Lies(k.Ordner() / "neu.xml"), erwartet.replace(erwartet.find("<Month>1<"), 9, "<Month>12<"));

    std::ofstream(datei, std::ios::binary) << "<Export><Path>kaputt";
    EXPECT_FALSE(CExportSettings(datei.string()).Speichern(meldungen));
    EXPECT_EQ(meldungen.Last().text,
              "Die Exporteinstellungen (export.xml) konnten nicht gelesen werden und werden nicht gespeichert.");
    EXPECT_EQ(Lies(datei), "<Export><Path>kaputt");
}
