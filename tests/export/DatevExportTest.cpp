// DATEV's booking batch: the header and the column line against DATEV's
// public expressions, the rows of a month byte for byte, the tax keys,
// the refusals (each leaving no file) and the rounding note.
#include "ExportKasse.h"

#include "export/CDatevExport.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>

#include <regex>

using namespace exportkasse;
namespace fs = std::filesystem;

namespace {

// 100: 16 % Deutschland, 300: 20 % Österreich (ExportKasse.h); 0: no rate.
const char* const kKatalog =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Belege>"
    "<Beleg><Bezeichnung>Verkauf</Bezeichnung><EinAus>1</EinAus><UStID>100</UStID><Konto>8400</Konto></Beleg>"
    "<Beleg><Bezeichnung>B\xFCro; \"A4\"</Bezeichnung><EinAus>-1</EinAus><UStID>100</UStID><Konto>4930</Konto>"
    "</Beleg>"
    "<Beleg><Bezeichnung>Porto</Bezeichnung><EinAus>-1</EinAus><UStID>0</UStID><Konto>4910</Konto></Beleg>"
    "<Beleg><Bezeichnung>Miete</Bezeichnung><EinAus>-1</EinAus><UStID>100</UStID><Konto>4210</Konto><BU>9</BU>"
    "</Beleg>"
    "<Beleg><Bezeichnung>Ohne</Bezeichnung><EinAus>-1</EinAus><UStID>0</UStID></Beleg>"
    "<Beleg><Bezeichnung>Wien</Bezeichnung><EinAus>1</EinAus><UStID>300</UStID><Konto>8400</Konto></Beleg>"
    "</Belege>";

class DatevExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::istringstream in(kKatalog);
        kasse.belegtexte = std::make_unique<CBelegtexte>(in);
        kasse.firma.SetKurzbezeichnung("Kasse Nord");
        kasse.werte.Format = CExportSettings::FormatDatev;
        kasse.werte.Year = 2024;
        kasse.werte.Month = 3;
        kasse.werte.Datev = {3, 29098, 55003, 1, 4, "WD"};
        meldungen.SetOnUnexpected([](const ScriptedUserMessages::Box&) {});
    }
    void Monat()
    {
        kasse.Satz(CDatum::FromYMD(2024, 2, 29), false, "", {Zeile("Verkauf", 10000, 0, 100)});
        const int rechnung = kasse.Satz(CDatum::FromYMD(2024, 3, 5), false, "",
                                        {Zeile("Verkauf", 1190000, 0, 100, "Kasse S\xFC" "d")});
        kasse.journal.GetItem(rechnung).RgNr = "RE 2024/17";
        kasse.Satz(CDatum::FromYMD(2024, 3, 5), true, "Einkauf",
                   {Zeile("B\xFCro; \"A4\"", 0, 238000, 100, std::string(70, 'x').c_str()),
                    Zeile("Porto", 0, 14500, 0)});
        kasse.Satz(CDatum::FromYMD(2024, 3, 8), false, "", {Zeile("Miete", 0, 5000000, 100)});
        kasse.Satz(CDatum::FromYMD(2024, 3, 7), false, "", {Zeile("Verkauf", -100000, 0, 100)});
        kasse.Satz(CDatum::FromYMD(2024, 4, 1), false, "", {Zeile("Verkauf", 10000, 0, 100)});
    }
    CDatevExport Engine(std::optional<CDatum> gesperrt = std::nullopt) const
    {
        CDatevAuftrag a{2024, 3, kasse.werte.Datev, "", "EUR", gesperrt, "20240405120000123"};
        return CDatevExport(kasse.journal, *kasse.belegtexte, kasse.steuersaetze.get(), a);
    }
    bool Lauf() const { return CExporter(kasse.werte, kasse.Daten(), kasse.Ordner(), meldungen).RunExport(); }
    static std::vector<std::string> Zeilen(const std::string& bytes)
    {
        std::vector<std::string> z;
        for (std::size_t a = 0, e; (e = bytes.find("\r\n", a)) != std::string::npos; a = e + 2)
            z.push_back(bytes.substr(a, e - a));
        return z;
    }
    // Fields of a line, quotes kept, ";" inside quotes not splitting.
    static std::vector<std::string> Felder(const std::string& zeile)
    {
        std::vector<std::string> f(1);
        bool innen = false;
        for (const char c : zeile) {
            if (c == '"')
                innen = !innen;
            if (c == ';' && !innen)
                f.emplace_back();
            else
                f.back() += c;
        }
        return f;
    }

    Kasse kasse;
    mutable ScriptedUserMessages meldungen;
};

} // namespace

