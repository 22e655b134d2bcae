// The data files shipped beside the program: they parse, hold every key the
// program reads, and the VAT rates the default receipt texts refer to.
#include "XmlTestHilfe.h"

#include "core/CLaender.h"
#include "core/CSteuersaetze.h"
#include "core/CXmlDokument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

const std::string DataDir = std::string(KUVEX_SOURCE_DIR) + "/data/";

std::string Datei(const std::string& name)
{
    std::ifstream in(DataDir + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(XmlDaten, SettingsHoldEveryKey)
{
    CXmlDokument s;
    ASSERT_TRUE(s.LoadFile(DataDir + "settings.xml"));
    ASSERT_TRUE(s.GetRoot());
    EXPECT_EQ(CXmlDokument::GetName(s.GetRoot()), "Settings");
    for (const char* key : {"Settings/Settings", "Settings/Paths/Kassen", "Settings/Paths/Backup",
                            "Settings/Files/Laender", "Settings/Files/Steuersatz",
                            "Settings/Files/Export", "Settings/Logo/Link", "Settings/FileHistory"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(s.Find(key));
    }
    // No option is switched on in a fresh installation.
    EXPECT_FALSE(s.Find("Settings/Settings").first_child());
    const CXmlElement history = s.Find("Settings/FileHistory");
    EXPECT_EQ(CXmlDokument::CountChildren(history, "File"), 8);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(s.GetString("Settings/FileHistory/File[" + std::to_string(k) + "]", "x"), "");
    EXPECT_NE(s.GetString("Settings/Logo/Link"), "");
    EXPECT_EQ(s.GetString("Settings/Files/Export"), "export.xml");
    // The program writes the file back as it read it.
    EXPECT_EQ(Gespeichert(s), Datei("settings.xml"));
}

TEST(XmlDaten, CountryListNamesTheVatCountries)
{
    CXmlDokument s;
    ASSERT_TRUE(s.LoadFile(DataDir + "settings.xml"));
    const CLaender l(DataDir + s.GetString("Settings/Files/Laender"));
    ASSERT_GE(l.GetCount(), 4);
    std::set<std::string> paare;
    for (int i = 0; i < l.GetCount(); ++i)
        paare.insert(l.GetName(i) + "/" + l.GetWaehrung(i));
    EXPECT_TRUE(paare.count("Deutschland/EUR"));
    EXPECT_TRUE(paare.count("\xD6sterreich/EUR"));
    EXPECT_TRUE(paare.count("Schweiz/CHF"));
    EXPECT_TRUE(paare.count("Liechtenstein/CHF"));
    EXPECT_EQ(Gespeichert(l), Datei("laender.xml"));
}

TEST(XmlDaten, VatRatesOfTheDefaultReceiptTextsAreActive)
{
    CXmlDokument s;
    ASSERT_TRUE(s.LoadFile(DataDir + "settings.xml"));
    const std::string path = DataDir + s.GetString("Settings/Files/Steuersatz");
    const CSteuersaetze st(path);
    ASSERT_TRUE(st.Contains(100));
    ASSERT_TRUE(st.Contains(200));
    EXPECT_FALSE(st.IsInaktiv(100));
    EXPECT_FALSE(st.IsInaktiv(200));
    EXPECT_EQ(st.GetProzent(100), CBetrag(0));
    EXPECT_EQ(st.GetProzent(200), CBetrag(190000));
    EXPECT_EQ(st.GetGueltigAb(200), CDatum::FromYMD(2007, 1, 1));
    EXPECT_EQ(st.GetAnzeigeText(200), "19,00% (Regelsatz Deutschland)");

    // Every rate has its own id, a known country, a four-decimal percentage
    // and a valid-from date.
    const CXmlElement root = st.GetRoot();
    EXPECT_EQ(static_cast<std::size_t>(CXmlDokument::CountChildren(root, "Steuersatz")),
              st.GetIds().size());
    int schweiz = 0;
    for (const int id : st.GetIds()) {
        SCOPED_TRACE(id);
        const std::string land = st.GetLand(id);
        EXPECT_TRUE(land == "Deutschland" || land == "\xD6sterreich" || land == "Schweiz");
        if (land == "Schweiz") {
            EXPECT_EQ(st.GetLandKuerzel(id), "CH");
            ++schweiz;
        }
        const std::string prozent = st.GetString(st.GetElement(id), "Prozentsatz/Prozent");
        EXPECT_EQ(prozent, FormatBetrag(ParseBetrag(prozent), 4, 0));
        EXPECT_NE(st.GetGueltigAb(id), CDatum());
    }
    EXPECT_GT(schweiz, 0);

    // The rates in force (December 2026) are offered; the older ones are not.
    std::vector<std::string> texte;
    std::vector<int> ids;
    st.GetSelectionList(&texte, &ids);
    std::multiset<std::string> aktiv;
    for (const int id : ids)
        aktiv.insert(st.GetLandKuerzel(id) + " " + FormatBetrag(st.GetProzent(id), 2, 0));
    const std::multiset<std::string> erwartet{
        "DE 0,00", "DE 19,00", "DE 7,00", "A 0,00", "A 20,00", "A 13,00", "A 10,00",
        "CH 0,00", "CH 8,10", "CH 3,80", "CH 2,60"};
    EXPECT_EQ(aktiv, erwartet);
    for (const int id : st.GetIds()) {
        if (st.IsInaktiv(id)) {
            EXPECT_LT(st.GetGueltigAb(id), CDatum::FromYMD(2024, 1, 1));
        }
    }

    EXPECT_EQ(Gespeichert(st), Datei("steuersaetze.xml"));
}

} // namespace
