// The count sheet's arithmetic, the difference booking, the closes' member
// and the rules a close sets for a cash book with fixed bookings.
#include <gtest/gtest.h>

#include <cstring>

#include "ErrorOf.h"
#include "core/CAbschlussRegeln.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CKassenabschluesse.h"

namespace {

CBetrag B(double euro) { return CBetrag(static_cast<std::int64_t>(euro * 10000 + (euro < 0 ? -0.5 : 0.5))); }

void Buche(CBuchungen& j, int tag, double ein, double aus = 0)
{
    const int i = j.AddItem();
    j.GetItem(i).Datum = CDatum::FromYMD(2026, 12, tag);
    const int z = j.AddLine(i);
    j.GetItem(i, z).Einnahme = B(ein);
    j.GetItem(i, z).Ausgabe = B(aus);
}

// Opening 100 on the 1st, +50 on the 2nd, -30 on the 3rd: 120 at the end of the 3rd.
CBuchungen Journal()
{
    CBuchungen j;
    Buche(j, 1, 100);
    Buche(j, 2, 50);
    Buche(j, 3, 0, 30);
    return j;
}

} // namespace

TEST(Zaehlprotokoll, SheetAddsCountsAndComparesWithTheBook)
{
    struct Fall {
        const char* waehrung;
        std::vector<std::pair<const char*, std::int64_t>> zaehlung;
        double getippt;
        int tag;
        double gezaehlt, bestand, differenz;
    } faelle[] = {
        {"EUR", {{"50", 2}, {"20", 1}}, 0, 3, 120, 120, 0},
        {"EUR", {{"50", 2}, {"10", 1}, {"0.50", 3}, {"0,01", 4}}, 0, 3, 111.54, 120, -8.46},
        {"EUR", {{"500", 1}}, 0, 2, 500, 150, 350},
        {"EUR", {}, 0, 3, 0, 120, -120},
        {"CHF", {{"1000", 1}, {"5", 1}, {"0.05", 3}}, 0, 1, 1005.15, 100, 905.15},
        {"USD", {}, 123.45, 1, 123.45, 100, 23.45},
    };
    const CBuchungen j = Journal();
    for (const Fall& f : faelle) {
        std::vector<CZaehlposten> zaehlung = CZaehlprotokoll::LeereZaehlung(f.waehrung);
        for (auto [text, anzahl] : f.zaehlung) {
            const auto wert = CZaehlprotokoll::LeseNennwert(f.waehrung, text);
            ASSERT_TRUE(wert) << text;
            for (CZaehlposten& p : zaehlung)
                if (p.Nennwert == *wert)
                    p.Anzahl = anzahl;
        }
        const CKassenabschluss a =
            CZaehlprotokoll::Erstelle(j, CDatum::FromYMD(2026, 12, f.tag), f.waehrung, zaehlung, B(f.getippt));
        EXPECT_EQ(a.Gezaehlt, B(f.gezaehlt)) << f.waehrung << f.gezaehlt;
        EXPECT_EQ(a.Buchbestand, B(f.bestand)) << f.gezaehlt;
        EXPECT_EQ(a.Differenz, B(f.differenz)) << f.gezaehlt;
    }
    EXPECT_EQ(CZaehlprotokoll::Nennwerte("EUR").size(), 15u);
    EXPECT_EQ(CZaehlprotokoll::Nennwerte("CHF").size(), 13u);
}

TEST(Zaehlprotokoll, RefusesUnknownDenominationsAndCountsThatAreNotWholeNumbers)
{
    for (const char* text : {"3", "0.5x", "1000", "0.001", "", "-50", "0,5,0"})
        EXPECT_FALSE(CZaehlprotokoll::LeseNennwert("EUR", text)) << text;
    EXPECT_FALSE(CZaehlprotokoll::LeseNennwert("USD", "50"));
    EXPECT_EQ(*CZaehlprotokoll::LeseNennwert("EUR", "0.5"), B(0.5));
    EXPECT_EQ(CZaehlprotokoll::LeseAnzahl(B(50), "9999999"), 9999999);
    for (const char* text : {"1,5", "-1", "", "10000000", "2 "})
        EXPECT_EQ(ErrorOf([&] { CZaehlprotokoll::LeseAnzahl(B(0.5), text); }),
                  std::string("Die Anzahl bei 0,50 muss eine ganze Zahl von 0 bis 9.999.999 sein, nicht \"") + text
                      + "\".");
    EXPECT_EQ(ErrorOf([&] { CZaehlprotokoll::Erstelle(Journal(), CDatum::FromYMD(2026, 12, 1), "USD", {}, B(-1)); }),
              "Der gez\xE4hlte Betrag muss zwischen 0,00 und 999.999.999,99 liegen.");
}

