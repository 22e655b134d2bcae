// The journal: index checks with the program's texts, insertion order,
// line handling, and sums by mode and date, including days of a clock
// change and the running balance stepped by calendar day.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/CBuchungen.h"
#include "core/CFehler.h"

#include "ErrorOf.h"

namespace {

const std::string kIndex = "GetItem: Index ung\xFCltig";
const std::string kZeile = "GetItem: Buchungssatz-Index ung\xFCltig";

// Appends a booking with one line.
int Add(CBuchungen& j, CDatum datum, std::int64_t einnahme, std::int64_t ausgabe,
        const std::string& text = "Umsatz")
{
    const int i = j.AddItem();
    j.GetItem(i).Datum = datum;
    const int z = j.AddLine(i);
    CBuchungszeile& line = j.GetItem(i, z);
    line.Bezeichnung = text;
    line.Einnahme = CBetrag(einnahme);
    line.Ausgabe = CBetrag(ausgabe);
    return i;
}

} // namespace

TEST(BuchungenTest, EmptyJournal)
{
    CBuchungen j;
    const CDatum d = CDatum::FromYMD(2004, 3, 7);
    EXPECT_EQ(j.GetCount(), 0);
    for (SumMode m : {SumMode::Income, SumMode::Net, SumMode::Expense}) {
        EXPECT_EQ(j.GetDaySum(d, m).Raw(), 0);
        EXPECT_EQ(j.GetSumBefore(d, m).Raw(), 0);
        EXPECT_EQ(j.GetRangeSum(CDatum(), d, m).Raw(), 0);
    }
    EXPECT_EQ(ErrorOf([&] { j.GetItem(0); }), kIndex);
    EXPECT_FALSE(j.HasLineText("Anfangsbestand"));
}

TEST(BuchungenTest, IndexChecksRaiseTheProgramsTexts)
{
    CBuchungen j;
    Add(j, CDatum::FromYMD(2004, 1, 2), 100, 0);
    const CBuchungen& cj = j;
    EXPECT_EQ(ErrorOf([&] { j.GetItem(-1); }), kIndex);
    EXPECT_EQ(ErrorOf([&] { cj.GetItem(1); }), kIndex);
    EXPECT_EQ(ErrorOf([&] { j.GetItem(1, 0); }), kIndex);    // record checked first
    EXPECT_EQ(ErrorOf([&] { j.GetItem(0, -1); }), kZeile);
    EXPECT_EQ(ErrorOf([&] { cj.GetItem(0, 1); }), kZeile);
    EXPECT_EQ(ErrorOf([&] { j.GetLineCount(1); }), kIndex);
    EXPECT_EQ(ErrorOf([&] { j.AddLine(-1); }), kIndex);
    EXPECT_EQ(ErrorOf([&] { j.RemoveLine(0, 1); }), kZeile);
    EXPECT_EQ(ErrorOf([&] { j.RemoveItem(1); }), kIndex);
    EXPECT_EQ(ErrorOf([&] { j.SetNotiz(2, "x"); }), kIndex);
    EXPECT_EQ(ErrorOf([&] { j.GetBezeichnung(0, 5); }), kZeile);
    EXPECT_EQ(ErrorOf([&] { j.GetLineSum(3, SumMode::Net); }), kIndex);
    // Nothing was changed by the failed calls.
    EXPECT_EQ(j.GetCount(), 1);
    EXPECT_EQ(j.GetLineCount(0), 1);
}

TEST(BuchungenTest, AddItemMakesAnEmptyRecordDatedNow)
{
    CBuchungen j;
    const CDatum before = CDatum::Now();
    EXPECT_EQ(j.AddItem(), 0);
    EXPECT_EQ(j.AddItem(), 1);
    const CBuchungssatz& s = j.GetItem(1);
    EXPECT_GE(s.Datum, before);
    EXPECT_LE(s.Datum, CDatum::Now());
    EXPECT_TRUE(s.RgNr.empty());
    EXPECT_TRUE(s.Notiz.empty());
    EXPECT_FALSE(s.Aufteilung);
    EXPECT_EQ(j.GetLineCount(1), 0);
    EXPECT_EQ(j.GetLineSum(1, SumMode::Net).Raw(), 0);

    EXPECT_EQ(j.AddLine(1), 0);
    const CBuchungszeile& z = j.GetItem(1, 0);
    EXPECT_TRUE(z.Bezeichnung.empty());
    EXPECT_EQ(z.Einnahme.Raw(), 0);
    EXPECT_EQ(z.Ausgabe.Raw(), 0);
    EXPECT_EQ(z.UStID, 0);
}

