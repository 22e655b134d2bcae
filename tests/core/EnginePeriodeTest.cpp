// Periods of the main window: a day is its midnight alone, a month runs from
// the first midnight to 23:59:59 of its last day, also across the clock
// changes of Europe/Berlin (the test main sets TZ).
#include <gtest/gtest.h>

#include "core/CBuchungen.h"
#include "core/CKassenSummen.h"
#include "core/CPeriode.h"

namespace {

constexpr std::int64_t kTag = 86400;

int Buche(CBuchungen& j, CDatum datum, std::int64_t ein, std::int64_t aus)
{
    const int i = j.AddItem();
    j.GetItem(i).Datum = datum;
    const int z = j.AddLine(i);
    j.GetItem(i, z).Einnahme = CBetrag(ein);
    j.GetItem(i, z).Ausgabe = CBetrag(aus);
    return i;
}

} // namespace

TEST(EnginePeriode, MonthRunsFromFirstMidnightToLastSecondAcrossClockChanges)
{
    const CPeriode feb = CPeriode::Monat(2004, 2);
    EXPECT_EQ(feb.Start(), CDatum::FromYMD(2004, 2, 1));
    EXPECT_EQ(feb.Ende().Seconds() - feb.Start().Seconds(), 29 * kTag - 1); // leap year
    EXPECT_EQ(CPeriode::Monat(2005, 2).Ende(), CDatum::FromLocal(2005, 2, 28, 23, 59, 59));

    // March 2004 loses an hour on the 28th, October 2004 gains one on the 31st.
    const CPeriode maerz = CPeriode::Monat(2004, 3);
    EXPECT_EQ(maerz.Ende().Seconds() - maerz.Start().Seconds(), 31 * kTag - 3600 - 1);
    const CPeriode okt = CPeriode::Monat(2004, 10);
    EXPECT_EQ(okt.Ende().Seconds() - okt.Start().Seconds(), 31 * kTag + 3600 - 1);
    EXPECT_EQ(okt.Ende().Seconds() + 1, CDatum::FromYMD(2004, 11, 1).Seconds());

    const CPeriode dez = CPeriode::Aus(CDatum::FromYMD(2003, 12, 7), true);
    EXPECT_EQ(dez.Start(), CDatum::FromYMD(2003, 12, 1));
    EXPECT_EQ(dez.Ende().Seconds() + 1, CDatum::FromYMD(2004, 1, 1).Seconds());
}

TEST(EnginePeriode, DayIsItsMidnightAlone)
{
    const CDatum mitternacht = CDatum::FromYMD(2004, 3, 28); // 23-hour day
    const CPeriode tag = CPeriode::Aus(mitternacht, false);
    EXPECT_EQ(tag.Start(), mitternacht);
    EXPECT_EQ(tag.Ende(), mitternacht);
    EXPECT_TRUE(tag.Enthaelt(mitternacht));
    EXPECT_FALSE(tag.Enthaelt(CDatum(mitternacht.Seconds() + 1)));
    EXPECT_FALSE(tag.Enthaelt(CDatum(mitternacht.Seconds() - 1)));
    // A caller handing over a time of day still gets that day's midnight.
    EXPECT_EQ(CPeriode::Aus(CDatum::FromLocal(2004, 3, 28, 15, 0, 0), false).Start(), mitternacht);
    EXPECT_EQ(CPeriode::Tag(2004, 3, 28).Ende(), mitternacht);
}

TEST(EngineSummen, NoCashBookReadsZeroAndEmptyJournalToo)
{
    const CKassenSummen leer;
    EXPECT_EQ(leer.Kassenbestand().Raw(), 0);
    EXPECT_FALSE(leer.IstNegativ());
    CBuchungen j;
    const CKassenSummen s = CKassenSummen::Berechne(j, CPeriode::Monat(2004, 2));
    EXPECT_EQ(s.Uebertrag().Raw(), 0);
    EXPECT_EQ(s.Einnahmen().Raw(), 0);
    EXPECT_EQ(s.Ausgaben().Raw(), 0);
    EXPECT_EQ(s.Kassenbestand().Raw(), 0);
}

TEST(EngineSummen, CarryOverReceiptsPaymentsAndBalanceOfMonthAndDay)
{
    CBuchungen j;
    Buche(j, CDatum::FromYMD(2004, 1, 31), 1000000, 0);        // 100,00 before February
    Buche(j, CDatum::FromYMD(2004, 2, 1), 250000, 0);          // 25,00 in
    Buche(j, CDatum::FromYMD(2004, 2, 29), 0, 400000);         // 40,00 out, leap day
    Buche(j, CDatum::FromLocal(2004, 2, 29, 23, 59, 59), 10000, 0); // last second of the month
    Buche(j, CDatum::FromYMD(2004, 3, 1), 9990000, 0);         // after February

    const CKassenSummen feb = CKassenSummen::Berechne(j, CPeriode::Monat(2004, 2));
    EXPECT_EQ(feb.Uebertrag().Raw(), 1000000);
    EXPECT_EQ(feb.Einnahmen().Raw(), 260000);
    EXPECT_EQ(feb.Ausgaben().Raw(), 400000); // shown positive
    EXPECT_EQ(feb.Kassenbestand().Raw(), 1000000 + 260000 - 400000);

    // Daily: the booking at 23:59:59 belongs to no day, only to the month,
    // and the carry-over of the next day still counts it.
    const CKassenSummen tag = CKassenSummen::Berechne(j, CPeriode::Tag(2004, 2, 29));
    EXPECT_EQ(tag.Uebertrag().Raw(), 1250000);
    EXPECT_EQ(tag.Einnahmen().Raw(), 0);
    EXPECT_EQ(tag.Ausgaben().Raw(), 400000);
    EXPECT_EQ(tag.Kassenbestand().Raw(), 850000);
    const CKassenSummen maerz = CKassenSummen::Berechne(j, CPeriode::Tag(2004, 3, 1));
    EXPECT_EQ(maerz.Uebertrag().Raw(), 1000000 + 260000 - 400000);
}

TEST(EngineSummen, SmallestNegativeBalanceIsNegative)
{
    CBuchungen j;
    Buche(j, CDatum::FromYMD(2005, 6, 1), 0, 1); // -0,0001
    const CKassenSummen s = CKassenSummen::Berechne(j, CPeriode::Tag(2005, 6, 1));
    EXPECT_EQ(s.Kassenbestand().Raw(), -1);
    EXPECT_TRUE(s.IstNegativ());
    EXPECT_EQ(FormatBetrag(s.Kassenbestand(), 2, 1), "-0,00");

    Buche(j, CDatum::FromYMD(2005, 6, 1), 1, 0);
    EXPECT_FALSE(CKassenSummen::Berechne(j, CPeriode::Tag(2005, 6, 1)).IstNegativ());
}
