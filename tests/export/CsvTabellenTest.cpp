// The three export tables byte for byte: header, CR LF after every line,
// Windows-1252 bytes, the quoting rule, the amount, date and id forms, the
// split bookings and the end of the export month.
#include "ExportKasse.h"

#include "core/UserMessages.h"
#include "export/CCsvTable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

using namespace exportkasse;

namespace {

class KeineMeldungen : public UserMessages {
public:
    Answer Show(const std::string& text, Icon, Buttons, const std::string&) override
    {
        ADD_FAILURE() << "unexpected box: " << text;
        return Answer::Ok;
    }
    void ShowSystemError(int code) override { ADD_FAILURE() << "unexpected system error " << code; }
};

enum class Tabelle { Firma, Belegtexte, Buchungen };

std::string Bytes(const Kasse& k, Tabelle t, const CExportDaten& daten)
{
    KeineMeldungen meldungen;
    const CExporter e(k.werte, daten, k.Ordner(), meldungen);
    CCsvTable table;
    switch (t) {
    case Tabelle::Firma: e.FillFirma(table); break;
    case Tabelle::Belegtexte: e.FillBelegtexte(table); break;
    case Tabelle::Buchungen: e.FillBuchungen(table); break;
    }
    std::ostringstream out;
    EXPECT_TRUE(table.Write(out));
    return out.str();
}

const std::string kBuchungenKopf =
    "MandantId;Id;KassenId;VaterId;Datum;BelegtextBez;Notiz;Ein;Aus;WaehrungsKuerzel;MwStSatzProz;MwStSatzLand\r\n";
const std::string kBelegKopf = "MandantId;Id;Bez;EinAus;MwStSatzTypId\r\n";
const std::string kFirmaKopf =
    "Id;Firma;Vorname;Nachname;Kurzbezeichnung;Stra\xDF" "e;PLZ;Ort;Land;Waehrung;KassaId;Kassabezeichnung\r\n";

} // namespace

TEST(CsvTabellen, BuchungenWithSplitsQuotesAmountsAndTheMonthEnd)
{
    Kasse k;
    k.FuelleJournal();
    EXPECT_EQ(Bytes(k, Tabelle::Buchungen, k.Daten()),
              kBuchungenKopf
                  // 23:59:59 on the last day of the month is still in it.
                  + "42;1;3;0;2004-03-31;Verkauf;\"mit ; Semikolon\";100;0;EUR;16;DE\r\n"
                  // The top row sums the lines and has no VAT; the lines
                  // point to it. A line break alone is not quoted.
                  "42;2;3;0;2004-03-05;Aufteilung;\"Markt \"\"Nord\"\"\";12.5;7.6005;EUR;0;\r\n"
                  "42;3;3;2;2004-03-05;Verkauf;;12.5;0;EUR;7.6;CH\r\n"
                  "42;4;3;2;2004-03-05;Porto;\"Zeile1\r\nZeile2\";0;7.6;EUR;20;A\r\n"
                  "42;5;3;2;2004-03-05;Rundung;;0;0.0005;EUR;8;DE\r\n"
                  // April is left out; the ids go on after the split
                  // booking, and one without lines is its top row alone.
                  "42;6;3;0;2004-03-10;Aufteilung;leer;0;0;EUR;0;\r\n"
                  // No lower bound; an unknown VAT id answers 0 and DE.
                  "42;7;3;0;2004-01-15;Bankeinzahlung;;-0.0005;0;EUR;0;DE\r\n");
}