TEST(BuchungenTest, RemovingCloseTheGap)
{
    CBuchungen j;
    for (int k = 0; k < 10; ++k)
        j.SetNotiz(j.AddItem(), "Buchung " + std::to_string(k));
    j.RemoveItem(3);
    EXPECT_EQ(j.GetCount(), 9);
    EXPECT_EQ(j.GetNotiz(3), "Buchung 4");
    EXPECT_EQ(j.GetNotiz(8), "Buchung 9");

    const int i = j.AddItem();
    for (int k = 0; k < 4; ++k)
        j.SetNotiz(i, j.AddLine(i), "Zeile " + std::to_string(k));
    j.RemoveLine(i, 1);
    EXPECT_EQ(j.GetLineCount(i), 3);
    EXPECT_EQ(j.GetNotiz(i, 1), "Zeile 2");
    j.Clear();
    EXPECT_EQ(j.GetCount(), 0);
}

TEST(BuchungenTest, TextAccessorsStoreNullAsEmpty)
{
    CBuchungen j;
    const int i = j.AddItem();
    j.AddLine(i);
    j.SetRgNr(i, "RG-17");
    j.SetNotiz(i, "Kasse");
    j.SetNotiz(i, 0, "Teil");
    EXPECT_EQ(j.GetRgNr(i), "RG-17");
    EXPECT_EQ(j.GetNotiz(i), "Kasse");
    EXPECT_EQ(j.GetNotiz(i, 0), "Teil");
    j.SetRgNr(i, static_cast<const char*>(nullptr));
    j.SetNotiz(i, static_cast<const char*>(nullptr));
    j.SetNotiz(i, 0, static_cast<const char*>(nullptr));
    EXPECT_EQ(j.GetRgNr(i), "");
    EXPECT_EQ(j.GetNotiz(i), "");
    EXPECT_EQ(j.GetNotiz(i, 0), "");
}

TEST(BuchungenTest, HasLineTextComparesBytesExactly)
{
    CBuchungen j;
    Add(j, CDatum::FromYMD(2004, 1, 1), 0, 0, "Wareneinkauf");
    Add(j, CDatum::FromYMD(2004, 1, 1), 100, 0, "Anfangsbestand");
    EXPECT_TRUE(j.HasLineText("Anfangsbestand"));
    EXPECT_FALSE(j.HasLineText("anfangsbestand"));
    EXPECT_FALSE(j.HasLineText("Anfangsbestand "));
    j.RemoveItem(1);
    EXPECT_FALSE(j.HasLineText("Anfangsbestand"));
}

TEST(BuchungenTest, SumModes)
{
    CBuchungen j;
    const int i = Add(j, CDatum::FromYMD(2004, 3, 7), 100, 30);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Income).Raw(), 100);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Net).Raw(), 70);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Expense).Raw(), -30);
    EXPECT_EQ(j.GetLineSum(i, static_cast<SumMode>(5)).Raw(), 70);  // anything else is Net
    EXPECT_EQ(j.GetLineSum(i, static_cast<SumMode>(-2)).Raw(), 70);

    // A split booking sums all its lines.
    const int k = j.AddLine(i);
    j.GetItem(i, k).Einnahme = CBetrag(5);
    j.GetItem(i, k).Ausgabe = CBetrag(1000);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Income).Raw(), 105);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Net).Raw(), -925);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Expense).Raw(), -1030);
}

TEST(BuchungenTest, TimeOfDayCountsByExactMoment)
{
    CBuchungen j;
    const CDatum day = CDatum::FromYMD(2004, 3, 7);
    Add(j, day, 100, 0);
    Add(j, CDatum(day.Seconds() + 9 * 3600), 1000, 0); // still carries 09:00
    EXPECT_EQ(j.GetDaySum(day, SumMode::Income).Raw(), 100);
    EXPECT_EQ(j.GetRangeSum(day, day, SumMode::Income).Raw(), 100);
    EXPECT_EQ(j.GetSumBefore(day.NextDay(), SumMode::Income).Raw(), 1100);
    EXPECT_EQ(j.GetSumBefore(day, SumMode::Income).Raw(), 0);
    EXPECT_EQ(j.GetRangeSum(day, CDatum::FromLocal(2004, 3, 7, 23, 59, 59), SumMode::Income).Raw(), 1100);
}

TEST(BuchungenTest, RangeOfOneDayEqualsDaySum)
{
    CBuchungen j;
    CDatum d = CDatum::FromYMD(2004, 3, 1);
    for (int k = 0; k < 40; ++k, d = d.NextDay())
        Add(j, d, 100 * k, 7 * k);
    for (CDatum s = CDatum::FromYMD(2004, 3, 1); s < d; s = s.NextDay())
        for (SumMode m : {SumMode::Income, SumMode::Net, SumMode::Expense})
            EXPECT_EQ(j.GetRangeSum(s, s, m), j.GetDaySum(s, m)) << s.ToDisplay();
}

