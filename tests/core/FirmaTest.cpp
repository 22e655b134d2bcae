// The company record (template, line-break encoding of the name) and the
// country list.
#include "XmlTestHilfe.h"

#include "core/CFirma.h"
#include "core/CLaender.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(Firma, NewRecordIsAGermanBusinessWithEmptyFields)
{
    const CFirma f;
    EXPECT_EQ(f.GetLand(), "Deutschland");
    EXPECT_EQ(f.GetWaehrung(), "EUR");
    EXPECT_EQ(f.GetName(), "");
    EXPECT_EQ(f.GetVorname(), "");
    EXPECT_EQ(f.GetNachname(), "");
    EXPECT_EQ(f.GetKurzbezeichnung(), "");
    EXPECT_EQ(f.GetStrasse(), "");
    EXPECT_EQ(f.GetPLZ(), "");
    EXPECT_EQ(f.GetOrt(), "");
    // Every field of the template exists and can be set.
    CFirma g;
    EXPECT_TRUE(g.SetVorname("Anna"));
    EXPECT_TRUE(g.SetNachname("M\xFCller"));
    EXPECT_TRUE(g.SetKurzbezeichnung("AM"));
    EXPECT_TRUE(g.SetStrasse("Hauptstra\xDF" "e 1"));
    EXPECT_TRUE(g.SetPLZ("6020"));
    EXPECT_TRUE(g.SetOrt("Innsbruck"));
    EXPECT_TRUE(g.SetLand("\xD6sterreich"));
    EXPECT_FALSE(g.SetWaehrung("EUR")); // unchanged
    EXPECT_EQ(g.GetStrasse(), "Hauptstra\xDF" "e 1");
}

TEST(Firma, MultiLineNameIsStoredOnOneLine)
{
    CFirma f;
    const std::string name = "B\xE4" "ckerei Huber\r\nInh. Anna Huber";
    ASSERT_TRUE(f.SetName(name));
    EXPECT_EQ(f.GetName(), name);
    EXPECT_EQ(f.GetString("Firma/Name"), "B\xE4" "ckerei Huber\\r\\nInh. Anna Huber");

    const std::string a = Gespeichert(f);
    const auto begin = a.find("<Name>");
    const auto end = a.find("</Name>");
    ASSERT_NE(begin, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    const std::string gespeichert = a.substr(begin, end - begin);
    EXPECT_EQ(gespeichert.find('\n'), std::string::npos);
    EXPECT_EQ(gespeichert.find('\r'), std::string::npos);

    std::istringstream in(a);
    const CFirma wieder(in);
    ASSERT_TRUE(wieder.LoadOk());
    EXPECT_EQ(wieder.GetName(), name);
    EXPECT_EQ(wieder.GetLand(), "Deutschland");
}

TEST(Firma, NameEncodingBothWays)
{
    EXPECT_EQ(CFirma::EncodeName("a\nb\rc"), "a\\nb\\rc");
    EXPECT_EQ(CFirma::DecodeName("a\\nb\\rc"), "a\nb\rc");
    EXPECT_EQ(CFirma::DecodeName("a\\tb\\"), "a\\tb\\"); // other escapes stay
    // Only the name is decoded; other fields are stored as typed.
    CFirma f;
    ASSERT_TRUE(f.SetOrt("C:\\neu"));
    EXPECT_EQ(f.GetOrt(), "C:\\neu");
}

TEST(Firma, FieldsMissingFromAForeignFileReadEmpty)
{
    std::istringstream in("<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n"
                          "<Firma><Name>Nur \\nName</Name></Firma>");
    CFirma f(in);
    ASSERT_TRUE(f.LoadOk());
    EXPECT_EQ(f.GetName(), "Nur \nName");
    EXPECT_EQ(f.GetLand(), "");
    EXPECT_FALSE(f.SetLand("Schweiz"));
    EXPECT_EQ(f.GetLand(), "");

    std::istringstream kaputt("<Firma><Name></Firma>");
    const CFirma k(kaputt);
    EXPECT_FALSE(k.LoadOk());
    EXPECT_EQ(k.GetWaehrung(), "");
}

TEST(Laender, ListFromFile)
{
    const XmlTempDatei datei(
        "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Laender>\n"
        " <Land><Name>Deutschland</Name><Waehrung>EUR</Waehrung></Land>\n"
        " <Land><Name>\xD6sterreich</Name><Waehrung> EUR </Waehrung></Land>\n"
        " <Land><Name>Schweiz</Name></Land>\n</Laender>\n");
    const CLaender l(datei.Path());
    ASSERT_EQ(l.GetCount(), 3);
    EXPECT_EQ(l.GetName(0), "Deutschland");
    EXPECT_EQ(l.GetName(1), "\xD6sterreich");
    EXPECT_EQ(l.GetWaehrung(1), "EUR");
    EXPECT_EQ(l.GetWaehrung(2), "");
    EXPECT_EQ(l.GetName(3), "");
    EXPECT_EQ(l.GetName(-1), "");
}

TEST(Laender, MissingOrBrokenFileIsAnEmptyList)
{
    const CLaender fehlt("/nonexistent/kuvex/laender.xml");
    EXPECT_EQ(fehlt.GetCount(), 0);
    EXPECT_EQ(fehlt.GetName(0), "");
    const XmlTempDatei datei("<Laender><Land>");
    const CLaender kaputt(datei.Path());
    EXPECT_EQ(kaputt.GetCount(), 0);
}

} // namespace
