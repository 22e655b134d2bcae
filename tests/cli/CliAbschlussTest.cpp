// kuvex-cli close and closes: the count sheet's figures, the difference
// booked, every refusal in German with the file left byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliProgrammOrdner.h"
#include "cli/CStderrMessages.h"
#include "storage/CKassenbuch.h"

namespace {

std::string Lies(const std::string& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliAbschluss : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_kasse = m_ordner.Datei("kasse.kbx");
        ASSERT_EQ(Cli({"new", m_kasse}).Status, 0);
        ASSERT_EQ(Cli({"add", m_kasse, "--date", "2024-03-07", "--text", "Anfangsbestand", "--amount", "100"}).Status, 0);
        ASSERT_EQ(Cli({"add", m_kasse, "--date", "2024-03-07", "--text", "Porto", "--amount", "2,50"}).Status, 0);
    }
    CliErgebnis Cli(const std::vector<std::string>& a) { return m_ordner.ImProzess(a); }

    CliProgrammOrdner m_ordner;
    std::string m_kasse;
};

} // namespace

TEST_F(CliAbschluss, ClosesBookTheDifferenceAndAreListed)
{
    CliErgebnis e = Cli({"close", m_kasse, "--day", "2024-03-07", "--count", "50=2,0,50=4,0.01=3"});
    EXPECT_EQ(e.Fehler, "");
    EXPECT_EQ(e.Aus, "Kassenabschluss vom 07.03.2024\n50,00\t2\t100,00\n0,50\t4\t2,00\n0,01\t3\t0,03\n"
                     "Gezählter Bestand\t102,03\nKassenbestand laut Kassenbuch\t97,50\nDifferenz\t4,53\n"
                     "Buchung der Differenz\tNr. 3\n");
    const std::string pdf = m_ordner.Datei("blatt.pdf");
    e = Cli({"close", m_kasse, "--day", "2024-03-08", "--counted", "100", "--pdf", pdf});
    EXPECT_EQ(e.Aus, "Kassenabschluss vom 08.03.2024\nGezählter Bestand\t100,00\n"
                     "Kassenbestand laut Kassenbuch\t102,03\nDifferenz\t-2,03\nBuchung der Differenz\tNr. 4\n");
    EXPECT_EQ(Lies(pdf).substr(0, 5), "%PDF-");
    EXPECT_EQ(Cli({"close", m_kasse, "--day", "2024-03-09", "--counted", "100"}).Aus.substr(31),
              "Gezählter Bestand\t100,00\nKassenbestand laut Kassenbuch\t100,00\nDifferenz\t0,00\n"
              "Buchung der Differenz\tkeine\n");

    EXPECT_EQ(Cli({"list", m_kasse, "--month", "2024-03"}).Aus,
              "Tag\tBezeichnung\tNotiz\tRG-Nr.\tEinnahmen\tAusgaben\tWrg.\tUSt/%\n"
              "7\tAnfangsbestand\t\t\t100,00\t0,00\tEUR\t16,00\n"
              "7\tPorto\t\t\t0,00\t2,50\tEUR\t16,00\n"
              "7\tKassendifferenz\t\t\t4,53\t0,00\tEUR\t16,00\n"
              "8\tKassendifferenz\t\t\t0,00\t2,03\tEUR\t16,00\n");
    EXPECT_EQ(Cli({"closes", m_kasse, "--month", "2024-03"}).Aus,
              "Datum\tGezählt\tKassenbestand\tDifferenz\tBuchung\tProtokoll\n"
              "07.03.2024\t102,03\t97,50\t4,53\tNr. 3\t\n"
              "08.03.2024\t100,00\t102,03\t-2,03\tNr. 4\t\n"
              "09.03.2024\t100,00\t100,00\t0,00\tkeine\t\n");
}

