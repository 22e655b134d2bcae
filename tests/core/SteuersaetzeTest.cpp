// The VAT-rate table: id index, field access by id, display texts, the
// grids' selection list and writing the table back.
#include "XmlTestHilfe.h"

#include "core/CSteuersaetze.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Satz(int id, const char* land, const char* bez, int sort, const char* prozent,
                 const char* ab, bool inaktiv = false)
{
    return std::string("<Steuersatz><Bezeichnung>") + bez + "</Bezeichnung><Land>" + land +
           "</Land><Sort>" + std::to_string(sort) + "</Sort>" + (inaktiv ? "<Inaktiv/>" : "") +
           "<Prozentsatz><Id>" + std::to_string(id) + "</Id><Prozent>" + prozent +
           "</Prozent><GueltigAb>" + ab + "</GueltigAb></Prozentsatz></Steuersatz>\n";
}

std::string Tabelle(const std::string& saetze)
{
    return "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Steuersaetze>\n" + saetze +
           "</Steuersaetze>\n";
}

TEST(Steuersaetze, FieldsById)
{
    const XmlTempDatei datei(Tabelle(
        Satz(200, "Deutschland", "Regelsatz", 1, "16,0000", "1998-04-01") +
        Satz(401, "Schweiz", "Normalsatz", 2, "8,1000", "2024-01-01") +
        Satz(301, "\xD6sterreich", "Normalsatz", 3, "20,0000", "1984-01-01") +
        Satz(100, "", "steuerfrei", 4, "0,0000", "1970-01-01")));
    const CSteuersaetze st(datei.Path());
    EXPECT_EQ(st.GetIds(), (std::vector<int>{100, 200, 301, 401}));
    EXPECT_EQ(st.GetBezeichnung(200), "Regelsatz");
    EXPECT_EQ(st.GetLand(301), "\xD6sterreich");
    EXPECT_EQ(st.GetSort(401), 2);
    EXPECT_EQ(st.GetProzent(401), CBetrag(81000));
    EXPECT_EQ(st.GetProzentsatzInt(401, "Id"), 401);
    EXPECT_EQ(st.GetGueltigAb(200), CDatum::FromYMD(1998, 4, 1));
    EXPECT_EQ(st.GetGueltigAb(100), CDatum());

    EXPECT_EQ(st.GetAnzeigeText(200), "16,00% (Regelsatz)");
    EXPECT_EQ(st.GetAnzeigeText(401), "8,10% (Normalsatz)");

    EXPECT_EQ(st.GetLandKuerzel(200), "DE");
    EXPECT_EQ(st.GetLandKuerzel(401), "CH");
    EXPECT_EQ(st.GetLandKuerzel(301), "A");
    EXPECT_EQ(st.GetLandKuerzel(100), "DE"); // empty country
    EXPECT_EQ(st.GetLandKuerzel(999), "DE"); // unknown id
}

TEST(Steuersaetze, CountryCodeComparesExactly)
{
    const XmlTempDatei datei(Tabelle(Satz(1, "schweiz", "a", 0, "1", "") +
                                     Satz(2, "Oesterreich", "b", 0, "1", "") +
                                     Satz(3, " Schweiz ", "c", 0, "1", "")));
    const CSteuersaetze st(datei.Path());
    EXPECT_EQ(st.GetLandKuerzel(1), "DE");
    EXPECT_EQ(st.GetLandKuerzel(2), "DE");
    EXPECT_EQ(st.GetLandKuerzel(3), "CH"); // texts are read trimmed
}

TEST(Steuersaetze, UnknownIdAnswersDefaultsAndChangesNothing)
{
    const XmlTempDatei datei(Tabelle(Satz(200, "Deutschland", "Regelsatz", 1, "19,0000", "2007-01-01")));
    CSteuersaetze st(datei.Path());
    const std::string vorher = Gespeichert(st);
    EXPECT_FALSE(st.Contains(7));
    EXPECT_EQ(st.GetBezeichnung(7), "");
    EXPECT_EQ(st.GetSort(7), 0);
    EXPECT_EQ(st.GetProzent(7), CBetrag());
    EXPECT_EQ(st.GetGueltigAb(7), CDatum());
    EXPECT_EQ(st.GetProzentsatzInt(7, "Id"), 0);
    EXPECT_FALSE(st.IsInaktiv(7));
    EXPECT_FALSE(st.SetSort(7, 3));
    EXPECT_FALSE(st.SetInaktiv(7, true));
    EXPECT_EQ(st.GetAnzeigeText(7), "0,00% ()");
    EXPECT_EQ(Gespeichert(st), vorher);
}

