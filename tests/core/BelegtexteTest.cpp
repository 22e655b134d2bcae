// The receipt-text catalogue: default content, field access by position,
// the entry grid's selection list and reading back a saved catalogue.
#include "XmlTestHilfe.h"

#include "core/CBelegtexte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Auswahl(const CBelegtexte& b, int flags)
{
    std::vector<std::string> list;
    b.GetSelectionList(list, flags);
    return list;
}

// A catalogue with no entries, built from the stored empty document.
std::unique_ptr<CBelegtexte> LeererKatalog()
{
    std::istringstream in(CBelegtexte::LeeresDokument);
    auto b = std::make_unique<CBelegtexte>(in);
    EXPECT_TRUE(b->LoadOk());
    EXPECT_EQ(b->GetCount(), 0);
    return b;
}

struct Vorgabe {
    const char* bezeichnung;
    int einAus;
    int ustId;
    bool system;
    bool statistik;
};

TEST(Belegtexte, NewCatalogueHoldsTheDefaultTexts)
{
    const Vorgabe erwartet[] = {
        {"Anfangsbestand", 1, 100, true, false},
        {"Bankeinzahlung", -1, 100, false, false},
        {"Bankauszahlung", 1, 100, false, false},
        {"Betriebsbedarf", -1, 200, false, true},
        {"Geringwertige Wirtschaftsg\xFC" "ter", -1, 200, false, true},
        {"Porto", -1, 100, false, true},
        {"Privatentnahme", -1, 100, false, true},
        {"Verkauf", 1, 200, false, true},
        {"Anlageinvestition", -1, 200, false, true},
    };
    const CBelegtexte b;
    ASSERT_EQ(b.GetCount(), 9);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(b.GetBezeichnung(i), erwartet[i].bezeichnung);
        EXPECT_EQ(b.GetEinAus(i), erwartet[i].einAus);
        EXPECT_EQ(b.GetUStID(i), erwartet[i].ustId);
        EXPECT_EQ(b.IsSystem(i), erwartet[i].system);
        EXPECT_EQ(b.IsStatistik(i), erwartet[i].statistik);
        EXPECT_FALSE(b.IsInaktiv(i));
        // "Info" and "Sort" exist and are empty, so they can be set later.
        const CXmlElement beleg = b.Find(CBelegtexte::EntryPath(i));
        ASSERT_TRUE(b.Find("Info", beleg));
        ASSERT_TRUE(b.Find("Sort", beleg));
        EXPECT_EQ(CXmlDokument::GetText(b.Find("Info", beleg)), "");
        EXPECT_EQ(CXmlDokument::GetText(b.Find("Sort", beleg)), "");
    }
    EXPECT_EQ(b.GetString("Belege/Beleg[3]/EinAus"), "-1");
    EXPECT_EQ(b.FindByBezeichnung("Porto"), 5);
    EXPECT_EQ(b.FindByBezeichnung("porto"), -1);
    EXPECT_EQ(b.FindByBezeichnung(""), -1);
}

TEST(Belegtexte, EntryPathsCarryAnIndexOnlyAfterTheFirst)
{
    EXPECT_EQ(CBelegtexte::EntryPath(0), "Belege/Beleg");
    EXPECT_EQ(CBelegtexte::EntryPath(1), "Belege/Beleg[1]");
    EXPECT_EQ(CBelegtexte::EntryPath(12), "Belege/Beleg[12]");
    CBelegtexte b;
    ASSERT_TRUE(b.SetUStID(3, 201));
    EXPECT_EQ(b.GetString("Belege/Beleg[3]/UStID"), "201");
}

TEST(Belegtexte, MissingEntriesReadDefaultsAndCannotBeSet)
{
    CBelegtexte b;
    const std::string vorher = Gespeichert(b);
    EXPECT_EQ(b.GetBezeichnung(9), "");
    EXPECT_EQ(b.GetEinAus(9), 0);
    EXPECT_FALSE(b.IsSystem(9));
    EXPECT_FALSE(b.SetBezeichnung(9, "x"));
    EXPECT_FALSE(b.SetInaktiv(9, true));
    // A negative index would spell the path of entry 0; it names no entry.
    EXPECT_EQ(b.GetBezeichnung(-1), "");
    EXPECT_FALSE(b.IsSystem(-1));
    EXPECT_FALSE(b.SetBezeichnung(-1, "x"));
    EXPECT_FALSE(b.SetSystem(-1, false));
    EXPECT_FALSE(b.RemoveEntry(-1));
    EXPECT_FALSE(b.RemoveEntry(9));
    EXPECT_EQ(Gespeichert(b), vorher);
}