TEST(BuchungenTest, RangeEndsAndExtremes)
{
    CBuchungen j;
    Add(j, CDatum(-5), 1, 0);                 // before 1970
    Add(j, CDatum::FromYMD(2004, 3, 1), 10, 0);
    Add(j, CDatum(INT64_MAX), 100, 0);
    const CDatum s = CDatum::FromYMD(2004, 3, 1);
    EXPECT_EQ(j.GetRangeSum(CDatum(INT64_MIN), CDatum(INT64_MAX), SumMode::Income).Raw(), 111);
    EXPECT_EQ(j.GetRangeSum(CDatum(-5), CDatum(-5), SumMode::Income).Raw(), 1);
    EXPECT_EQ(j.GetRangeSum(s, CDatum(INT64_MAX), SumMode::Income).Raw(), 110);
    EXPECT_EQ(j.GetRangeSum(s.NextDay(), s, SumMode::Income).Raw(), 0); // reversed: empty
    EXPECT_EQ(j.GetSumBefore(s, SumMode::Income).Raw(), 1);
    EXPECT_EQ(j.GetSumBefore(CDatum(INT64_MAX), SumMode::Income).Raw(), 11);
}

TEST(BuchungenTest, MonthSumsAcrossClockChanges)
{
    for (int month : {3, 10}) {
        SCOPED_TRACE(month);
        CBuchungen j;
        Add(j, CDatum::FromYMD(2004, month - 1, 28), 5000000, 0); // carry-over
        std::int64_t income = 0, expense = 0;
        for (int day = 1; day <= 31; ++day) {
            Add(j, CDatum::FromYMD(2004, month, day), 10000 * day, 0);
            Add(j, CDatum::FromYMD(2004, month, day), 0, 3000 * day);
            income += 10000 * day;
            expense += 3000 * day;
        }
        Add(j, CDatum::FromYMD(2004, month + 1, 1), 999, 999);
        const CDatum s = CDatum::FromYMD(2004, month, 1);
        const CDatum e = CDatum::FromLocal(2004, month, 31, 23, 59, 59);
        EXPECT_EQ(j.GetSumBefore(s, SumMode::Net).Raw(), 5000000);
        EXPECT_EQ(j.GetRangeSum(s, e, SumMode::Income).Raw(), income);
        EXPECT_EQ((j.GetRangeSum(s, e, SumMode::Expense) * CBetrag(-10000)).Raw(), expense);
        // The clock-change day itself.
        const CDatum change = CDatum::FromYMD(2004, month, month == 3 ? 28 : 31);
        const int d = change.Day();
        EXPECT_EQ(j.GetDaySum(change, SumMode::Net).Raw(), 7000 * d);
        EXPECT_EQ(j.GetDaySum(change.NextDay(), SumMode::Net).Raw(), month == 3 ? 7000 * 29 : 0);
    }
}

TEST(BuchungenTest, RunningBalanceVisitsEveryCalendarDayAcrossClockChanges)
{
    for (int month : {3, 10}) {
        SCOPED_TRACE(month);
        CBuchungen j;
        Add(j, CDatum::FromYMD(2004, month, 1), 1000000, 0);
        for (int day = 1; day <= 31; ++day)
            Add(j, CDatum::FromYMD(2004, month, day), 0, 10000);
        const CDatum s = CDatum::FromYMD(2004, month, 1);
        const CDatum e = CDatum::FromLocal(2004, month, 31, 23, 59, 59);
        int days = 0;
        j.WalkDailyBalance(s, e, [&](CDatum d, CBetrag balance) {
            ++days;
            EXPECT_EQ(d.Day(), days);
            EXPECT_EQ(d, d.Midnight());
            EXPECT_EQ(balance.Raw(), 1000000 - 10000 * days);
            return true;
        });
        EXPECT_EQ(days, 31);
        EXPECT_EQ(j.GetRunningBalance(s, CDatum::FromYMD(2004, month, 29)).Raw(), 1000000 - 290000);
        EXPECT_EQ(j.GetRunningBalance(s, e).Raw(), 1000000 - 310000);
    }
}

TEST(BuchungenTest, RunningBalanceFindsTheFirstNegativeDayAfterTheChange)
{
    // Carry-over 1,00; one payment of 0,50 on each of 28 and 29 March and
    // 30 March. Stepping by 86400 s from the 28th would miss every day after.
    CBuchungen j;
    Add(j, CDatum::FromYMD(2004, 3, 1), 10000, 0);
    for (int day : {28, 29, 30})
        Add(j, CDatum::FromYMD(2004, 3, day), 0, 5000);
    CDatum firstNegative;
    j.WalkDailyBalance(CDatum::FromYMD(2004, 3, 28), CDatum::FromLocal(2004, 3, 31, 23, 59, 59),
                       [&](CDatum d, CBetrag balance) {
                           if (balance.AsDouble() < 0.0) {
                               firstNegative = d;
                               return false;
                           }
                           return true;
                       });
    EXPECT_EQ(firstNegative, CDatum::FromYMD(2004, 3, 30));
}
