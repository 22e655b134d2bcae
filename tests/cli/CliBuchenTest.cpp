// kuvex-cli's commands run in-process: new, add, list, totals and delete on
// a cash book in a throw-away program folder, every byte of the output
// checked.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliProgrammOrdner.h"

namespace {

const std::string kKopf = "Tag\tBezeichnung\tNotiz\tRG-Nr.\tEinnahmen\tAusgaben\tWrg.\tUSt/%\n";

void ErwarteErfolg(const CliErgebnis& e, const std::string& aus = std::string())
{
    EXPECT_EQ(e.Status, 0) << e.Fehler;
    EXPECT_EQ(e.Aus, aus);
    EXPECT_EQ(e.Fehler, "");
}

void ErwarteFehler(const CliErgebnis& e, const std::string& fehler, int status = 1)
{
    EXPECT_EQ(e.Status, status);
    EXPECT_EQ(e.Aus, "");
    EXPECT_EQ(e.Fehler, fehler);
}

class CliBuchen : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_kasse = m_ordner.Datei("kasse.kbx");
        ErwarteErfolg(Cli({"new", m_kasse}));
    }
    CliErgebnis Cli(const std::vector<std::string>& a) { return m_ordner.ImProzess(a); }

    void BucheMaerz()
    {
        ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-03-07", "--text", "Anfangsbestand",
                           "--amount", "1.000,00"}));
        ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-03-07", "--text", "Porto", "--amount",
                           "2,50", "--note", "Briefmarken für März", "--invoice", "R-1"}));
        ErwarteErfolg(Cli({"add", m_kasse, "--date=2004-03-05", "--text=Verkauf", "--amount=119",
                           "--vat", "200"}));
        ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-03-08", "--split", "Verkauf=100=Teil 1",
                           "--split", "Porto=5,5", "--note", "Markt"}));
        ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-04-01", "--text", "Betriebsbedarf",
                           "--amount", "10"}));
    }

    CliProgrammOrdner m_ordner;
    std::string m_kasse;
};

} // namespace

TEST_F(CliBuchen, NewCashBookListsOnlyTheHeader)
{
    ErwarteErfolg(Cli({"list", m_kasse, "--month", "2004-03"}), kKopf);
    ErwarteErfolg(Cli({"totals", m_kasse, "--day", "2004-02-29"}),
                  "Übertrag\t0,00\nEinnahmen\t0,00\nAusgaben\t0,00\nKassenbestand\t0,00\n");
    // An existing file is kept unless --force is given.
    ErwarteFehler(Cli({"new", m_kasse}), "Die Datei " + m_kasse
                                             + " existiert bereits. Mit --force wird sie überschrieben.\n");
    ErwarteErfolg(Cli({"new", m_kasse, "--force"}));
    // Opening made the program's backup copies in its own backup folder.
    EXPECT_TRUE(std::filesystem::exists(m_ordner.Pfad() / "Backup" / "kasse.daily.bak"));
    EXPECT_TRUE(std::filesystem::exists(m_ordner.Pfad() / "Backup" / "kasse.weekly.bak"));
}

TEST_F(CliBuchen, MonthAndDayListsInDateOrderWithTheirColumns)
{
    BucheMaerz();
    ErwarteErfolg(Cli({"list", m_kasse, "--month", "2004-03"}),
                  kKopf + "5\tVerkauf\t\t\t119,00\t0,00\tEUR\t7,00\n"
                          "7\tAnfangsbestand\t\t\t1.000,00\t0,00\tEUR\t16,00\n"
                          "7\tPorto\tBriefmarken für März\tR-1\t0,00\t2,50\tEUR\t16,00\n"
                          "8\tAufteilung\tMarkt\t\t100,00\t5,50\tEUR\t\n");
    ErwarteErfolg(Cli({"list", m_kasse, "--day", "2004-03-07"}),
                  kKopf + "7\tAnfangsbestand\t\t\t1.000,00\t0,00\tEUR\t16,00\n"
                          "7\tPorto\tBriefmarken für März\tR-1\t0,00\t2,50\tEUR\t16,00\n");
    ErwarteErfolg(Cli({"list", m_kasse, "--day", "2004-03-06"}), kKopf);
    ErwarteErfolg(Cli({"list", m_kasse, "--month", "2004-04"}),
                  kKopf + "1\tBetriebsbedarf\t\t\t0,00\t10,00\tEUR\t7,00\n");
}

TEST_F(CliBuchen, TotalsOfMonthAndDay)
{
    BucheMaerz();
    ErwarteErfolg(Cli({"totals", m_kasse, "--month", "2004-03"}),
                  "Übertrag\t0,00\nEinnahmen\t1.219,00\nAusgaben\t8,00\nKassenbestand\t1.211,00\n");
    ErwarteErfolg(Cli({"totals", m_kasse, "--day", "2004-03-08"}),
                  "Übertrag\t1.116,50\nEinnahmen\t100,00\nAusgaben\t5,50\nKassenbestand\t1.211,00\n");
    ErwarteErfolg(Cli({"totals", m_kasse, "--month", "2004-04"}),
                  "Übertrag\t1.211,00\nEinnahmen\t0,00\nAusgaben\t10,00\nKassenbestand\t1.201,00\n");
    // The till runs dry: a payment beyond the balance shows as a negative amount.
    ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-04-02", "--text", "Privatentnahme",
                       "--amount", "1.201,01"}));
    ErwarteErfolg(Cli({"totals", m_kasse, "--day", "2004-04-02"}),
                  "Übertrag\t1.201,00\nEinnahmen\t0,00\nAusgaben\t1.201,01\nKassenbestand\t-0,01\n");
}

