// The booking list's period query and row texts: which bookings a day or a
// month lists, their order, and the eight column texts byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include <unistd.h>

#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CSteuersaetze.h"

namespace {

int Buche(CBuchungen& j, CDatum datum, std::int64_t ein = 10000, std::int64_t aus = 0)
{
    const int i = j.AddItem();
    j.GetItem(i).Datum = datum;
    const int z = j.AddLine(i);
    j.GetItem(i, z).Einnahme = CBetrag(ein);
    j.GetItem(i, z).Ausgabe = CBetrag(aus);
    return i;
}

std::vector<int> Liste(const CBuchungen& j, const CPeriode& p)
{
    CBuchungsAbfrage abfrage;
    return abfrage.Abfragen(j, p);
}

// A VAT table with 16 % under id 100 and 7 % under id 200.
class EngineZeilen : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pfad = std::filesystem::temp_directory_path()
                 / ("kuvex-engine-ust-" + std::to_string(::getpid()) + ".xml");
        std::ofstream(m_pfad) << "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Steuersaetze>"
            "<Steuersatz><Bezeichnung>voll</Bezeichnung><Prozentsatz><Id>100</Id>"
            "<Prozent>16,0000</Prozent></Prozentsatz></Steuersatz>"
            "<Steuersatz><Bezeichnung>halb</Bezeichnung><Prozentsatz><Id>200</Id>"
            "<Prozent>7,0000</Prozent></Prozentsatz></Steuersatz></Steuersaetze>";
        m_ust = std::make_unique<CSteuersaetze>(m_pfad.string());
        ASSERT_TRUE(m_ust->Contains(200));
    }
    void TearDown() override { std::filesystem::remove(m_pfad); }

    std::filesystem::path m_pfad;
    std::unique_ptr<CSteuersaetze> m_ust;
};

} // namespace

TEST(EngineListe, SameDayKeepsJournalOrderWhateverItsPlaceInTheMonth)
{
    CBuchungen j;
    Buche(j, CDatum::FromYMD(2004, 5, 5));  // 0
    Buche(j, CDatum::FromYMD(2004, 5, 3));  // 1
    Buche(j, CDatum::FromYMD(2004, 5, 5));  // 2
    Buche(j, CDatum::FromYMD(2004, 5, 3));  // 3
    Buche(j, CDatum::FromYMD(2004, 6, 3));  // 4, other month
    Buche(j, CDatum::FromYMD(2004, 5, 1));  // 5
    EXPECT_EQ(Liste(j, CPeriode::Monat(2004, 5)), (std::vector<int>{5, 1, 3, 0, 2}));
    EXPECT_EQ(Liste(j, CPeriode::Tag(2004, 5, 5)), (std::vector<int>{0, 2}));
    EXPECT_TRUE(Liste(j, CPeriode::Tag(2004, 5, 4)).empty());
    EXPECT_TRUE(Liste(CBuchungen(), CPeriode::Monat(2004, 5)).empty());
}