TEST(CsvTabellen, FirstIdsClientAndCashBoxComeFromTheSettings)
{
    Kasse k;
    k.Satz(CDatum::FromYMD(2004, 3, 1), true, "", {Zeile("Porto", 0, 20000, 100)});
    k.Satz(CDatum::FromYMD(2004, 3, 2), false, "", {Zeile("Porto", 0, 300000, 100)});
    k.werte.BuchungFirstId = 500;
    k.werte.MandantId = 0;
    k.werte.KassenNr = 12;
    k.firma.SetWaehrung("CHF");
    EXPECT_EQ(Bytes(k, Tabelle::Buchungen, k.Daten()),
              kBuchungenKopf + "0;500;12;0;2004-03-01;Aufteilung;;0;2;CHF;0;\r\n0;501;12;500;2004-03-01;Porto;;0;2;CHF;16;DE\r\n"
                               "0;502;12;0;2004-03-02;Porto;;0;30;CHF;16;DE\r\n");
}

TEST(CsvTabellen, RecordWithoutLinesStillGoesOutWithItsNote)
{
    Kasse k;
    k.Satz(CDatum::FromYMD(2004, 3, 1), false, "ohne Zeile", {});
    EXPECT_EQ(Bytes(k, Tabelle::Buchungen, k.Daten()), kBuchungenKopf + "42;1;3;0;2004-03-01;;ohne Zeile;0;0;EUR;0;DE\r\n");
}

TEST(CsvTabellen, PeriodEndIsTheLastSecondOfTheMonth)
{
    const int faelle[][3] = {{2004, 2, 29}, {2003, 2, 28}, {2000, 2, 29}, {2004, 4, 30}, {2004, 10, 31}, {2004, 12, 31}};
    for (const auto& f : faelle)
        EXPECT_EQ(CExporter::PeriodEnd(f[0], f[1]), CDatum::FromLocal(f[0], f[1], f[2], 23, 59, 59)) << f[0] << "-" << f[1];
    // Every fourth year, as the program has always counted: 1900 has a
    // 29 February, which mktime turns into 1 March.
    EXPECT_EQ(CExporter::PeriodEnd(1900, 2), CDatum::FromLocal(1900, 3, 1, 23, 59, 59));
}

TEST(CsvTabellen, FebruaryEndsOnThe29thOnlyInALeapYear)
{
    for (const int jahr : {2004, 2003}) {
        Kasse k;
        k.werte.Year = jahr;
        k.werte.Month = 2;
        k.Satz(CDatum::FromLocal(jahr, 2, 28, 23, 59, 59), false, "", {Zeile("Verkauf", 10000, 0, 100)});
        k.Satz(CDatum::FromYMD(jahr, 2, 29), false, "", {Zeile("Verkauf", 20000, 0, 100)}); // 1 March in 2003
        k.Satz(CDatum::FromYMD(jahr, 3, 1), false, "", {Zeile("Verkauf", 30000, 0, 100)});
        const std::string y = std::to_string(jahr);
        std::string erwartet = kBuchungenKopf + "42;1;3;0;" + y + "-02-28;Verkauf;;1;0;EUR;16;DE\r\n";
        if (jahr == 2004)
            erwartet += "42;2;3;0;2004-02-29;Verkauf;;2;0;EUR;16;DE\r\n";
        EXPECT_EQ(Bytes(k, Tabelle::Buchungen, k.Daten()), erwartet) << jahr;
    }
}

TEST(CsvTabellen, BelegtexteAreAllEntriesInCatalogueOrder)
{
    Kasse k;
    k.werte.BelegFirstId = 10;
    EXPECT_EQ(Bytes(k, Tabelle::Belegtexte, k.Daten()),
              kBelegKopf + "42;10;Verkauf;1;100\r\n42;11;\"Alt; \"\"x\"\"\";-1;200\r\n42;12;Anfangsbestand;0;0\r\n");
}

TEST(CsvTabellen, FirmaIsOneRowInWindows1252)
{
    Kasse k;
    EXPECT_EQ(Bytes(k, Tabelle::Firma, k.Daten()),
              kFirmaKopf + "42;\"M\xFCller & S\xF6hne\r\nFiliale\";;;Nord/S\xFC" "d Kasse;Hauptstra\xDF" "e 1;1010;Wien;"
                           "\xD6sterreich;EUR;3;\"Kasse; \"\"Nord\"\"\"\r\n");
}