TEST(Zaehlprotokoll, DifferenceIsBookedAsReceiptOrPaymentWithTheSystemText)
{
    CBelegtexte katalog;
    CBuchungen j = Journal();
    for (double gezaehlt : {125.5, 110.0, 120.0}) {
        CKassenabschluss a = CZaehlprotokoll::Erstelle(j, CDatum::FromYMD(2026, 12, 3), "USD", {}, B(gezaehlt));
        const int vorher = j.GetCount();
        CZaehlprotokoll::BucheDifferenz(j, katalog, a);
        if (gezaehlt == 120.0) {
            EXPECT_EQ(a.Buchung, -1);
            EXPECT_EQ(j.GetCount(), vorher);
            continue;
        }
        ASSERT_EQ(a.Buchung, vorher);
        const CBuchungszeile& z = j.GetItem(a.Buchung, 0);
        EXPECT_EQ(z.Bezeichnung, "Kassendifferenz");
        EXPECT_EQ(z.UStID, 100);
        EXPECT_EQ(j.GetItem(a.Buchung).Datum, CDatum::FromYMD(2026, 12, 3));
        EXPECT_EQ(CZaehlprotokoll::Buchbestand(j, a.Tag), B(gezaehlt));
        EXPECT_EQ(gezaehlt > 120 ? z.Einnahme : z.Ausgabe, B(gezaehlt > 120 ? 5.5 : 10.0));
        j.RemoveItem(a.Buchung);
    }
    // Added once, as a system text, after the nine defaults.
    EXPECT_EQ(katalog.GetCount(), 10);
    EXPECT_EQ(katalog.FindByBezeichnung("Kassendifferenz"), 9);
    EXPECT_TRUE(katalog.IsSystem(9));
    EXPECT_EQ(katalog.GetEinAus(9), 0);
}

TEST(Kassenabschluesse, MemberRoundTripsAndRefusesDamage)
{
    CBuchungen j = Journal();
    CBelegtexte katalog;
    std::vector<CZaehlposten> zaehlung = CZaehlprotokoll::LeereZaehlung("EUR");
    zaehlung[3].Anzahl = 2;
    CKassenabschluss a = CZaehlprotokoll::Erstelle(j, CDatum::FromYMD(2026, 12, 3), "EUR", zaehlung, {});
    CZaehlprotokoll::BucheDifferenz(j, katalog, a);
    a.Zeitpunkt = 1765300000;
    CKassenabschluesse liste;
    liste.Hinzufuegen(a);
    liste.SetzeProtokoll(7, "0123456789abcdef");
    const std::string bytes = liste.Schreiben();

    CKassenabschluesse wieder;
    ASSERT_TRUE(wieder.Lesen(bytes, j.GetCount()));
    EXPECT_EQ(wieder.Alle(), liste.Alle());
    EXPECT_EQ(wieder.LetzterTag(), CDatum::FromYMD(2026, 12, 3));
    EXPECT_EQ(ErrorOf([&] { wieder.Hinzufuegen(a); }), "Der 03.12.2026 ist bereits abgeschlossen.");

    const std::pair<const char*, const char*> schaeden[] = {
        {"Anzahl=\"2\"", "Anzahl=\"1.5\""},
        {"Anzahl=\"2\"", "Anzahl=\"3\""},                   // the sum no longer adds up
        {"<Differenz>-20,0000", "<Differenz>-2,0000"},
        {"<Buchung>3</Buchung>", "<Buchung>4</Buchung>"},        // no such booking
        {"2026-12-03", "2026-13-03"},
        {"0123456789abcdef", "0123456789ABCDEF"},
        {"</Kassenabschluesse>", "<Fremd/></Kassenabschluesse>"},
        {"</Kassenabschluesse>", ""},
    };
    for (auto [alt, neu] : schaeden) {
        std::string kaputt = bytes;
        ASSERT_NE(kaputt.find(alt), std::string::npos) << alt;
        kaputt.replace(kaputt.find(alt), std::strlen(alt), neu);
        EXPECT_FALSE(wieder.Lesen(kaputt, j.GetCount())) << neu;
        EXPECT_EQ(wieder.Alle().size(), 1u);
    }
    // Two closes of one day, or out of order.
    std::string doppelt = bytes;
    const auto anfang = doppelt.find("<Kassenabschluss>");
    const auto ende = doppelt.find("</Kassenabschluesse>");
    doppelt.insert(ende, doppelt.substr(anfang, ende - anfang));
    EXPECT_FALSE(wieder.Lesen(doppelt, j.GetCount()));
}