TEST(Steuersaetze, FirstOfTwoEqualIdsWins)
{
    const XmlTempDatei datei(Tabelle(Satz(100, "Deutschland", "erster", 2, "0,0000", "") +
                                     Satz(200, "Deutschland", "Regelsatz", 1, "19,0000", "") +
                                     Satz(100, "Schweiz", "zweiter", 0, "7,7000", "")));
    CSteuersaetze st(datei.Path());
    EXPECT_EQ(st.GetIds(), (std::vector<int>{100, 200}));
    EXPECT_EQ(st.GetBezeichnung(100), "erster");
    EXPECT_EQ(st.GetLandKuerzel(100), "DE");
    std::vector<std::string> texte;
    std::vector<int> ids;
    st.GetSelectionList(&texte, &ids);
    EXPECT_EQ(ids, (std::vector<int>{200, 100}));
    EXPECT_EQ(texte, (std::vector<std::string>{"19,00% (Regelsatz)", "0,00% (erster)"}));
    // Changes by id reach the first element only.
    ASSERT_TRUE(st.SetSort(100, 9));
    EXPECT_EQ(st.GetString("Steuersaetze/Steuersatz[0]/Sort"), "9");
    EXPECT_EQ(st.GetString("Steuersaetze/Steuersatz[2]/Sort"), "0");
}

TEST(Steuersaetze, SelectionListSkipsInactiveAndOrdersBySortThenId)
{
    const XmlTempDatei datei(Tabelle(Satz(300, "\xD6sterreich", "c", 1, "20,0000", "") +
                                     Satz(200, "Deutschland", "b", 5, "19,0000", "") +
                                     Satz(100, "Deutschland", "a", 5, "0,0000", "") +
                                     Satz(210, "Deutschland", "alt", 0, "16,0000", "", true)));
    CSteuersaetze st(datei.Path());
    std::vector<std::string> texte{"alt"};
    std::vector<int> ids{42};
    st.GetSelectionList(&texte, &ids);
    EXPECT_EQ(ids, (std::vector<int>{300, 100, 200}));
    ASSERT_EQ(texte.size(), 3u);
    EXPECT_EQ(texte[0], "20,00% (c)");
    // Either list may be left out.
    st.GetSelectionList(nullptr, &ids);
    EXPECT_EQ(ids.size(), 3u);
    st.GetSelectionList(&texte, nullptr);
    EXPECT_EQ(texte.size(), 3u);
    // The inactive rate still answers by its id (old bookings keep it).
    EXPECT_TRUE(st.IsInaktiv(210));
    EXPECT_EQ(st.GetAnzeigeText(210), "16,00% (alt)");
    EXPECT_EQ(st.GetIdsBySort(true), (std::vector<int>{210, 300, 100, 200}));

    ASSERT_TRUE(st.SetInaktiv(210, false));
    ASSERT_TRUE(st.SetInaktiv(300, true));
    st.GetSelectionList(nullptr, &ids);
    EXPECT_EQ(ids, (std::vector<int>{210, 100, 200}));
}

TEST(Steuersaetze, OnlyTheFirstPercentageIsRead)
{
    const XmlTempDatei datei(Tabelle(
        "<Steuersatz><Bezeichnung>Regelsatz</Bezeichnung><Land>Deutschland</Land><Sort/>"
        "<Prozentsatz><Id>200</Id><Prozent>19,0000</Prozent><GueltigAb>2021-01-01</GueltigAb></Prozentsatz>"
        "<Prozentsatz><Id>201</Id><Prozent>16,0000</Prozent><GueltigAb>2020-07-01</GueltigAb></Prozentsatz>"
        "</Steuersatz>\n"));
    const CSteuersaetze st(datei.Path());
    EXPECT_EQ(st.GetIds(), std::vector<int>{200});
    EXPECT_EQ(st.GetProzent(200), CBetrag(190000));
    EXPECT_EQ(st.GetGueltigAb(200), CDatum::FromYMD(2021, 1, 1));
}

TEST(Steuersaetze, MissingOrBrokenFileGivesAnEmptyTable)
{
    const CSteuersaetze fehlt("/nonexistent/kuvex/steuersaetze.xml");
    EXPECT_TRUE(fehlt.GetIds().empty());
    const XmlTempDatei datei("<Steuersaetze><Steuersatz>");
    const CSteuersaetze kaputt(datei.Path());
    std::vector<std::string> texte{"x"};
    std::vector<int> ids{1};
    kaputt.GetSelectionList(&texte, &ids);
    EXPECT_TRUE(texte.empty());
    EXPECT_TRUE(ids.empty());
    EXPECT_EQ(kaputt.GetBezeichnung(200), "");
}

TEST(Steuersaetze, SaveFileWritesBackToTheSamePath)
{
    const XmlTempDatei datei(Tabelle(Satz(100, "Deutschland", "a", 1, "0,0000", "") +
                                     Satz(200, "Deutschland", "b", 2, "19,0000", "2007-01-01")));
    {
        CSteuersaetze st(datei.Path());
        EXPECT_EQ(st.GetPath(), datei.Path());
        ASSERT_TRUE(st.SetSort(100, 2));
        ASSERT_TRUE(st.SetSort(200, 1));
        ASSERT_TRUE(st.SetInaktiv(100, true));
        ASSERT_TRUE(st.SaveFile());
    }
    EXPECT_EQ(datei.Lesen().rfind("<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n", 0), 0u);
    const CSteuersaetze wieder(datei.Path());
    EXPECT_EQ(wieder.GetSort(100), 2);
    EXPECT_EQ(wieder.GetSort(200), 1);
    EXPECT_TRUE(wieder.IsInaktiv(100));
    EXPECT_EQ(wieder.GetIdsBySort(true), (std::vector<int>{200, 100}));
}

} // namespace