TEST_F(DatevExport, HeaderAndColumnLineMatchTheDescription)
{
    Monat();
    CDatevExport e = Engine();
    ASSERT_TRUE(e.Baue()) << e.Meldung();
    const std::vector<std::string> z = Zeilen(e.Bytes());
    EXPECT_EQ(z[0], "\"EXTF\";700;21;\"Buchungsstapel\";13;20240405120000123;;\"RE\";\"Kuvex\";\"\";29098;55003;"
                    "20240101;4;20240301;20240331;\"Kassenbuch 03/2024\";\"WD\";1;0;0;\"EUR\";;\"\";;;\"03\";;;"
                    "\"\";\"\"");
    const char* const datum = "20[0-9]{2}(0[1-9]|1[0-2])(0[1-9]|[12][0-9]|3[01])";
    const std::string muster[31] = {
        "\"(EXTF|DTVF)\"", "700", "(16|20|21|46|48|65)",
        "\"(Buchungsstapel|Wiederkehrende Buchungen|Debitoren/Kreditoren|Kontenbeschriftungen|"
        "Zahlungsbedingungen|Diverse Adressen)\"",
        "(2|4|5|13)", std::string(datum) + "(2[0-3]|[01][0-9])[0-5][0-9][0-5][0-9]{4}", "", "\"\\w{0,2}\"",
        "\"\\w{0,25}\"", "\"\\w{0,25}\"", "(\\d{4,6}|\\d{7})", "\\d{1,5}", datum, "[4-8]", datum, datum,
        "\"[\\w./ -]{0,30}\"", "\"([A-Z]{2}){0,2}\"", "[1-2]", "(0|30|40|50|64)", "(0|1)", "\"[A-Z]{3}\"", "",
        "\"\"", "", "", "\"(\\d{2}){0,2}\"", "\\d{0,4}", "", "\"\"", "\".{0,16}\""};
    const std::vector<std::string> kopf = Felder(z[0]);
    ASSERT_EQ(kopf.size(), 31u);
    for (int i = 0; i < 31; ++i)
        EXPECT_TRUE(std::regex_match(kopf[i], std::regex(muster[i]))) << "field " << i + 1 << ": " << kopf[i];

    const std::vector<std::string> spalten = Felder(z[1]);
    ASSERT_EQ(spalten.size(), 125u);
    const std::pair<int, const char*> stichproben[] = {
        {1, "Umsatz (ohne Soll/Haben-Kz)"}, {8, "Gegenkonto (ohne BU-Schl\xFCssel)"}, {21, "Beleginfo - Art 1"},
        {36, "Beleginfo - Inhalt 8"}, {37, "KOST1 - Kostenstelle"}, {49, "Zusatzinformation- Inhalt 1"},
        {86, "Zusatzinformation - Art 20"}, {88, "St\xFC" "ck"}, {114, "Festschreibung"},
        {125, "Abw. Skontokonto"}};
    for (const auto& [nr, name] : stichproben)
        EXPECT_EQ(spalten[nr - 1], name) << nr;
}