TEST(AbschlussRegeln, LockNegativeTillAndOpenDays)
{
    CBuchungen j = Journal();
    CKassenabschluesse liste;
    EXPECT_FALSE(CAbschlussRegeln::Gesperrt(liste, CDatum::FromYMD(2026, 12, 1)));
    EXPECT_EQ(*CAbschlussRegeln::OffenerTagDavor(j, liste, CDatum::FromYMD(2026, 12, 3)), CDatum::FromYMD(2026, 12, 1));
    liste.Hinzufuegen(CZaehlprotokoll::Erstelle(j, CDatum::FromYMD(2026, 12, 1), "USD", {}, B(100)));
    EXPECT_EQ(*CAbschlussRegeln::OffenerTagDavor(j, liste, CDatum::FromYMD(2026, 12, 3)), CDatum::FromYMD(2026, 12, 2));
    EXPECT_FALSE(CAbschlussRegeln::OffenerTagDavor(j, liste, CDatum::FromYMD(2026, 12, 2)));

    for (CDatum tag : {CDatum::FromLocal(2026, 12, 1, 12, 0, 0), CDatum::FromYMD(2026, 11, 30)})
        EXPECT_EQ(*CAbschlussRegeln::Gesperrt(liste, tag),
                  "Die Kasse ist bis einschlie\xDFlich 01.12.2026 abgeschlossen. Buchungen an diesem oder einem "
                  "fr\xFCheren Tag k\xF6nnen nicht mehr erfasst, korrigiert oder storniert werden.");
    EXPECT_FALSE(CAbschlussRegeln::Gesperrt(liste, CDatum::FromYMD(2026, 12, 2)));

    // Balances at the end of the 1st, 2nd, 3rd: 100, 150, 120.
    struct Fall {
        std::vector<CBestandsAenderung> aenderungen;
        int tag;
        double bestand;
    } faelle[] = {
        {{{CDatum::FromYMD(2026, 12, 3), B(-120)}}, 0, 0},
        {{{CDatum::FromYMD(2026, 12, 3), B(-120.01)}}, 3, -0.01},
        {{{CDatum::FromYMD(2026, 12, 2), B(-140)}}, 3, -20},
        {{{CDatum::FromYMD(2026, 12, 2), B(-200)}, {CDatum::FromYMD(2026, 12, 3), B(500)}}, 2, -50},
        {{{CDatum::FromYMD(2026, 12, 9), B(-121)}}, 9, -1},
    };
    for (const Fall& f : faelle) {
        const auto n = CAbschlussRegeln::ErsterNegativerTag(j, f.aenderungen);
        ASSERT_EQ(n.has_value(), f.tag != 0) << f.bestand;
        if (n) {
            EXPECT_EQ(n->Tag, CDatum::FromYMD(2026, 12, f.tag));
            EXPECT_EQ(n->Bestand, B(f.bestand));
        }
    }
    // A till already short later does not hold back a receipt.
    Buche(j, 5, 0, 500);
    const CBestandsAenderung einnahme[] = {{CDatum::FromYMD(2026, 12, 4), B(10)}};
    EXPECT_FALSE(CAbschlussRegeln::ErsterNegativerTag(j, einnahme));
    // Moments outside the calendar's range end the walk too.
    Buche(j, 6, 0, 1000);
    j.GetItem(j.GetCount() - 1).Datum = CDatum(INT64_MAX / 2);
    EXPECT_FALSE(CAbschlussRegeln::ErsterNegativerTag(j, einnahme));
    EXPECT_EQ(CAbschlussRegeln::NegativMeldung({CDatum::FromYMD(2026, 12, 3), B(-20)}),
              "Der Kassenbestand w\xE4re am Ende des 03.12.2026 negativ (-20,00). Eine Kasse kann nicht weniger als "
              "nichts enthalten: buchen Sie zuerst die fehlenden Einnahmen.");
}
