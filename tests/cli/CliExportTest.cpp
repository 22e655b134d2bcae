// kuvex-cli export: the archive's full path on standard output, the
// options for client, cash box and folder, the stored settings left alone,
// and a missing folder refused with the system's text before anything is
// opened or written.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliProgrammOrdner.h"
#include "storage/CZipReader.h"

namespace fs = std::filesystem;

namespace {

std::string Lies(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Mitglied(const fs::path& archiv, const std::string& name)
{
    CZipReader zip;
    int fehler = 0;
    EXPECT_TRUE(zip.Open(archiv.string(), fehler)) << archiv;
    std::string bytes;
    EXPECT_EQ(zip.Extract(name, 1 << 20, bytes), CZipReader::Result::Ok) << name;
    return bytes;
}

const char* const kKopf =
    "MandantId;Id;KassenId;VaterId;Datum;BelegtextBez;Notiz;Ein;Aus;WaehrungsKuerzel;MwStSatzProz;MwStSatzLand\r\n";

class CliExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_kasse = m_ordner.Datei("kasse.kbx");
        ASSERT_EQ(Cli({"new", m_kasse}).Status, 0);
        ASSERT_EQ(Cli({"add", m_kasse, "--date", "2004-03-07", "--text", "Porto", "--amount", "2,50", "--note",
                       "Marken; \"Sonder\""}).Status, 0);
        ASSERT_EQ(Cli({"add", m_kasse, "--date", "2004-03-08", "--split", "Verkauf=100=Teil 1", "--split",
                       "Porto=5,5", "--vat", "200"}).Status, 0);
        ASSERT_EQ(Cli({"add", m_kasse, "--date", "2004-04-01", "--text", "Verkauf", "--amount", "9"}).Status, 0);
        m_exportXml = Lies(m_ordner.Pfad() / "export.xml");
        ASSERT_FALSE(m_exportXml.empty()) << "export.xml is not in the program folder";
    }
    CliErgebnis Cli(const std::vector<std::string>& a) { return m_ordner.ImProzess(a); }

    CliProgrammOrdner m_ordner;
    std::string m_kasse;
    std::string m_exportXml;
};

} // namespace

TEST_F(CliExport, DefaultFolderIsRelativeToTheProgramFolder)
{
    const CliErgebnis e = Cli({"export", m_kasse, "--month", "2004-03"});
    const fs::path archiv = m_ordner.Pfad() / "Data" / "Export" / "export_200403.zip";
    EXPECT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_EQ(e.Aus, archiv.string() + "\n");
    EXPECT_EQ(e.Fehler, "");
    EXPECT_EQ(Mitglied(archiv, "buchungen.csv"),
              std::string(kKopf) + "1;1;1;0;2004-03-07;Porto;\"Marken; \"\"Sonder\"\"\";0;2.5;EUR;16;DE\r\n"
                                   "1;2;1;0;2004-03-08;Aufteilung;;100;5.5;EUR;0;\r\n"
                                   "1;3;1;2;2004-03-08;Verkauf;Teil 1;100;0;EUR;7;DE\r\n"
                                   "1;4;1;2;2004-03-08;Porto;;0;5.5;EUR;7;DE\r\n");
    EXPECT_EQ(Lies(m_ordner.Pfad() / "export.xml"), m_exportXml);
}

TEST_F(CliExport, OptionsReplaceClientCashBoxAndFolderForThisRunOnly)
{
    const fs::path ziel = m_ordner.Pfad() / "ziel";
    fs::create_directories(ziel);
    const CliErgebnis e = Cli({"export", m_kasse, "--month=2004-04", "--to", ziel.string(), "--client", "7",
                               "--till", "3", "--till-name", "Nebenkasse Süd"});
    const fs::path archiv = ziel / "export_200404.zip";
    EXPECT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_EQ(e.Aus, archiv.string() + "\n");
    EXPECT_EQ(Mitglied(archiv, "firma.csv"),
              "Id;Firma;Vorname;Nachname;Kurzbezeichnung;Stra\xDF" "e;PLZ;Ort;Land;Waehrung;KassaId;Kassabezeichnung\r\n"
              "7;;;;;;;;Deutschland;EUR;3;Nebenkasse S\xFC" "d\r\n");
    const std::string buchungen = Mitglied(archiv, "buchungen.csv");
    EXPECT_EQ(buchungen.substr(buchungen.rfind("\r\n", buchungen.size() - 3) + 2),
              "7;5;3;0;2004-04-01;Verkauf;;9;0;EUR;7;DE\r\n");
    EXPECT_EQ(Lies(m_ordner.Pfad() / "export.xml"), m_exportXml);
}

TEST_F(CliExport, MissingFolderFailsWithTheSystemTextAndCreatesNothing)
{
    const fs::path fehlt = m_ordner.Pfad() / "fehlt";
    const auto dateien = [&] {
        std::size_t n = 0;
        for (const auto& eintrag : fs::recursive_directory_iterator(m_ordner.Pfad()))
            n += eintrag.path().filename() != "stdout.txt" && eintrag.path().filename() != "stderr.txt";
        return n;
    };
    const std::size_t vorher = dateien();
    const CliErgebnis e = Cli({"export", m_kasse, "--month", "2004-03", "--to", fehlt.string()});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "");
    EXPECT_EQ(e.Fehler, std::string(std::strerror(ENOENT)) + "\nEs ist ein Fehler beim Exportieren aufgetreten\n");
    EXPECT_EQ(dateien(), vorher);
    EXPECT_EQ(Lies(m_ordner.Pfad() / "export.xml"), m_exportXml);
}

