// Amounts at the edge of the 64-bit range: arithmetic and sums wrap around
// instead of being undefined, products and quotients are exact wherever
// the result fits, a runaway text saturates, and entry refuses more than
// 999.999.999,99 either way.
#include "core/CBetrag.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsErfassung.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(BetragGrenzen, SumsAndDifferencesWrapAround)
{
    EXPECT_EQ((CBetrag(kMax) + CBetrag(1)).Raw(), kMin);
    EXPECT_EQ((CBetrag(kMin) - CBetrag(1)).Raw(), kMax);
    CBetrag b(kMax);
    b += CBetrag(kMax);
    EXPECT_EQ(b.Raw(), -2);
    b -= CBetrag(kMin);
    EXPECT_EQ(b.Raw(), kMax - 1);
}

TEST(BetragGrenzen, ProductsAndQuotientsAreExactWhereTheResultFits)
{
    // The intermediate products leave 64 bits; the results do not.
    EXPECT_EQ((CBetrag(1000000000000000) * CBetrag(20000)).Raw(), 2000000000000000);
    EXPECT_EQ((CBetrag(kMax) * CBetrag(-10000)).Raw(), -kMax);
    EXPECT_EQ((CBetrag(4000000000000000) / CBetrag(20000)).Raw(), 2000000000000000);
    EXPECT_EQ((CBetrag(kMax) / CBetrag(10000)).Raw(), kMax);
    // Beyond the range the low 64 bits are kept; nothing traps.
    EXPECT_EQ((CBetrag(kMin) * CBetrag(-10000)).Raw(), kMin);
    EXPECT_EQ((CBetrag(kMin) / CBetrag(-10000)).Raw(), kMin);
    EXPECT_EQ((CBetrag(12345) / CBetrag()).Raw(), 0);
}

TEST(BetragGrenzen, RunawayTextsSaturateAtTheirSign)
{
    const struct {
        const char* text;
        std::int64_t raw;
    } faelle[] = {
        {"922337203685477,5807", kMax},
        {"922337203685477,5808", kMax},
        {"-922337203685477,5808", kMin},
        {"-922337203685477,5809", kMin},
        {"99999999999999999999999999", kMax},
        {"-18446744073709551616", kMin}, // 2^64 used to wrap around to 0
        {"999.999.999,99", CBetrag::kHoechstbetrag},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(ParseBetrag(f.text).Raw(), f.raw);
    }
}

TEST(BetragGrenzen, JournalSumsWrapAround)
{
    CBuchungen j;
    const int i = j.AddItem();
    j.GetItem(i).Datum = CDatum(86400);
    for (std::int64_t raw : {kMax, kMax}) {
        const int k = j.AddLine(i);
        j.GetItem(i, k).Einnahme = CBetrag(raw);
        j.GetItem(i, k).Ausgabe = CBetrag(kMin);
    }
    EXPECT_EQ(j.GetLineSum(i, SumMode::Income).Raw(), -2);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Expense).Raw(), 0);
    EXPECT_EQ(j.GetDaySum(CDatum(86400), SumMode::Net).Raw(), -2);
    EXPECT_EQ(j.GetRangeSum(CDatum(0), CDatum(86400), SumMode::Income).Raw(), -2);
}

TEST(BetragGrenzen, EntryRefusesAmountsNoTillHolds)
{
    const std::int64_t grenze = CBetrag::kHoechstbetrag;
    const struct {
        bool einnahme;
        std::int64_t raw;
        bool erlaubt;
    } faelle[] = {
        {true, grenze, true},   {true, grenze + 1, false},  {true, -grenze, true},
        {true, kMin, false},    {false, grenze, true},      {false, grenze + 1, false},
        {false, -grenze - 1, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(::testing::Message() << (f.einnahme ? "Einnahme " : "Ausgabe ") << f.raw);
        CErfassungsZeile z;
        z.Bezeichnung = "Verkauf";
        CBuchungsErfassung::WendeEinAusAn(z, f.einnahme ? 1 : -1);
        (f.einnahme ? z.Einnahme : z.Ausgabe) = CBetrag(f.raw);
        CErfassteBuchung b;
        b.Tag = 1;
        b.Zeilen.push_back(z);
        const auto fehler = CBuchungsErfassung::Pruefe(b, 2024, 3);
        if (f.erlaubt) {
            EXPECT_FALSE(fehler.has_value());
            continue;
        }
        ASSERT_TRUE(fehler.has_value());
        EXPECT_EQ(fehler->Meldung, "Der Betrag ist zu gro\xDF (h\xF6" "chstens 999.999.999,99).");
        EXPECT_EQ(fehler->Zeile, 0);
        EXPECT_EQ(fehler->Spalte, f.einnahme ? 4 : 5);
    }
}

} // namespace