TEST_F(CliBuchen, DeleteRenumbersTheLaterBookings)
{
    BucheMaerz();
    ErwarteErfolg(Cli({"delete", m_kasse, "--index", "0"})); // the opening balance
    // The former booking 1 (Porto) is now booking 0.
    ErwarteErfolg(Cli({"delete", m_kasse, "--index", "0"}));
    ErwarteErfolg(Cli({"list", m_kasse, "--day", "2004-03-07"}), kKopf);
    // Three are left (0 ... 2); 3 is no booking any more.
    ErwarteFehler(Cli({"delete", m_kasse, "--index", "3"}), "GetItem: Index ungültig\n");
    ErwarteErfolg(Cli({"delete", m_kasse, "--index", "2"}));
    ErwarteErfolg(Cli({"list", m_kasse, "--month", "2004-04"}), kKopf);
    ErwarteErfolg(Cli({"totals", m_kasse, "--month", "2004-03"}),
                  "Übertrag\t0,00\nEinnahmen\t219,00\nAusgaben\t5,50\nKassenbestand\t213,50\n");
    // With the opening balance gone, it may be booked again.
    ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-03-01", "--text", "Anfangsbestand",
                       "--amount", "50"}));
}

TEST_F(CliBuchen, EntryRulesAreTheEntryGrids)
{
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-31", "--text", "Porto", "--amount", "1"}),
                  "Geben Sie einen gültigen Tag ein!\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2005-02-29", "--text", "Porto", "--amount", "1"}),
                  "Geben Sie einen gültigen Tag ein!\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--text", "Porto", "--amount", "0,00"}),
                  "Geben Sie einen Betrag ein!\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--text", "", "--amount", "1"}),
                  "Geben Sie einen Belegtext ein!\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--split", "Verkauf=1",
                       "--split", "Porto=0"}),
                  "Geben Sie einen Betrag ein!\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--text", "Pörto", "--amount", "1"}),
                  "Unbekannter Belegtext: \"Pörto\"\n");
    ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-02-29", "--text", "Anfangsbestand",
                       "--amount", "1"}));
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--text", "Anfangsbestand",
                       "--amount", "1"}),
                  "Der Belegtext \"Anfangsbestand\" steht nicht zur Auswahl.\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--text", "Porto", "--amount", "1",
                       "--vat", "300"}),
                  "Unbekannter Steuersatz: 300\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--text", "Porto", "--amount", "1",
                       "--split", "Porto=1"}),
                  "--split kann nicht zusammen mit --text oder --amount stehen.\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "30.04.2004", "--text", "Porto", "--amount", "1"}),
                  "Ungültiger Wert für --date: 30.04.2004\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-04-30", "--text", "Porto", "--amount", "abc"}),
                  "Ungültiger Wert für --amount: abc\n");
    // Nothing of it reached the file.
    ErwarteErfolg(Cli({"list", m_kasse, "--month", "2004-04"}), kKopf);
}

TEST_F(CliBuchen, TextsRoundTripThroughWindows1252)
{
    // Every letter Windows-1252 has beyond ASCII survives the trip into the
    // file and back, including its 0x80 ... 0x9F extras.
    const std::string notiz = "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ äöüßÄÖÜ ¡¿ÿ";
    ErwarteErfolg(Cli({"add", m_kasse, "--date", "2004-05-03", "--text", "Verkauf", "--amount",
                       "1", "--note", notiz, "--invoice", "Nr. ½"}));
    ErwarteErfolg(Cli({"list", m_kasse, "--day", "2004-05-03"}),
                  kKopf + "3\tVerkauf\t" + notiz + "\tNr. ½\t1,00\t0,00\tEUR\t7,00\n");
    // What Windows-1252 cannot hold is refused, never mangled.
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-05-03", "--text", "Verkauf", "--amount",
                       "1", "--note", "Łódź"}),
                  "Der Text für --note enthält Zeichen, die Kuvex nicht speichern kann: ?ód?\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-05-03", "--text", "Verkauf", "--amount",
                       "1", "--note", std::string("kaputt \xC3", 8)}),
                  "Der Text für --note enthält Zeichen, die Kuvex nicht speichern kann: kaputt ?\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-05-03", "--text", "Verkauf", "--amount",
                       "1", "--note", "\xC0\xAF"}), // an overlong "/" is one broken character
                  "Der Text für --note enthält Zeichen, die Kuvex nicht speichern kann: ?\n");
    ErwarteFehler(Cli({"add", m_kasse, "--date", "2004-05-03", "--text", "Verkauf", "--amount",
                       "1", "--note", "zwei\tSpalten"}),
                  "Der Text für --note enthält Steuerzeichen.\n");
}
