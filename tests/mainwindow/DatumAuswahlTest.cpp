// The toolbar's date selector: the year list follows the clock, stepping
// wraps inside the list at its ends, month lengths and leap days, monthly
// mode, enabling, and exactly one dateChanged per operation.
#include "mainwindow/CDatumAuswahl.h"

#include "core/CDatum.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

#include <memory>
#include <ostream>

// Readable dates in failure messages.
void PrintTo(const QDate& date, std::ostream* os)
{
    *os << date.toString(Qt::ISODate).toStdString();
}

namespace {

class DatumAuswahl : public ::testing::Test {
protected:
    // Builds the bar on a pinned "today".
    void Make(QDate today)
    {
        m_today = today;
        bar = std::make_unique<CDatumAuswahl>(nullptr, [this] { return m_today; });
        spy = std::make_unique<QSignalSpy>(bar.get(), &CDatumAuswahl::dateChanged);
    }
    // Selects a date the way the user can: by "Heute" on that day.
    void Go(QDate day)
    {
        m_today = day;
        bar->Today();
        spy->clear();
    }
    QDate Selected() const { return QDate(bar->GetYear(), bar->GetMonth(), bar->GetDay()); }
    // The user picks an entry of a list.
    void Pick(QComboBox* list, const QString& text)
    {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    int Signals() const { return static_cast<int>(spy->count()); }

    QDate m_today;
    std::unique_ptr<CDatumAuswahl> bar;
    std::unique_ptr<QSignalSpy> spy;
};

} // namespace

TEST_F(DatumAuswahl, YearListRunsFrom2000ToNextYearAndStartsOnToday)
{
    Make(QDate(2026, 5, 14));
    QComboBox* years = bar->YearList();
    ASSERT_EQ(years->count(), 28);
    EXPECT_EQ(years->itemText(0), QStringLiteral("2000"));
    EXPECT_EQ(years->itemText(27), QStringLiteral("2027"));
    EXPECT_EQ(Selected(), QDate(2026, 5, 14));
    EXPECT_EQ(bar->GetDate(), CDatum::FromYMD(2026, 5, 14));
    EXPECT_EQ(bar->DayList()->count(), 31);
    EXPECT_FALSE(bar->IsMonthMode());
    EXPECT_TRUE(bar->IsLoaded());
    EXPECT_TRUE(bar->IsEnabledFlag());

    EXPECT_EQ(bar->MonthList()->count(), 12);
    EXPECT_EQ(bar->MonthList()->currentText(), bar->MonthName(5));

    // A later clock stretches the list; the selection stays until "Heute".
    m_today = QDate(2031, 1, 2);
    bar->SetClock([this] { return m_today; });
    EXPECT_EQ(years->itemText(years->count() - 1), QStringLiteral("2032"));
    EXPECT_EQ(Selected(), QDate(2026, 5, 14));
    bar->Today();
    EXPECT_EQ(Selected(), QDate(2031, 1, 2));
}

TEST_F(DatumAuswahl, TodayBeforeTheListKeepsTheYear)
{
    // A clock before 2000 leaves no year to select: no valid date.
    Make(QDate(1999, 7, 15));
    EXPECT_EQ(bar->YearList()->count(), 1);
    EXPECT_EQ(bar->GetYear(), 0);
    EXPECT_TRUE(bar->GetDate().IsNull());
    EXPECT_EQ(bar->GetMonth(), 7);
    EXPECT_EQ(bar->GetDay(), 15);

    Make(QDate(2026, 5, 14));
    m_today = QDate(1999, 7, 15);
    bar->Today();
    EXPECT_EQ(Selected(), QDate(2026, 7, 15));
    EXPECT_EQ(Signals(), 1);
}

TEST_F(DatumAuswahl, DailyStepsWrapInsideTheYearListAtItsEnds)
{
    Make(QDate(2026, 6, 1));
    Go(QDate(2000, 1, 1));
    bar->Previous();
    EXPECT_EQ(Selected(), QDate(2000, 12, 31));  // no 1999 in the list
    bar->Next();
    EXPECT_EQ(Selected(), QDate(2001, 1, 1));    // 2001 is there

    Go(QDate(2027, 12, 31));  // last year of the list
    bar->Next();
    EXPECT_EQ(Selected(), QDate(2027, 1, 1));
    bar->Previous();
    EXPECT_EQ(Selected(), QDate(2026, 12, 31));

    // Inside the list the year changes as usual, and month lengths hold.
    Go(QDate(2003, 12, 31));
    bar->Next();
    EXPECT_EQ(Selected(), QDate(2004, 1, 1));
    Go(QDate(2004, 5, 1));
    bar->Previous();
    EXPECT_EQ(Selected(), QDate(2004, 4, 30));
    EXPECT_EQ(bar->DayList()->count(), 30);
    EXPECT_EQ(Signals(), 1);
}

TEST_F(DatumAuswahl, MonthlyStepsWrapInsideTheYearListAtItsEnds)
{
    Make(QDate(2026, 6, 1));
    bar->SetMonthMode(true);
    Go(QDate(2000, 1, 1));
    bar->Previous();
    EXPECT_EQ(bar->GetYear(), 2000);
    EXPECT_EQ(bar->GetMonth(), 12);
    Go(QDate(2027, 12, 1));
    bar->Next();
    EXPECT_EQ(bar->GetYear(), 2027);
    EXPECT_EQ(bar->GetMonth(), 1);
    bar->Previous();
    EXPECT_EQ(bar->GetMonth(), 12);
    EXPECT_EQ(bar->GetYear(), 2026);
    Go(QDate(2010, 12, 1));
    bar->Next();
    EXPECT_EQ(bar->GetYear(), 2011);
    EXPECT_EQ(bar->GetMonth(), 1);
}

TEST_F(DatumAuswahl, LeapDays)
{
    Make(QDate(2026, 6, 1));
    for (int year : {2000, 2004, 2024}) {
        Go(QDate(year, 2, 29));
        EXPECT_EQ(Selected(), QDate(year, 2, 29)) << year;
        EXPECT_EQ(bar->DayList()->count(), 29) << year;
        EXPECT_EQ(bar->GetDate(), CDatum::FromYMD(year, 2, 29)) << year;
    }
    // The user picks 2003: February ends at 28 and the 29th clamps.
    Go(QDate(2004, 2, 29));
    Pick(bar->YearList(), QStringLiteral("2003"));
    EXPECT_EQ(Selected(), QDate(2003, 2, 28));
    EXPECT_EQ(bar->DayList()->count(), 28);
    EXPECT_EQ(bar->GetDaysOfMonth(), 28);
    EXPECT_EQ(Signals(), 1);
    bar->Next();
    EXPECT_EQ(Selected(), QDate(2003, 3, 1));

    Go(QDate(2004, 3, 1));
    bar->Previous();
    EXPECT_EQ(Selected(), QDate(2004, 2, 29));

    // Picking a month with fewer days clamps the same way.
    Go(QDate(2005, 1, 31));
    Pick(bar->MonthList(), bar->MonthName(2));
    EXPECT_EQ(Selected(), QDate(2005, 2, 28));
    Pick(bar->DayList(), QStringLiteral("14"));
    EXPECT_EQ(Selected(), QDate(2005, 2, 14));
    EXPECT_EQ(Signals(), 2);
}

TEST_F(DatumAuswahl, MonthlyModeKeepsTheDayForTheWayBack)
{
    Make(QDate(2026, 6, 1));
    Go(QDate(2004, 3, 31));
    bar->SetMonthMode(true);
    EXPECT_TRUE(bar->IsMonthMode());
    EXPECT_FALSE(bar->DayList()->isEnabled());
    EXPECT_FALSE(bar->findChild<QLabel*>(QStringLiteral("labelTag"))->isEnabled());
    EXPECT_TRUE(bar->MonthList()->isEnabled());
    EXPECT_EQ(Signals(), 1);

    bar->Next();
    EXPECT_EQ(bar->GetMonth(), 4);
    EXPECT_EQ(bar->GetDaysOfMonth(), 30);
    EXPECT_EQ(bar->GetDate(), CDatum::FromYMD(2004, 4, 30));  // the day is clamped

    bar->SetMonthMode(false);
    EXPECT_EQ(Selected(), QDate(2004, 4, 30));
    EXPECT_EQ(bar->DayList()->count(), 30);
    EXPECT_TRUE(bar->DayList()->isEnabled());
    EXPECT_EQ(Signals(), 3);

    // Setting the mode it already has changes nothing and says nothing.
    bar->SetMonthMode(false);
    EXPECT_EQ(Signals(), 3);
}

TEST_F(DatumAuswahl, EveryOperationNotifiesExactlyOnce)
{
    Make(QDate(2026, 6, 15));
    bar->Today();
    EXPECT_EQ(Signals(), 1);
    bar->Previous();
    bar->Next();
    EXPECT_EQ(Signals(), 3);
    bar->StepMonth(0);
    bar->StepDay(0);
    EXPECT_EQ(Signals(), 3);
    bar->StepDay(5);  // one day at most
    EXPECT_EQ(Selected(), QDate(2026, 6, 16));
    bar->StepMonth(-7);  // one month at most
    EXPECT_EQ(Selected(), QDate(2026, 5, 16));
    EXPECT_EQ(Signals(), 5);
    bar->TodayAction()->trigger();
    EXPECT_EQ(Selected(), QDate(2026, 6, 15));
    bar->findChild<QAction*>(QStringLiteral("actionNaechstesDatum"))->trigger();
    bar->findChild<QAction*>(QStringLiteral("actionVorherigesDatum"))->trigger();
    EXPECT_EQ(Signals(), 8);
    bar->SetMonthMode(true);
    bar->Enable(false);
    bar->SetLoaded(true);
    EXPECT_EQ(Signals(), 9);
}

TEST_F(DatumAuswahl, EnableAndLoadedSwitchTheLists)
{
    Make(QDate(2026, 6, 15));
    auto* yearLabel = bar->findChild<QLabel*>(QStringLiteral("labelJahr"));
    auto* monthLabel = bar->findChild<QLabel*>(QStringLiteral("labelMonat"));
    ASSERT_TRUE(yearLabel && monthLabel);

    bar->Enable(false);
    EXPECT_FALSE(bar->IsEnabledFlag());
    EXPECT_TRUE(bar->IsLoaded());
    for (QWidget* w : {static_cast<QWidget*>(bar->YearList()), static_cast<QWidget*>(bar->MonthList()),
                       static_cast<QWidget*>(bar->DayList()), static_cast<QWidget*>(yearLabel),
                       static_cast<QWidget*>(monthLabel)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_FALSE(bar->TodayAction()->isEnabled());
    EXPECT_FALSE(bar->PreviousAction()->isEnabled());
    EXPECT_FALSE(bar->NextAction()->isEnabled());

    // Monthly mode: enabling leaves the day list off.
    bar->SetMonthMode(true);
    EXPECT_FALSE(bar->DayList()->isEnabled());
    bar->Enable(true);
    EXPECT_TRUE(bar->YearList()->isEnabled());
    EXPECT_TRUE(monthLabel->isEnabled());
    EXPECT_FALSE(bar->DayList()->isEnabled());
    EXPECT_TRUE(bar->NextAction()->isEnabled());
    // Back to daily while disabled: the day list stays off too.
    bar->Enable(false);
    bar->SetMonthMode(false);
    EXPECT_FALSE(bar->DayList()->isEnabled());

    bar->SetLoaded(true);
    EXPECT_TRUE(bar->IsLoaded());
    EXPECT_TRUE(bar->DayList()->isEnabled());
    bar->SetLoaded(false);
    EXPECT_FALSE(bar->IsLoaded());
    EXPECT_FALSE(bar->IsEnabledFlag());
    EXPECT_FALSE(bar->MonthList()->isEnabled());
}

TEST(DatumAuswahlMonthNames, GermanLocalesKeepTheirNamesOthersGetGerman)
{
    EXPECT_EQ(CDatumAuswahl::MonthNames(QLocale(QStringLiteral("de_AT"))).first(), QStringLiteral("Jänner"));
    const QStringList german = CDatumAuswahl::MonthNames(QLocale(QStringLiteral("de_DE")));
    ASSERT_EQ(german.size(), 12);
    EXPECT_EQ(german[0], QStringLiteral("Januar"));
    EXPECT_EQ(german[2], QStringLiteral("März"));
    EXPECT_EQ(german[11], QStringLiteral("Dezember"));
    EXPECT_EQ(CDatumAuswahl::MonthNames(QLocale(QStringLiteral("en_US"))), german);
    EXPECT_EQ(CDatumAuswahl::MonthNames(QLocale(QStringLiteral("de_CH"))).first(), QStringLiteral("Januar"));
}
