// kuvex-cli around the bookings: starting like the program (settings.xml,
// VAT-rate file), cash books that cannot be opened, the lock against a
// second program, the generator, the help and wrong calls.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliProgrammOrdner.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CBuchungsGenerator.h"
#include "core/CKassenSummen.h"
#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"
#include "storage/CKassenbuch.h"

namespace fs = std::filesystem;

namespace {

class StilleMeldungen : public UserMessages {
public:
    Answer Show(const std::string&, Icon, Buttons, const std::string&) override { return Answer::Ok; }
    void ShowSystemError(int) override {}
};

std::string Utf8(const std::string& cp1252)
{
    std::string out;
    for (unsigned char c : cp1252) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else { // the Latin-1 letters of these tests only
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class CliStart : public ::testing::Test {
protected:
    CliErgebnis Cli(const std::vector<std::string>& a) { return m_ordner.Starte(a); }
    CliProgrammOrdner m_ordner;
};

} // namespace

TEST_F(CliStart, MissingSettingsOrVatFileEndsWithStatus2)
{
    const std::string kasse = m_ordner.Datei("k.kbx");
    ASSERT_EQ(Cli({"new", kasse}).Status, 0);

    fs::rename(m_ordner.Pfad() / m_ordner.SteuersatzDatei(), m_ordner.Pfad() / "weg.xml");
    CliErgebnis e = Cli({"totals", kasse, "--month", "2004-01"});
    EXPECT_EQ(e.Status, 2);
    EXPECT_EQ(e.Aus, "");
    EXPECT_EQ(e.Fehler, m_ordner.SteuersatzDatei() + " nicht gefunden. Das Programm wird beendet.\n");

    fs::remove(m_ordner.Pfad() / "settings.xml");
    for (const auto& befehl : {std::vector<std::string>{"totals", kasse, "--month", "2004-01"},
                               std::vector<std::string>{"new", m_ordner.Datei("n.kbx")}}) {
        e = Cli(befehl);
        EXPECT_EQ(e.Status, 2);
        EXPECT_EQ(e.Aus, "");
        EXPECT_EQ(e.Fehler, "Die Einstellungsdatei (settings.xml) wurde nicht gefunden\n");
    }
    EXPECT_FALSE(fs::exists(m_ordner.Datei("n.kbx")));
    // The help needs neither file.
    EXPECT_EQ(Cli({"--help"}).Status, 0);
}

TEST_F(CliStart, CashBookThatCannotBeOpenedPrintsTheOpeningChain)
{
    const std::string fehlt = m_ordner.Datei("fehlt.kbx");
    CliErgebnis e = Cli({"list", fehlt, "--day", "2004-01-01"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "");
    EXPECT_EQ(e.Fehler, "Fehler beim Laden der Datei\n");

    const std::string kein = m_ordner.Datei("kein.kbx");
    std::ofstream(kein) << "kein ZIP-Archiv";
    e = Cli({"totals", kein, "--day", "2004-01-01"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "");
    EXPECT_EQ(e.Fehler, "Unbekannter Fehler\nFehler beim Laden der Datei\n");

    // A damaged member: one byte of the deflated bookings flipped.
    const std::string kasse = m_ordner.Datei("k.kbx");
    ASSERT_EQ(Cli({"new", kasse}).Status, 0);
    ASSERT_EQ(Cli({"generate", kasse, "--count", "100", "--seed", "5"}).Status, 0);
    std::fstream f(kasse, std::ios::in | std::ios::out | std::ios::binary);
    f.seekg(60); // inside the data of the first member "Buchungen.dat"
    char b = 0;
    f.read(&b, 1);
    f.seekp(60);
    b = static_cast<char>(~b);
    f.write(&b, 1);
    f.close();
    e = Cli({"add", kasse, "--date", "2004-01-01", "--text", "Porto", "--amount", "1"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler, "Fehler beim lesen der Buchungen\nFehler beim Laden der Datei\n");
}

TEST_F(CliStart, SecondOpenerIsRefused)
{
    const std::string kasse = m_ordner.Datei("k.kbx");
    ASSERT_EQ(Cli({"new", kasse}).Status, 0);
    StilleMeldungen meldungen;
    CKassenbuch offen(meldungen);
    ASSERT_TRUE(offen.Open(kasse));

    const std::string gesperrt = Utf8(CKassenbuch::kDateiGesperrt) + "\n";
    CliErgebnis e = Cli({"add", kasse, "--date", "2004-01-01", "--text", "Porto", "--amount", "1"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler, gesperrt + "Fehler beim Laden der Datei\n");
    e = Cli({"new", kasse, "--force"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler, gesperrt);

    offen.Close();
    EXPECT_EQ(Cli({"add", kasse, "--date", "2004-01-01", "--text", "Porto", "--amount", "1"}).Status, 0);
}

TEST_F(CliStart, GeneratedBookBehavesLikeTheEngineSays)
{
    const std::string kasse = m_ordner.Datei("gen.kbx");
    ASSERT_EQ(Cli({"new", kasse}).Status, 0);
    CliErgebnis e = Cli({"generate", kasse, "--count", "20000", "--seed", "1"});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_EQ(e.Aus, "");

    // The same run in this process: what was saved and read back must give
    // the same totals and rows.
    CBuchungen j;
    CBuchungsGenerator::GenerateBookings(j, CBelegtexte(), 20000, 1);
    const CKassenSummen s = CKassenSummen::Berechne(j, CPeriode::Monat(2005, 12));
    EXPECT_EQ(Cli({"totals", kasse, "--month", "2005-12"}).Aus,
              Utf8("\xDC" "bertrag\t" + FormatBetrag(s.Uebertrag(), 2, 1) + "\nEinnahmen\t"
                   + FormatBetrag(s.Einnahmen(), 2, 1) + "\nAusgaben\t" + FormatBetrag(s.Ausgaben(), 2, 1)
                   + "\nKassenbestand\t" + FormatBetrag(s.Kassenbestand(), 2, 1) + "\n"));

    const CSteuersaetze ust((m_ordner.Pfad() / m_ordner.SteuersatzDatei()).string());
    CBuchungsAbfrage abfrage;
    std::string liste = "Tag\tBezeichnung\tNotiz\tRG-Nr.\tEinnahmen\tAusgaben\tWrg.\tUSt/%\n";
    for (int i : abfrage.Abfragen(j, CPeriode::Tag(2005, 12, 30))) {
        const auto t = CBuchungsAbfrage::Zeile(j, i, "EUR", &ust);
        for (int c = 0; c < CBuchungsAbfrage::Spalten; ++c)
            liste += Utf8(t[c]) + (c + 1 < CBuchungsAbfrage::Spalten ? "\t" : "\n");
    }
    e = Cli({"list", kasse, "--day", "2005-12-30"});
    EXPECT_EQ(e.Aus, liste);
    EXPECT_NE(e.Aus.find("\tBuchung #19999\t"), std::string::npos);
    // The generator's last day is 30 December.
    EXPECT_EQ(Cli({"list", kasse, "--day", "2005-12-31"}).Aus,
              "Tag\tBezeichnung\tNotiz\tRG-Nr.\tEinnahmen\tAusgaben\tWrg.\tUSt/%\n");

    e = Cli({"generate", kasse, "--count", "0"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler, "Ungültiger Wert für --count: 0\n");
}

TEST_F(CliStart, HelpAndWrongCalls)
{
    CliErgebnis e = Cli({"--help"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus.rfind("kuvex-cli - Kuvex, das Kassenbuch, auf der Kommandozeile\n", 0), 0u);
    EXPECT_NE(e.Aus.find("  totals    zeigt Übertrag, Einnahmen, Ausgaben und Kassenbestand\n"),
              std::string::npos);
    // The version and the folder in use: the test's program folder may be written.
    e = Cli({"--version"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus.substr(0, e.Aus.find('\n')), std::string("kuvex-cli ") + KUVEX_VERSION);
    EXPECT_NE(e.Aus.find("\nDatenordner: /"), std::string::npos);
    for (const char* befehl : {"new", "add", "delete", "list", "totals", "generate"}) {
        e = Cli({befehl, "--help"});
        EXPECT_EQ(e.Status, 0);
        EXPECT_EQ(e.Aus.rfind(std::string("Aufruf: kuvex-cli ") + befehl + " DATEI", 0), 0u) << befehl;
        EXPECT_EQ(e.Fehler, "");
    }

    const std::string kasse = m_ordner.Datei("k.kbx");
    auto fehler = [&](const std::vector<std::string>& a, const std::string& text) {
        const CliErgebnis r = Cli(a);
        EXPECT_EQ(r.Status, 1);
        EXPECT_EQ(r.Aus, "");
        EXPECT_EQ(r.Fehler, text);
    };
    fehler({}, "Es wurde kein Befehl angegeben. Hilfe: kuvex-cli --help\n");
    fehler({"frob", kasse}, "Unbekannter Befehl: frob. Hilfe: kuvex-cli --help\n");
    fehler({"list", kasse, "--month", "2004-01", "--bogus"}, "Unbekannte Option: --bogus\n");
    fehler({"list", "--month", "2004-01"}, "Es wurde keine Datei angegeben.\n");
    fehler({"list", kasse, "zweite.kbx", "--month", "2004-01"}, "Unerwartetes Argument: zweite.kbx\n");
    fehler({"list", kasse, "--month", "2004-01", "--day", "2004-01-01"},
           "Geben Sie genau eine der Optionen --day oder --month an.\n");
    fehler({"list", kasse, "--month", "2004-13"}, "Ungültiger Wert für --month: 2004-13\n");
    fehler({"totals", kasse, "--day", "2005-02-29"}, "Ungültiger Wert für --day: 2005-02-29\n");
    fehler({"delete", kasse, "--index", "-1"}, "Ungültiger Wert für --index: -1\n");
    fehler({"delete", kasse, "--index", "1", "--index", "2"},
           "Die Option --index darf nur einmal angegeben werden.\n");
    fehler({"delete", kasse, "--index"}, "Die Option --index braucht einen Wert.\n");
    EXPECT_FALSE(fs::exists(kasse));
}

TEST_F(CliStart, GenerateRefusesMoreBookingsThanAFileHoldsUpFront)
{
    const std::string kasse = m_ordner.Datei("voll.kbx");
    ASSERT_EQ(Cli({"new", kasse}).Status, 0);
    auto inhalt = [&] {
        std::ifstream in(kasse, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string vorher = inhalt();

    // More than even the smallest bookings could fit: refused unopened.
    CliErgebnis e = Cli({"generate", kasse, "--count", "2855697"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler, "So viele Buchungen fasst keine Kassendatei (höchstens 128 MB, "
                        "also höchstens 2855696 Buchungen).\n");
    // Fewer, but too many for this catalogue's texts: refused by the
    // generator before a booking is made, with the size they would take.
    e = Cli({"generate", kasse, "--count", "2800000"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Fehler.rfind("Die Buchungen wären mit ", 0), 0u) << e.Fehler;
    EXPECT_NE(e.Fehler.find(" Bytes zu groß für eine Kassendatei (höchstens 128 MB). Bitte legen Sie für "
                            "weitere Buchungen eine neue Kasse an.\n"),
              std::string::npos)
        << e.Fehler;
    EXPECT_EQ(inhalt(), vorher);
}
