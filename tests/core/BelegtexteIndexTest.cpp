// The catalogue's entry and description indexes: they follow every change
// made through the catalogue, and a catalogue beyond its entry limit is
// refused when it is read and cannot be grown past it.
#include "core/CBelegtexte.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// "Belegtexte.xml" with n entries named "T0" ... "T<n-1>".
std::string Katalog(int n)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Belege>";
    for (int i = 0; i < n; ++i)
        xml += "<Beleg><Bezeichnung>T" + std::to_string(i) + "</Bezeichnung><EinAus>-1</EinAus></Beleg>";
    return xml + "</Belege>";
}

TEST(BelegtexteIndex, LookupsFollowEveryChange)
{
    CBelegtexte b;
    ASSERT_EQ(b.FindByBezeichnung("Porto"), 5); // builds the indexes

    ASSERT_TRUE(b.SetBezeichnung(5, "Briefmarken"));
    EXPECT_EQ(b.FindByBezeichnung("Porto"), -1);
    EXPECT_EQ(b.FindByBezeichnung("Briefmarken"), 5);

    ASSERT_TRUE(b.RemoveEntry(1));
    EXPECT_EQ(b.GetCount(), 8);
    EXPECT_EQ(b.FindByBezeichnung("Briefmarken"), 4);
    EXPECT_EQ(b.GetBezeichnung(1), "Bankauszahlung");
    EXPECT_EQ(b.GetEinAus(7), -1); // "Anlageinvestition", now the last

    EXPECT_EQ(b.AddEntry(), 8);
    EXPECT_EQ(b.FindByBezeichnung("Neue Buchung"), 8);
    EXPECT_EQ(b.AddEntry(), 9);
    EXPECT_EQ(b.FindByBezeichnung("Neue Buchung"), 8); // the first of equal texts
    ASSERT_TRUE(b.SetBezeichnung(8, "Miete"));
    EXPECT_EQ(b.FindByBezeichnung("Neue Buchung"), 9);
    EXPECT_EQ(b.GetUStID(9), 0);

    // The document's own removal by path drops the indexes as well.
    ASSERT_TRUE(b.RemoveAt("Belege/Beleg[0]"));
    EXPECT_EQ(b.GetCount(), 9);
    EXPECT_EQ(b.FindByBezeichnung("Anfangsbestand"), -1);
    EXPECT_EQ(b.FindByBezeichnung("Miete"), 7);

    // So does a load that replaces the whole content.
    ASSERT_TRUE(b.LoadStream(Katalog(3)));
    EXPECT_EQ(b.GetCount(), 3);
    EXPECT_EQ(b.FindByBezeichnung("Miete"), -1);
    EXPECT_EQ(b.FindByBezeichnung("T2"), 2);
    EXPECT_EQ(b.GetBezeichnung(3), "");
}

TEST(BelegtexteIndex, SelectionListSeesFlagsSetAfterTheIndexWasBuilt)
{
    CBelegtexte b;
    std::vector<std::string> vorher;
    b.GetSelectionList(vorher, 1);
    ASSERT_EQ(vorher.size(), 9u);
    ASSERT_TRUE(b.SetInaktiv(2, true));
    ASSERT_TRUE(b.SetSort(0, 5));
    std::vector<std::string> nachher;
    b.GetSelectionList(nachher, 1);
    ASSERT_EQ(nachher.size(), 8u);
    EXPECT_EQ(nachher[1], "Betriebsbedarf");
    EXPECT_EQ(nachher.back(), "Anfangsbestand");
}

TEST(BelegtexteIndex, RootOfAnotherNameCountsButReadsNothing)
{
    // Fields were always addressed from "Belege/..."; that stays so.
    CBelegtexte b;
    ASSERT_TRUE(b.LoadStream("<Texte><Beleg><Bezeichnung>A</Bezeichnung></Beleg></Texte>"));
    EXPECT_EQ(b.GetCount(), 1);
    EXPECT_EQ(b.GetBezeichnung(0), "");
    EXPECT_EQ(b.FindByBezeichnung("A"), -1);
    EXPECT_FALSE(b.SetBezeichnung(0, "B"));
}

TEST(BelegtexteIndex, EntryLimitHoldsAtReadAndAtAdd)
{
    const int limit = CBelegtexte::kMaxEntries;
    std::istringstream voll(Katalog(limit));
    CBelegtexte b(voll);
    ASSERT_TRUE(b.LoadOk());
    EXPECT_EQ(b.GetCount(), limit);
    EXPECT_EQ(b.FindByBezeichnung("T99999"), limit - 1);
    EXPECT_EQ(b.AddEntry(), -1);
    EXPECT_EQ(b.GetCount(), limit);

    ASSERT_TRUE(b.RemoveEntry(0));
    EXPECT_EQ(b.AddEntry(), limit - 1);

    std::istringstream zuViel(Katalog(limit + 1));
    const CBelegtexte c(zuViel);
    EXPECT_FALSE(c.LoadOk());
}

} // namespace