TEST_F(CliAbschluss, BadInputIsRefusedAndNothingIsWritten)
{
    ASSERT_EQ(Cli({"close", m_kasse, "--day", "2024-03-06", "--counted", "0"}).Status, 0);
    const std::string vorher = Lies(m_kasse);
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"--day", "2024-03-07", "--count", "50=1.5"}, "Die Anzahl bei 50,00 muss eine ganze Zahl von 0 bis 9.999.999 sein, nicht \"1.5\"."},
        {{"--day", "2024-03-07", "--count", "50=-1"}, "Die Anzahl bei 50,00 muss eine ganze Zahl von 0 bis 9.999.999 sein, nicht \"-1\"."},
        {{"--day", "2024-03-07", "--count", "3=1"}, "Unbekannter Nennwert für EUR: 3"},
        {{"--day", "2024-03-07", "--count", "50=1,50=2"}, "Der Nennwert 50,00 ist mehrfach angegeben."},
        {{"--day", "2024-03-07", "--count", "50"}, "Die Option --count erwartet Paare NENNWERT=ANZAHL, getrennt durch Kommas (z. B. 50=2,20=3,0.50=4), nicht \"50\"."},
        {{"--day", "2024-03-07", "--count", "50=1", "--counted", "5"}, "Geben Sie genau eine der Optionen --count oder --counted an."},
        {{"--day", "2099-03-07", "--counted", "5"}, "Der 07.03.2099 liegt in der Zukunft und kann noch nicht abgeschlossen werden."},
        {{"--day", "2024-03-05", "--counted", "5"}, "Die Kasse ist bereits bis einschließlich 06.03.2024 abgeschlossen."},
        {{"--day", "2024-03-07", "--counted", "-5"}, "Der gezählte Betrag muss zwischen 0,00 und 999.999.999,99 liegen."},
    };
    for (const auto& [optionen, fehler] : faelle) {
        std::vector<std::string> a = {"close", m_kasse};
        a.insert(a.end(), optionen.begin(), optionen.end());
        const CliErgebnis e = Cli(a);
        EXPECT_EQ(e.Status, 1) << fehler;
        EXPECT_EQ(e.Aus, "");
        EXPECT_EQ(e.Fehler, fehler + "\n");
        EXPECT_EQ(Lies(m_kasse), vorher) << fehler;
    }
}

TEST_F(CliAbschluss, FixedBookingsLogTheCloseAndLockTheDay)
{
    {
        CStderrMessages meldungen;
        CKassenbuch kasse(meldungen);
        ASSERT_TRUE(kasse.Open(m_kasse));
        kasse.SchalteGoBDEin();
        ASSERT_TRUE(kasse.Save());
    }
    const CliErgebnis e = Cli({"close", m_kasse, "--day", "2024-03-07", "--counted", "97,50"});
    ASSERT_EQ(e.Status, 0) << e.Fehler;
    const std::string protokoll = e.Aus.substr(e.Aus.find("Protokoll\tNr. 3 \xC2\xB7 "));
    EXPECT_EQ(protokoll.size(), std::string("Protokoll\tNr. 3 \xC2\xB7 0123456789abcdef\n").size());
    EXPECT_NE(Cli({"closes", m_kasse, "--month", "2024-03"}).Aus.find("\tkeine\t" + protokoll.substr(10)),
              std::string::npos);

    const std::string vorher = Lies(m_kasse);
    const std::string gesperrt = "Die Kasse ist bis einschließlich 07.03.2024 abgeschlossen. Buchungen an diesem "
                                 "oder einem früheren Tag können nicht mehr erfasst, korrigiert oder storniert werden.";
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"add", m_kasse, "--date", "2024-03-07", "--text", "Verkauf", "--amount", "1"}, gesperrt},
        {{"add", m_kasse, "--date", "2024-03-08", "--text", "Porto", "--amount", "100"},
         "Der Kassenbestand wäre am Ende des 08.03.2024 negativ (-2,50). Eine Kasse kann nicht weniger als nichts "
         "enthalten: buchen Sie zuerst die fehlenden Einnahmen."},
        {{"delete", m_kasse, "--index", "0"}, gesperrt},
        {{"delete", m_kasse, "--index", "1", "--date", "2024-03-08"}, gesperrt},
    };
    for (const auto& [a, fehler] : faelle) {
        EXPECT_EQ(Cli(a).Fehler, fehler + "\n");
        EXPECT_EQ(Lies(m_kasse), vorher);
    }
}