TEST(Belegtexte, AddEntryAppendsANewText)
{
    CBelegtexte b;
    EXPECT_EQ(b.AddEntry(), 9);
    EXPECT_EQ(b.GetCount(), 10);
    EXPECT_EQ(b.GetBezeichnung(9), "Neue Buchung");
    EXPECT_EQ(b.GetEinAus(9), 1);
    EXPECT_EQ(b.GetUStID(9), 0);
    EXPECT_EQ(b.GetSort(9), 0);
    EXPECT_EQ(b.GetInfo(9), "");
    std::vector<std::string> namen;
    for (CXmlElement c : b.Find(CBelegtexte::EntryPath(9)).children())
        namen.push_back(CXmlDokument::GetName(c));
    EXPECT_EQ(namen, (std::vector<std::string>{"Bezeichnung", "Info", "EinAus", "UStID", "Sort"}));

    CBelegtexte kaputt;
    ASSERT_FALSE(kaputt.LoadStream(std::string("<Belege>")));
    EXPECT_EQ(kaputt.AddEntry(), -1);
    EXPECT_EQ(kaputt.GetCount(), 0);
}

TEST(Belegtexte, RemoveEntryShiftsTheFollowingEntries)
{
    CBelegtexte b;
    ASSERT_TRUE(b.RemoveEntry(0));
    EXPECT_EQ(b.GetCount(), 8);
    EXPECT_EQ(b.GetBezeichnung(0), "Bankeinzahlung");
    EXPECT_EQ(b.FindByBezeichnung("Anfangsbestand"), -1);
    ASSERT_TRUE(b.RemoveEntry(7));
    EXPECT_EQ(b.GetBezeichnung(6), "Verkauf");
    EXPECT_EQ(b.GetCount(), 7);
}

TEST(Belegtexte, FieldsAndFlagsCanBeChanged)
{
    CBelegtexte b;
    EXPECT_TRUE(b.SetInfo(5, "Briefmarken \x80"));
    EXPECT_EQ(b.GetInfo(5), "Briefmarken \x80");
    EXPECT_TRUE(b.SetSort(5, 3));
    EXPECT_EQ(b.GetSort(5), 3);
    EXPECT_TRUE(b.SetStatistik(1, true));
    EXPECT_FALSE(b.SetStatistik(1, true));
    EXPECT_TRUE(b.IsStatistik(1));
    EXPECT_EQ(CXmlDokument::CountChildren(b.Find(CBelegtexte::EntryPath(1)), "Statistik"), 1);
    EXPECT_TRUE(b.SetSystem(0, false));
    EXPECT_FALSE(b.IsSystem(0));
    EXPECT_TRUE(b.SetFeldText(2, "Bezeichnung", "Bank"));
    EXPECT_EQ(b.GetFeldText(2, "Bezeichnung"), "Bank");
    EXPECT_EQ(b.GetFeldInt(3, "UStID"), 200);
}

TEST(Belegtexte, SelectionListOfTheDefaultCatalogue)
{
    const CBelegtexte b;
    const std::vector<std::string> ohne = Auswahl(b, 0);
    ASSERT_EQ(ohne.size(), 8u);
    for (int i = 1; i < 9; ++i)
        EXPECT_EQ(ohne[i - 1], b.GetBezeichnung(i));
    const std::vector<std::string> mit = Auswahl(b, 1);
    ASSERT_EQ(mit.size(), 9u);
    EXPECT_EQ(mit[0], "Anfangsbestand");
    EXPECT_EQ(mit[8], "Anlageinvestition");
    // Other bits than bit 0 do not let the opening balance in.
    EXPECT_EQ(Auswahl(b, 2).size(), 8u);

    // The list is appended to, not replaced.
    std::vector<std::string> list{"davor"};
    b.GetSelectionList(list, 0);
    EXPECT_EQ(list.size(), 9u);
    EXPECT_EQ(list.front(), "davor");
}

