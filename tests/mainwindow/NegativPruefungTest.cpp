// The negative-cash check's walk through a period: the first day at whose
// end the balance is below zero, a recovery later in the month, the carry-
// over, and the days after the spring clock change (a 23-hour day).
#include "mainwindow/CNegativPruefung.h"

#include "core/CBuchungen.h"
#include "core/CPeriode.h"

#include <gtest/gtest.h>

namespace {

void Buche(CBuchungen& journal, CDatum datum, std::int64_t einnahme, std::int64_t ausgabe)
{
    const int i = journal.AddItem();
    journal.GetItem(i).Datum = datum;
    CBuchungszeile& zeile = journal.GetItem(i, journal.AddLine(i));
    zeile.Einnahme = CBetrag(einnahme);
    zeile.Ausgabe = CBetrag(ausgabe);
}

} // namespace

TEST(NegativPruefung, ReportsTheFirstNegativeDayOfTheMonthEvenAfterRecovery)
{
    CBuchungen journal;
    Buche(journal, CDatum::FromYMD(2004, 2, 20), 50000, 0);     // carry-over 5,00
    Buche(journal, CDatum::FromYMD(2004, 3, 10), 0, 50001);     // -0,0001 at the end of the 10th
    Buche(journal, CDatum::FromYMD(2004, 3, 12), 100000, 0);    // back above zero
    const auto tag = CNegativPruefung::ErsterNegativerTag(journal, CPeriode::Monat(2004, 3));
    ASSERT_TRUE(tag.has_value());
    EXPECT_EQ(*tag, CDatum::FromYMD(2004, 3, 10));
    EXPECT_EQ(CNegativPruefung::Warnung(*tag), "Der Bestand in der Kasse ist seit 10.03.2004 negativ.");

    // Daily: each day against its own end-of-day balance.
    EXPECT_FALSE(CNegativPruefung::ErsterNegativerTag(journal, CPeriode::Tag(2004, 3, 9)).has_value());
    EXPECT_EQ(CNegativPruefung::ErsterNegativerTag(journal, CPeriode::Tag(2004, 3, 11)),
              CDatum::FromYMD(2004, 3, 11));
    EXPECT_FALSE(CNegativPruefung::ErsterNegativerTag(journal, CPeriode::Tag(2004, 3, 12)).has_value());
    // A month that starts negative reports its first day.
    Buche(journal, CDatum::FromYMD(2004, 3, 31), 0, 200000);
    EXPECT_EQ(CNegativPruefung::ErsterNegativerTag(journal, CPeriode::Monat(2004, 4)),
              CDatum::FromYMD(2004, 4, 1));
}

TEST(NegativPruefung, DaysAfterTheSpringClockChangeAreNotSkipped)
{
    // Berlin moved to summer time on 28 March 2004: that day has 23 hours.
    CBuchungen journal;
    Buche(journal, CDatum::FromYMD(2004, 3, 29), 0, 1);
    EXPECT_EQ(CNegativPruefung::ErsterNegativerTag(journal, CPeriode::Monat(2004, 3)),
              CDatum::FromYMD(2004, 3, 29));
    // And the autumn change, 31 October 2004 (25 hours), in November.
    CBuchungen herbst;
    Buche(herbst, CDatum::FromYMD(2004, 10, 31), 100, 0);
    Buche(herbst, CDatum::FromYMD(2004, 11, 1), 0, 101);
    EXPECT_EQ(CNegativPruefung::ErsterNegativerTag(herbst, CPeriode::Monat(2004, 11)),
              CDatum::FromYMD(2004, 11, 1));
    EXPECT_FALSE(CNegativPruefung::ErsterNegativerTag(herbst, CPeriode::Monat(2004, 10)).has_value());
}

TEST(NegativPruefung, AnEmptyJournalIsNeverNegative)
{
    CBuchungen journal;
    EXPECT_FALSE(CNegativPruefung::ErsterNegativerTag(journal, CPeriode::Monat(2004, 2)).has_value());
}
