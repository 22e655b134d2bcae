// kuvex-cli's report and overview: the overview's lines byte for byte and
// the refusals (a written PDF is read back by bericht_pdf.sh).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "CliProgrammOrdner.h"

namespace fs = std::filesystem;

namespace {

std::string Inhalt(const std::string& pfad)
{
    std::ifstream in(pfad, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CliBericht : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_kasse = m_ordner.Datei("kasse.kbx");
        Erfolg(Cli({"new", m_kasse}));
        Erfolg(Cli({"add", m_kasse, "--date", "2004-01-31", "--text", "Anfangsbestand", "--amount", "10"}));
        Erfolg(Cli({"add", m_kasse, "--date", "2004-02-02", "--text", "Verkauf", "--amount", "1.234,5"}));
        Erfolg(Cli({"add", m_kasse, "--date", "2004-02-02", "--text", "Porto", "--amount", "4,5"}));
        Erfolg(Cli({"add", m_kasse, "--date", "2004-02-29", "--text", "Privatentnahme", "--amount", "2.000"}));
        Erfolg(Cli({"add", m_kasse, "--date", "2004-03-01", "--text", "Verkauf", "--amount", "99"}));
    }
    CliErgebnis Cli(const std::vector<std::string>& a) { return m_ordner.ImProzess(a); }
    static void Erfolg(const CliErgebnis& e, const std::string& aus = std::string())
    {
        EXPECT_EQ(e.Status, 0) << e.Fehler;
        EXPECT_EQ(e.Aus, aus);
        EXPECT_EQ(e.Fehler, "");
    }

    CliProgrammOrdner m_ordner;
    std::string m_kasse;
};

} // namespace

TEST_F(CliBericht, OverviewPrintsTheGridsCells)
{
    std::string erwartet = "KW\tTag\tEinnahmen\tAusgaben\tKassenbestand\n"
                           "KW 5\tSo, 01.\t\t\t10,00\n"
                           "KW 6\tMo, 02.\t1.234,50\t4,50\t1.240,00\n";
    // Mondays 9, 16 and 23 start weeks 7 to 9; every other day carries the balance on.
    const char* tage[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int d = 3; d <= 28; ++d) {
        const int w = (d - 2) % 7;
        char zeile[64];
        std::snprintf(zeile, sizeof zeile, "%s\t%s, %02d.\t\t\t1.240,00\n",
                      w == 0 ? ("KW " + std::to_string(6 + (d - 2) / 7)).c_str() : "", tage[w], d);
        erwartet += zeile;
    }
    erwartet += "\tSo, 29.\t\t2.000,00\t-760,00\n";
    Erfolg(Cli({"overview", m_kasse, "--month", "2004-02"}), erwartet);
}

TEST_F(CliBericht, RefusalsNameTheProblemAndWriteNothing)
{
    const std::string pdf = m_ordner.Datei("aus.pdf");
    const std::string vorher = Inhalt(m_kasse);
    struct Fall {
        std::vector<std::string> argumente;
        const char* fehler;
    };
    const Fall faelle[] = {
        {{"overview", m_kasse}, "Die Option --month fehlt.\n"},
        {{"overview", m_kasse, "--month", "2004-13"}, "Ungültiger Wert für --month: 2004-13\n"},
        {{"overview", m_kasse, "--day", "2004-02-01"}, "Unbekannte Option: --day\n"},
        {{"report", m_kasse, "--month", "2004-02", "--pdf", pdf},
         "Geben Sie genau eine der Optionen --cash oder --stats an.\n"},
        {{"report", m_kasse, "--cash", "--stats", "--month", "2004-02", "--pdf", pdf},
         "Geben Sie genau eine der Optionen --cash oder --stats an.\n"},
        {{"report", m_kasse, "--cash", "--pdf", pdf}, "Geben Sie genau eine der Optionen --day oder --month an.\n"},
        {{"report", m_kasse, "--cash", "--day", "2004-02-30", "--pdf", pdf},
         "Ungültiger Wert für --day: 2004-02-30\n"},
        {{"report", m_kasse, "--cash", "--month", "2004-02"}, "Die Option --pdf fehlt.\n"},
        {{"report", m_kasse, "--stats", "--day", "2004-02-02", "--pdf", pdf},
         "Die Statistik gilt für einen Monat: geben Sie --month an, nicht --day.\n"},
        {{"report", m_kasse, "--stats", "--pdf", pdf}, "Die Option --month fehlt.\n"},
        {{"report", m_ordner.Datei("fehlt.kbx"), "--stats", "--month", "2004-02", "--pdf", pdf},
         nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.argumente[0] + " " + (f.argumente.size() > 2 ? f.argumente[2] : ""));
        const CliErgebnis e = Cli(f.argumente);
        EXPECT_EQ(e.Status, 1);
        EXPECT_EQ(e.Aus, "");
        if (f.fehler)
            EXPECT_EQ(e.Fehler, f.fehler);
        else
            EXPECT_FALSE(e.Fehler.empty());
        EXPECT_FALSE(fs::exists(pdf));
    }
    EXPECT_EQ(Inhalt(m_kasse), vorher);
}

TEST_F(CliBericht, AnUnwritablePdfIsRefusedWithTheSystemsReason)
{
    const std::string pdf = m_ordner.Datei("gibt/es/nicht.pdf");
    const CliErgebnis e = m_ordner.Starte({"report", m_kasse, "--cash", "--day", "2004-02-02", "--pdf", pdf});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "");
    EXPECT_EQ(e.Fehler.rfind("Die Datei " + pdf + " konnte nicht geschrieben werden: ", 0), 0u) << e.Fehler;
}