TEST(CsvTabellen, EmptyCashBookGivesHeadersAndTheCompanyRow)
{
    Kasse k;
    const CExportDaten nichts;
    EXPECT_EQ(Bytes(k, Tabelle::Buchungen, nichts), kBuchungenKopf);
    EXPECT_EQ(Bytes(k, Tabelle::Belegtexte, nichts), kBelegKopf);
    EXPECT_EQ(Bytes(k, Tabelle::Firma, nichts), kFirmaKopf + "42;;;;;;;;;;3;\"Kasse; \"\"Nord\"\"\"\r\n");
    std::istringstream leer(CBelegtexte::LeeresDokument);
    const CBelegtexte keineTexte(leer);
    CExportDaten daten = k.Daten();
    daten.Belegtexte = &keineTexte;
    EXPECT_EQ(Bytes(k, Tabelle::Belegtexte, daten), kBelegKopf);
}

TEST(CsvTabellen, TextFieldsAreQuotedForQuoteSeparatorOrLineBreak)
{
    const struct {
        const char* text;
        char trenner;
        const char* feld;
    } faelle[] = {
        {"", ';', ""},
        {"schlicht", ';', "schlicht"},
        {"a;b", ';', "\"a;b\""},
        {"sagt \"ja\"", ';', "\"sagt \"\"ja\"\"\""},
        {"\"", ';', "\"\"\"\""},
        {"zwei\r\nZeilen", ';', "\"zwei\r\nZeilen\""},
        {"nur\nLF", ';', "\"nur\nLF\""},
        {"nur\rCR", ';', "\"nur\rCR\""},
        {"a,b;c", ',', "\"a,b;c\""},
        {"\x80 5", ';', "\x80 5"},
    };
    for (const auto& f : faelle) {
        std::ostringstream out;
        WriteCsvField(out, f.text, f.trenner);
        EXPECT_EQ(out.str(), f.feld) << f.text;
    }
}

TEST(CsvTabellen, EveryTableReadsBackInPythonWithTheHeadersFieldCountOnEveryRow)
{
    Kasse k;
    k.FuelleJournal();
    const std::filesystem::path datei = k.Ordner() / "tabelle.csv";
    // The field counts of all rows, then the number of rows.
    const std::pair<Tabelle, std::string> faelle[] = {
        {Tabelle::Firma, "{12} 2\n"}, {Tabelle::Belegtexte, "{5} 4\n"}, {Tabelle::Buchungen, "{12} 8\n"}};
    for (const auto& [tabelle, erwartet] : faelle) {
        std::ofstream(datei, std::ios::binary) << Bytes(k, tabelle, k.Daten());
        const std::string befehl = "python3 -c 'import csv, sys; r = list(csv.reader(open(sys.argv[1], "
                                   "encoding=\"cp1252\", newline=\"\"), delimiter=\";\")); "
                                   "print({len(x) for x in r}, len(r))' " + datei.string();
        FILE* python = popen(befehl.c_str(), "r");
        ASSERT_NE(python, nullptr);
        char zeile[64] = {};
        const std::string gelesen(zeile, std::fread(zeile, 1, sizeof zeile - 1, python));
        EXPECT_EQ(pclose(python), 0);
        EXPECT_EQ(gelesen, erwartet) << static_cast<int>(tabelle);
    }
}

TEST(CsvTabellen, DateIsTheLocalCalendarDay)
{
    // Also on the day summer time ends, and a date the C library cannot
    // break down has no text.
    EXPECT_EQ(csv::Datum(CDatum::FromLocal(2004, 10, 31, 23, 59, 59)), "2004-10-31");
    EXPECT_EQ(csv::Datum(CDatum::FromYMD(2004, 3, 28)), "2004-03-28");
    EXPECT_EQ(csv::Datum(CDatum(std::numeric_limits<std::int64_t>::max())), "");
}