TEST(EngineListe, TimeOfDayShowsInItsMonthOnlyAndSortsByTheMoment)
{
    CBuchungen j;
    Buche(j, CDatum::FromLocal(2004, 5, 5, 10, 0, 0)); // 0: never given a day
    Buche(j, CDatum::FromYMD(2004, 5, 5));             // 1
    Buche(j, CDatum::FromLocal(2004, 5, 31, 23, 59, 59)); // 2: last second
    Buche(j, CDatum::FromYMD(2004, 6, 1));             // 3: first second after
    Buche(j, CDatum::FromLocal(2004, 4, 30, 23, 59, 59)); // 4: just before
    EXPECT_EQ(Liste(j, CPeriode::Monat(2004, 5)), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(Liste(j, CPeriode::Tag(2004, 5, 5)), (std::vector<int>{1}));
    EXPECT_TRUE(Liste(j, CPeriode::Tag(2004, 5, 31)).empty());
}

TEST(EngineListe, OneQueryObjectServesSuccessivePeriods)
{
    CBuchungen j;
    for (int d = 28; d >= 1; --d)
        Buche(j, CDatum::FromYMD(2005, 2, d));
    Buche(j, CDatum::FromYMD(2005, 3, 27)); // 28: clock change in Berlin
    CBuchungsAbfrage abfrage;
    const std::vector<int>& feb = abfrage.Abfragen(j, CPeriode::Monat(2005, 2));
    ASSERT_EQ(feb.size(), 28u);
    EXPECT_EQ(feb.front(), 27);
    EXPECT_EQ(feb.back(), 0);
    EXPECT_EQ(abfrage.Abfragen(j, CPeriode::Monat(2005, 3)), (std::vector<int>{28}));
    EXPECT_EQ(abfrage.Abfragen(j, CPeriode::Tag(2005, 3, 27)), (std::vector<int>{28}));
    EXPECT_TRUE(abfrage.Abfragen(j, CPeriode::Monat(2005, 4)).empty());
}

TEST(EngineListe, ColumnHeaders)
{
    const auto& k = CBuchungsAbfrage::Spaltenkoepfe();
    const std::vector<std::string> erwartet = {"Tag", "Bezeichnung", "Notiz", "RG-Nr.",
                                               "Einnahmen", "Ausgaben", "Wrg.", "USt/%"};
    ASSERT_EQ(k.size(), erwartet.size());
    for (std::size_t c = 0; c < k.size(); ++c)
        EXPECT_EQ(k[c], erwartet[c]);
}

TEST_F(EngineZeilen, OrdinaryBooking)
{
    CBuchungen j;
    // Local midnight of 1 July is still 30 June in UTC: the day is local.
    const int i = Buche(j, CDatum::FromYMD(2004, 7, 1), 0, 12345678900);
    j.GetItem(i).Notiz = "Wareneinkauf f\xFCr M\xE4rz";
    j.GetItem(i).RgNr = "R-2004/17";
    j.GetItem(i, 0).Bezeichnung = "Geringwertige Wirtschaftsg\xFCter";
    j.GetItem(i, 0).UStID = 200;
    const auto t = CBuchungsAbfrage::Zeile(j, i, "EUR", m_ust.get());
    EXPECT_EQ(t[0], "1");
    EXPECT_EQ(t[1], "Geringwertige Wirtschaftsg\xFCter");
    EXPECT_EQ(t[2], "Wareneinkauf f\xFCr M\xE4rz");
    EXPECT_EQ(t[3], "R-2004/17");
    EXPECT_EQ(t[4], "0,00");
    EXPECT_EQ(t[5], "1.234.567,89");
    EXPECT_EQ(t[6], "EUR");
    EXPECT_EQ(t[7], "7,00");

    j.GetItem(i, 0).UStID = 999; // a rate that is not in the table
    EXPECT_EQ(CBuchungsAbfrage::Zeile(j, i, "EUR", m_ust.get())[7], "0,00");
    j.GetItem(i, 0).UStID = 100;
    EXPECT_EQ(CBuchungsAbfrage::Zeile(j, i, "CHF", m_ust.get())[7], "16,00");
    EXPECT_EQ(CBuchungsAbfrage::Zeile(j, i, "CHF", nullptr)[7], "0,00");
}

TEST_F(EngineZeilen, SplitBookingSumsAllLinesAndHasNoRate)
{
    CBuchungen j;
    const int i = Buche(j, CDatum::FromYMD(2004, 10, 31), 150000, 5000);
    j.GetItem(i).Aufteilung = true;
    j.GetItem(i, 0).Bezeichnung = "Verkauf";
    j.GetItem(i, 0).UStID = 100;
    const int z = j.AddLine(i);
    j.GetItem(i, z).Einnahme = CBetrag(1);
    j.GetItem(i, z).Ausgabe = CBetrag(20000);
    const auto t = CBuchungsAbfrage::Zeile(j, i, "EUR", m_ust.get());
    EXPECT_EQ(t[0], "31");
    EXPECT_EQ(t[1], "Aufteilung");
    EXPECT_EQ(t[4], "15,00"); // 15,0001 cut, not rounded
    EXPECT_EQ(t[5], "2,50");
    EXPECT_EQ(t[7], "");
}

TEST_F(EngineZeilen, BookingWithoutLinesDoesNotFail)
{
    CBuchungen j;
    const int i = j.AddItem();
    j.GetItem(i).Datum = CDatum::FromYMD(2004, 2, 29);
    auto t = CBuchungsAbfrage::Zeile(j, i, "EUR", m_ust.get());
    EXPECT_EQ(t[0], "29");
    EXPECT_EQ(t[1], "");
    EXPECT_EQ(t[4], "0,00");
    EXPECT_EQ(t[5], "0,00");
    EXPECT_EQ(t[7], "");
    j.GetItem(i).Aufteilung = true;
    t = CBuchungsAbfrage::Zeile(j, i, "EUR", m_ust.get());
    EXPECT_EQ(t[1], "Aufteilung");
    EXPECT_EQ(t[7], "");
}

TEST_F(EngineZeilen, ListingTextsEqualSingleRowTextsForEveryRate)
{
    CBuchungen j;
    const std::int16_t ids[] = {100, 200, 999, -1, 0, 200, 100};
    for (std::int16_t id : ids) {
        const int i = Buche(j, CDatum::FromYMD(2004, 8, 2), 10000, 0);
        j.GetItem(i, 0).UStID = id;
    }
    j.GetItem(5).Aufteilung = true;
    CBuchungsAbfrage abfrage;
    CBuchungsAbfrage::Zeilentexte texte;
    std::vector<std::string> prozente;
    for (int i : abfrage.Abfragen(j, CPeriode::Tag(2004, 8, 2))) {
        abfrage.Zeilentext(j, i, "EUR", m_ust.get(), texte);
        EXPECT_EQ(texte, CBuchungsAbfrage::Zeile(j, i, "EUR", m_ust.get())) << i;
        prozente.push_back(texte[7]);
    }
    EXPECT_EQ(prozente, (std::vector<std::string>{"16,00", "7,00", "0,00", "0,00", "0,00", "", "16,00"}));
    // The same object on another table, or on none, looks the rates up afresh.
    abfrage.Zeilentext(j, 0, "EUR", nullptr, texte);
    EXPECT_EQ(texte[7], "0,00");
}