TEST_F(DatevExport, MonthGivesOneRowPerLineInListOrder)
{
    Monat();
    CDatevExport e = Engine(CDatum::FromYMD(2024, 3, 5));
    ASSERT_TRUE(e.Baue()) << e.Meldung();
    const auto zeile = [](const std::string& anfang, char fest) {
        return anfang + std::string(100, ';') + fest + std::string(11, ';');
    };
    const std::vector<std::string> z = Zeilen(e.Bytes());
    const std::vector<std::string> erwartet = {
        zeile("119,00;\"S\";;;;;1000;8400;;0503;\"RE_2024/17\";;;\"Verkauf, Kasse S\xFC" "d\"", '1'),
        zeile("23,80;\"H\";;;;;1000;4930;\"7\";0503;\"2\";;;\"B\xFCro; \"\"A4\"\", " + std::string(48, 'x') + "\"",
              '1'),
        zeile("1,45;\"H\";;;;;1000;4910;;0503;\"2\";;;\"Porto, Einkauf\"", '1'),
        zeile("10,00;\"H\";;;;;1000;8400;;0703;\"3\";;;\"Verkauf\"", '0'),
        zeile("500,00;\"H\";;;;;1000;4210;\"9\";0803;\"4\";;;\"Miete\"", '0'),
    };
    ASSERT_EQ(z.size(), 2 + erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_EQ(z[i + 2], erwartet[i]) << i;
    EXPECT_EQ(e.Bytes().substr(e.Bytes().size() - 2), "\r\n");
    EXPECT_EQ(e.Zeilen(), 5);
    EXPECT_EQ(e.Rundungshinweis(), "");
}

TEST_F(DatevExport, TaxKeysFollowRateDirectionAndDate)
{
    const CDatum jetzt = CDatum::FromYMD(2024, 3, 1), senkung = CDatum::FromYMD(2020, 8, 1);
    const struct {
        int prozent;
        bool einnahme;
        CDatum tag;
        const char* schluessel;
    } faelle[] = {{19, true, jetzt, "3"}, {19, false, jetzt, "9"}, {7, true, jetzt, "2"}, {7, false, jetzt, "8"},
                  {16, true, senkung, "3"}, {19, true, senkung, "5"}, {5, false, senkung, "8"},
                  {10, true, jetzt, nullptr}, {5, true, CDatum::FromYMD(2019, 1, 1), nullptr}};
    for (const auto& f : faelle) {
        const auto k = CDatevExport::Steuerschluessel(CBetrag(f.prozent * 10000LL), f.einnahme, f.tag);
        EXPECT_EQ(k ? std::string(*k) : "-", f.schluessel ? f.schluessel : "-") << f.prozent << f.einnahme;
    }
    EXPECT_TRUE(CDatevExport::IstAutomatikkonto("8400", 3));
    EXPECT_TRUE(CDatevExport::IstAutomatikkonto("4400", 4));
    EXPECT_FALSE(CDatevExport::IstAutomatikkonto("4400", 3));
}

TEST_F(DatevExport, RefusalsNameTheFirstProblemsAndWriteNothing)
{
    const struct {
        const char* text;
        std::int16_t ust;
        int berater;
        int mandant;
        int zeilen;
        const char* meldung;
    } faelle[] = {
        {"Ohne", 0, 29098, 55003, 1, "Der Belegtext \"Ohne\" hat kein Konto. Tragen Sie es unter Stammdaten > "
                                     "Belegtexte ein."},
        {"Wien", 300, 29098, 55003, 1,
         "F\xFCr den Steuersatz \"AT\" (20,00 %) gibt es keinen DATEV-Steuerschl\xFCssel."},
        {"Porto", 0, 0, 55003, 1, "Die Beraternummer fehlt"},
        {"Porto", 0, 29098, 0, 1, "Die Mandantennummer fehlt"},
        {"Porto", 0, 29098, 55003, 100000, "Der Monat ergibt 100000 Buchungszeilen; DATEV nimmt h\xF6" "chstens 99.999"},
    };
    for (const auto& f : faelle) {
        kasse.journal.Clear();
        for (int i = 0; i < f.zeilen; ++i)
            kasse.Satz(CDatum::FromYMD(2024, 3, 1), false, "", {Zeile(f.text, 0, 10000, f.ust)});
        kasse.werte.Datev.Beraternummer = f.berater;
        kasse.werte.Datev.Mandantennummer = f.mandant;
        meldungen.Clear();
        EXPECT_FALSE(Lauf()) << f.meldung;
        ASSERT_EQ(meldungen.Count(), 1u);
        EXPECT_EQ(meldungen.Last().text.rfind(std::string(CDatevExport::Abgelehnt) + "\n- " + f.meldung, 0), 0u)
            << meldungen.Last().text;
        EXPECT_EQ(std::distance(fs::directory_iterator(kasse.Ordner()), fs::directory_iterator()), 1)
            << "only the VAT table";
    }
}

TEST_F(DatevExport, SubCentRowsAreRoundedAndTheDifferenceIsTold)
{
    // Three receipts of half a cent give rows of 0,01; a payment of 0,0049
    // gives no row. The month is 0,0101 -> 0,01, the rows 0,03.
    for (int i = 0; i < 3; ++i)
        kasse.Satz(CDatum::FromYMD(2024, 3, 2), false, "", {Zeile("Verkauf", 50, 0, 100)});
    kasse.Satz(CDatum::FromYMD(2024, 3, 3), false, "", {Zeile("Porto", 0, 49, 0)});
    kasse.werte.Mode = CExportSettings::ModePfad;
    kasse.werte.Path = kasse.Ordner().string();
    CExporter lauf(kasse.werte, kasse.Daten(), kasse.Ordner(), meldungen);
    ASSERT_TRUE(lauf.RunExport());
    EXPECT_EQ(lauf.GetArchiveName(), "EXTF_Buchungsstapel_Kasse_Nord_202403.csv");
    EXPECT_EQ(lauf.Hinweis(), "Betr\xE4ge mit Bruchteilen eines Cents wurden je Zeile auf ganze Cent gerundet. Die "
                              "Summe der Zeilen ist deshalb um 0,02 EUR h\xF6her als die gerundete Summe des Monats.");
    std::ifstream in(kasse.Ordner() / lauf.GetArchiveName(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(Zeilen(bytes).size(), 2u + 3u) << "the row of 0,0049 rounds to nothing and is left out";
    EXPECT_EQ(CDatevExport::Cent(-50), -1);
    EXPECT_EQ(CDatevExport::Cent(-49), 0);
    // The largest amounts round without overflowing.
    EXPECT_EQ(CDatevExport::Cent(INT64_MAX), INT64_MAX / 100);
    EXPECT_EQ(CDatevExport::Cent(INT64_MIN + 50), INT64_MIN / 100);
}

TEST_F(DatevExport, TheBatchGoesToTheRemovableMediumLikeTheArchive)
{
    kasse.Satz(CDatum::FromYMD(2024, 3, 2), false, "", {Zeile("Verkauf", 10000, 0, 100)});
    const fs::path medium = kasse.Ordner() / "stick";
    fs::create_directories(medium);
    kasse.werte.Mode = CExportSettings::ModeDiskette;
    CExporter lauf(kasse.werte, kasse.Daten(), kasse.Ordner(), meldungen);
    lauf.SetWechselmedium(medium);
    ASSERT_TRUE(lauf.RunExport());
    EXPECT_TRUE(fs::exists(medium / "EXTF_Buchungsstapel_Kasse_Nord_202403.csv"));
    EXPECT_EQ(meldungen.Count(), 0u);
}
