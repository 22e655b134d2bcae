// The booking generator and its random numbers: the classic Windows C
// runtime sequence, 20,000 bookings from 1 January 2003 to 30 December 2005,
// and the direction of each amount taken from the receipt text.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ErrorOf.h"
#include "common/JournalOfSize.h"
#include "core/BuchungenFormat.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsGenerator.h"
#include "core/CFehler.h"
#include "core/CMsvcRand.h"

TEST(EngineGenerator, RandomNumbersAreTheMsvcSequence)
{
    CMsvcRand r(1);
    EXPECT_EQ(r.Next(), 41);
    EXPECT_EQ(r.Next(), 18467);
    EXPECT_EQ(r.Next(), 6334);
    EXPECT_EQ(r.Next(), 26500);
    EXPECT_EQ(r.Next(), 19169);
    r.Seed(1);
    EXPECT_EQ(r.Next(), 41);
    // The state wraps at 32 bits; values never leave 0 ... 32767.
    CMsvcRand g(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const int v = g.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, CMsvcRand::Max);
    }
}

TEST(EngineGenerator, TwentyThousandBookingsFrom2003To2005)
{
    CBuchungen j;
    const int vorher = j.AddItem(); // bookings are appended after existing ones
    CBuchungsGenerator::GenerateBookings(j, CBelegtexte(), 20000, 1);
    ASSERT_EQ(j.GetCount(), 20001);
    EXPECT_EQ(vorher, 0);

    EXPECT_EQ(j.GetItem(1).Datum, CDatum::FromYMD(2003, 1, 1));
    EXPECT_EQ(j.GetItem(20000).Datum, CDatum::FromYMD(2005, 12, 30));
    EXPECT_EQ(j.GetItem(1).Notiz, "Buchung #0");
    EXPECT_EQ(j.GetItem(20000).Notiz, "Buchung #19999");
    // 4730 s apart: the 19th booking is still on 1 January, the 20th not.
    EXPECT_EQ(j.GetItem(19).Datum, CDatum::FromYMD(2003, 1, 1));
    EXPECT_EQ(j.GetItem(20).Datum, CDatum::FromYMD(2003, 1, 2));
    for (int i = 1; i <= 20000; ++i) {
        const CBuchungssatz& s = j.GetItem(i);
        ASSERT_EQ(s.Zeilen.size(), 1u);
        ASSERT_EQ(s.Datum, s.Datum.Midnight()) << i;
        ASSERT_FALSE(s.Aufteilung);
        if (i > 1) {
            ASSERT_LE(j.GetItem(i - 1).Datum, s.Datum);
        }
    }

    // Seed 1 draws 41, 18467, 6334, 26500: entry 41 % 9 = 5 ("Porto", a
    // payment) with 18467 / 32767 of 100,00; then entry 7 ("Verkauf") with
    // 26500 / 32767 of 100,00 times 2 payments / 1 receipt.
    EXPECT_EQ(j.GetItem(1, 0).Bezeichnung, "Porto");
    EXPECT_EQ(j.GetItem(1, 0).UStID, 100);
    EXPECT_EQ(j.GetItem(1, 0).Ausgabe.Raw(), 563585);
    EXPECT_EQ(j.GetItem(1, 0).Einnahme.Raw(), 0);
    EXPECT_EQ(j.GetItem(2, 0).Bezeichnung, "Verkauf");
    EXPECT_EQ(j.GetItem(2, 0).UStID, 200);
    EXPECT_EQ(j.GetItem(2, 0).Einnahme.Raw(), 1617481);
}

TEST(EngineGenerator, TwoHundredThousandBookingsEndOn30December)
{
    CBuchungen j;
    CBuchungsGenerator::GenerateBookings(j, CBelegtexte(), 200000, 7);
    ASSERT_EQ(j.GetCount(), 200000);
    EXPECT_EQ(j.GetItem(199999).Datum, CDatum::FromYMD(2005, 12, 30));
    EXPECT_EQ(j.GetItem(199999).Notiz, "Buchung #199999");
    // 473 s apart: 183 bookings fit into the first day.
    EXPECT_EQ(j.GetItem(182).Datum, CDatum::FromYMD(2003, 1, 1));
    EXPECT_EQ(j.GetItem(183).Datum, CDatum::FromYMD(2003, 1, 2));
}