TEST_F(CliExport, MonthIsRequiredAndChecked)
{
    for (const std::vector<std::string>& argumente : {std::vector<std::string>{"export", m_kasse},
                                                      {"export", m_kasse, "--month", "2004-13"},
                                                      {"export", m_kasse, "--month", "2004-03", "--client", "-1"}}) {
        const CliErgebnis e = Cli(argumente);
        EXPECT_EQ(e.Status, 1) << argumente.back();
        EXPECT_EQ(e.Aus, "");
        EXPECT_NE(e.Fehler.find("--"), std::string::npos) << e.Fehler;
    }
    EXPECT_EQ(Cli({"export", m_kasse}).Fehler, "Die Option --month fehlt.\n");
    EXPECT_TRUE(fs::is_empty(m_ordner.Pfad() / "Data" / "Export"));
}

TEST_F(CliExport, DatevWritesTheMonthsBatchOrRefusesWithStatusOne)
{
    const fs::path ziel = m_ordner.Pfad() / "stb";
    fs::create_directories(ziel);
    const std::vector<std::string> lauf = {"datev", m_kasse, "--month", "2004-03", "--to", ziel.string()};
    CliErgebnis e = Cli(lauf);
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "");
    EXPECT_NE(e.Fehler.find("Der DATEV-Buchungsstapel wurde nicht geschrieben:\n- Die Beraternummer fehlt"),
              std::string::npos) << e.Fehler;
    EXPECT_NE(e.Fehler.find("- Die Mandantennummer fehlt"), std::string::npos) << e.Fehler;
    EXPECT_TRUE(fs::is_empty(ziel));

    std::vector<std::string> falsch = lauf;
    falsch.insert(falsch.end(), {"--skr", "05"});
    e = Cli(falsch);
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler, "Die Option --skr nimmt 03 oder 04.\n");

    std::vector<std::string> richtig = lauf;
    richtig.insert(richtig.end(), {"--berater", "1001", "--mandant", "7", "--skr", "03"});
    e = Cli(richtig);
    const fs::path datei = ziel / "EXTF_Buchungsstapel_export_200403.csv";
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_EQ(e.Aus, datei.string() + "\n");
    const std::string bytes = Lies(datei);
    const std::string rest = std::string(100, ';') + "0" + std::string(11, ';') + "\r\n";
    EXPECT_NE(bytes.find("\"Kuvex\";\"\";1001;7;20040101;4;20040301;20040331;\"Kassenbuch 03/2004\";\"\";1;0;0;\"EUR\";;\"\";;;"
                         "\"03\";;;\"\";\"\"\r\nUmsatz (ohne Soll/Haben-Kz);"),
              std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.find("\r\n", bytes.find("\r\n") + 2) + 2),
              "2,50;\"H\";;;;;1000;4910;\"7\";0703;\"1\";;;\"Porto, Marken; \"\"Sonder\"\"\"" + rest
                  + "100,00;\"S\";;;;;1000;8400;;0803;\"2\";;;\"Verkauf, Teil 1\"" + rest
                  + "5,50;\"H\";;;;;1000;4910;\"8\";0803;\"2\";;;\"Porto\"" + rest);
    EXPECT_EQ(Lies(m_ordner.Pfad() / "export.xml"), m_exportXml);
}

TEST_F(CliExport, DatevLocksTheRowsOfClosedDaysOnlyWhenBookingsAreLocked)
{
    ASSERT_EQ(Cli({"add", m_kasse, "--date", "2004-03-01", "--text", "Anfangsbestand", "--amount", "100"}).Status, 0);
    const fs::path ziel = m_ordner.Pfad() / "stb";
    fs::create_directories(ziel);
    const auto flags = [&] {
        EXPECT_EQ(Cli({"datev", m_kasse, "--month", "2004-03", "--to", ziel.string(), "--berater", "1001",
                       "--mandant", "7"}).Status, 0);
        const std::string bytes = Lies(ziel / "EXTF_Buchungsstapel_export_200403.csv");
        std::string f;
        for (std::size_t z = bytes.find("\r\n", bytes.find("\r\n") + 2) + 2; z < bytes.size();
             z = bytes.find("\r\n", z) + 2)
            f += bytes[bytes.find("\r\n", z) - 12];
        return f;
    };
    // Closes without locked bookings lock nothing.
    ASSERT_EQ(Cli({"close", m_kasse, "--day", "2004-03-01", "--counted", "100"}).Status, 0);
    EXPECT_EQ(flags(), "0000");
    ASSERT_EQ(Cli({"gobd", m_kasse}).Status, 0);
    ASSERT_EQ(Cli({"close", m_kasse, "--day", "2004-03-07", "--counted", "97,50"}).Status, 0);
    EXPECT_EQ(flags(), "1100");
}