TEST(Belegtexte, SelectionListOrdersBySortKeyThenCatalogueOrder)
{
    auto b = LeererKatalog();
    const char* namen[] = {"Erster", "Zweiter", "Dritter", "Vierter"};
    const int sort[] = {2, 1, 1, -5};
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(b->AddEntry(), i);
        b->SetBezeichnung(i, namen[i]);
        b->SetSort(i, sort[i]);
    }
    EXPECT_EQ(Auswahl(*b, 0), (std::vector<std::string>{"Vierter", "Zweiter", "Dritter", "Erster"}));
}

TEST(Belegtexte, InactiveAndOpeningBalanceRules)
{
    CBelegtexte b;
    ASSERT_TRUE(b.SetInaktiv(0, true));
    ASSERT_TRUE(b.SetInaktiv(5, true));
    // Inactive entries are hidden even when the opening balance is wanted.
    const std::vector<std::string> mit = Auswahl(b, 1);
    EXPECT_EQ(mit.size(), 7u);
    EXPECT_EQ(std::count(mit.begin(), mit.end(), "Porto"), 0);
    EXPECT_EQ(std::count(mit.begin(), mit.end(), "Anfangsbestand"), 0);

    // An "Anfangsbestand" without the system flag is an ordinary text.
    CBelegtexte c;
    ASSERT_TRUE(c.SetSystem(0, false));
    EXPECT_EQ(Auswahl(c, 0).size(), 9u);
    // A system text with another name is listed too.
    CBelegtexte d;
    ASSERT_TRUE(d.SetSystem(5, true));
    EXPECT_EQ(Auswahl(d, 0).size(), 8u);
    EXPECT_EQ(Auswahl(d, 0)[4], "Porto");
}

TEST(Belegtexte, SavedCatalogueReadsBackTheSame)
{
    CBelegtexte b;
    b.SetInfo(0, "Kasse am \xDC" "bernahmetag");
    b.SetStatistik(2, true);
    b.SetInaktiv(6, true);
    b.AddEntry();
    const std::string a = Gespeichert(b);

    std::istringstream in(a);
    const CBelegtexte wieder(in);
    ASSERT_TRUE(wieder.LoadOk());
    ASSERT_EQ(wieder.GetCount(), 10);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(wieder.GetBezeichnung(i), b.GetBezeichnung(i));
        EXPECT_EQ(wieder.GetInfo(i), b.GetInfo(i));
        EXPECT_EQ(wieder.GetEinAus(i), b.GetEinAus(i));
        EXPECT_EQ(wieder.GetUStID(i), b.GetUStID(i));
        EXPECT_EQ(wieder.IsInaktiv(i), b.IsInaktiv(i));
        EXPECT_EQ(wieder.IsStatistik(i), b.IsStatistik(i));
        EXPECT_EQ(wieder.IsSystem(i), b.IsSystem(i));
    }
    EXPECT_EQ(Gespeichert(wieder), a);

    std::istringstream kaputt("<Belege><Beleg></Belege>");
    const CBelegtexte k(kaputt);
    EXPECT_FALSE(k.LoadOk());
    EXPECT_EQ(k.GetCount(), 0);
    EXPECT_TRUE(Auswahl(k, 1).empty());
}

} // namespace

TEST(Belegtexte, AccountsOfBothChartsAndOfOlderFiles)
{
    const char* const skr03[] = {"9000", "1360", "1360", "4980", "0480", "4910", "1800", "8400", "0490"};
    const char* const skr04[] = {"9000", "1460", "1460", "6850", "0670", "6800", "2100", "4400", "0690"};
    const CBelegtexte b03, b04(4);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(b03.GetKonto(i), skr03[i]) << i;
        EXPECT_EQ(b04.GetKonto(i), skr04[i]) << i;
        EXPECT_EQ(b03.GetBU(i), "") << i;
    }
    // A file from before the accounts: empty, and setting adds the element
    // so the value is saved and read back.
    std::istringstream alt("<Belege><Beleg><Bezeichnung>Porto</Bezeichnung><EinAus>-1</EinAus></Beleg></Belege>");
    CBelegtexte a(alt);
    ASSERT_TRUE(a.LoadOk());
    EXPECT_EQ(a.GetKonto(0), "");
    EXPECT_TRUE(a.SetKonto(0, "4910"));
    EXPECT_TRUE(a.SetBU(0, "9"));
    EXPECT_FALSE(a.SetKonto(1, "4910"));
    std::istringstream in(Gespeichert(a));
    const CBelegtexte wieder(in);
    EXPECT_EQ(wieder.GetKonto(0), "4910");
    EXPECT_EQ(wieder.GetBU(0), "9");
}