TEST(EngineGenerator, DirectionOfTheReceiptTextDecidesTheAmount)
{
    CBelegtexte nurEinnahmen;
    for (int e = 0; e < nurEinnahmen.GetCount(); ++e)
        nurEinnahmen.SetEinAus(e, 1);
    CBuchungen j;
    CBuchungsGenerator::GenerateBookings(j, nurEinnahmen, 2000, 3);
    bool positiv = false;
    for (int i = 0; i < j.GetCount(); ++i) {
        ASSERT_EQ(j.GetItem(i, 0).Ausgabe.Raw(), 0);
        positiv = positiv || j.GetItem(i, 0).Einnahme.Raw() > 0;
    }
    EXPECT_TRUE(positiv);

    // Direction 0 ("Aufteilung") and -1 both book a payment; inactive and
    // system entries are drawn like any other.
    CBelegtexte gemischt;
    while (gemischt.GetCount() > 2)
        gemischt.RemoveEntry(gemischt.GetCount() - 1);
    gemischt.SetEinAus(0, 0);
    gemischt.SetInaktiv(0, true);
    gemischt.SetEinAus(1, -1);
    CBuchungen k;
    CBuchungsGenerator::GenerateBookings(k, gemischt, 2000, 3);
    int ersteGezogen = 0;
    for (int i = 0; i < k.GetCount(); ++i) {
        ASSERT_EQ(k.GetItem(i, 0).Einnahme.Raw(), 0);
        ersteGezogen += k.GetItem(i, 0).Bezeichnung == gemischt.GetBezeichnung(0);
    }
    EXPECT_GT(ersteGezogen, 0);
}

TEST(EngineGenerator, SameSeedSameJournal)
{
    CBuchungen a, b, c;
    CBuchungsGenerator::GenerateBookings(a, CBelegtexte(), 3000, 42);
    CBuchungsGenerator::GenerateBookings(b, CBelegtexte(), 3000, 42);
    CBuchungsGenerator::GenerateBookings(c, CBelegtexte(), 3000, 43);
    ASSERT_EQ(a.GetCount(), b.GetCount());
    bool anders = false;
    for (int i = 0; i < a.GetCount(); ++i) {
        ASSERT_EQ(a.GetItem(i).Datum, b.GetItem(i).Datum);
        ASSERT_EQ(a.GetItem(i, 0).Bezeichnung, b.GetItem(i, 0).Bezeichnung);
        ASSERT_EQ(a.GetItem(i, 0).Einnahme, b.GetItem(i, 0).Einnahme);
        ASSERT_EQ(a.GetItem(i, 0).Ausgabe, b.GetItem(i, 0).Ausgabe);
        anders = anders || a.GetItem(i, 0).Bezeichnung != c.GetItem(i, 0).Bezeichnung
                 || a.GetItem(i, 0).Einnahme != c.GetItem(i, 0).Einnahme;
    }
    EXPECT_TRUE(anders);
}

TEST(EngineGenerator, EmptyCatalogueAddsNothing)
{
    CBelegtexte leer;
    while (leer.GetCount() > 0)
        leer.RemoveEntry(0);
    CBuchungen j;
    try {
        CBuchungsGenerator::GenerateBookings(j, leer, 10, 1);
        ADD_FAILURE() << "no error";
    } catch (const CFehler& e) {
        EXPECT_STREQ(e.what(), CBuchungsGenerator::MeldungKeineBelegtexte);
    }
    EXPECT_EQ(j.GetCount(), 0);
    CBuchungsGenerator::GenerateBookings(j, CBelegtexte(), 0, 1);
    EXPECT_EQ(j.GetCount(), 0);
}

TEST(EngineGenerator, RunThatWouldOutgrowTheFileIsRefusedBeforeTheFirstBooking)
{
    // One receipt text, so that the generator's size bound is exact.
    CBelegtexte katalog;
    while (katalog.GetCount() > 0)
        katalog.RemoveEntry(0);
    katalog.AddEntry();
    CBuchungen probe;
    CBuchungsGenerator::GenerateBookings(probe, katalog, 1000, 7);
    const std::uint64_t zuwachs = probe.FileSize() - buchungen_format::kHeaderSize;
    const std::uint64_t limit = buchungen_format::kMaxFileSize;

    // Exactly up to the limit is allowed ...
    CBuchungen voll = JournalOfSize(limit - zuwachs);
    CBuchungsGenerator::GenerateBookings(voll, katalog, 1000, 7);
    EXPECT_EQ(voll.GetCount(), 1001);
    EXPECT_EQ(voll.FileSize(), limit);

    // ... one byte more is not, and nothing is added.
    CBuchungen knapp = JournalOfSize(limit - zuwachs + 1);
    EXPECT_EQ(ErrorOf([&] { CBuchungsGenerator::GenerateBookings(knapp, katalog, 1000, 7); }),
              "Die Buchungen w\xE4ren mit 134.217.729 Bytes zu gro\xDF f\xFCr eine Kassendatei (h\xF6"
              "chstens 128 MB). Bitte legen Sie f\xFCr weitere Buchungen eine neue Kasse an.");
    EXPECT_EQ(knapp.GetCount(), 1);
    EXPECT_EQ(knapp.FileSize(), limit - zuwachs + 1);
}

TEST(EngineGenerator, SizeMessageGroupsTheBytesByThousands)
{
    for (const auto& [bytes, text] : std::vector<std::pair<std::uint64_t, const char*>>{
             {999, "999"}, {1000, "1.000"}, {268435457, "268.435.457"}, {4294967296, "4.294.967.296"}}) {
        const std::string m = CBuchungen::MeldungZuGross(bytes);
        EXPECT_EQ(m.substr(0, m.find(" Bytes")), std::string("Die Buchungen w\xE4ren mit ") + text);
    }
}
