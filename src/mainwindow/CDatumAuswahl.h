#pragma once
// The toolbar at the top of the main window: the program's command buttons
// and the year, month and day lists that pick the date the whole window
// works on, with "Heute", "Vorheriges Datum" and "Nächstes Datum" and the
// daily/monthly mode. It tells the window about every change of the date
// or mode with dateChanged().
//
// The command buttons are the main window's own actions (handed in with
// AddCommandActions), so enabling a command in the window enables its
// button. The three date buttons belong to the bar and follow Enable().
#include "common/IDatumAuswahl.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QToolBar>

#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;

class CDatumAuswahl : public QToolBar, public IDatumAuswahl {
    Q_OBJECT
public:
    // Today's date; tests pin it, the program uses the system date.
    using Clock = std::function<QDate()>;

    // Fills the year list from 2000 to the clock's year + 1 and selects today.
    explicit CDatumAuswahl(QWidget* parent = nullptr, Clock clock = Clock());

    // Puts the window's command actions in front of the date lists, in
    // order; nullptr stands for a separator. Call it once.
    void AddCommandActions(const std::vector<QAction*>& actions);

    // Replaces the clock and stretches the year list to its year + 1; the
    // selection stays (call Today to move to the new today).
    void SetClock(Clock clock);
    // Today by the clock.
    QDate Heute() const { return m_clock(); }

    // IDatumAuswahl
    int GetDay() const override;
    int GetMonth() const override;
    int GetYear() const override;
    CDatum GetDate() const override;   // no date (0) while no year is selected
    int GetDaysOfMonth() const override;
    bool IsMonthMode() const override { return m_monthMode; }

    // The date buttons; each notifies once.
    void Today();
    void Previous();  // a month back in monthly mode, else a day
    void Next();
    // One month or one day back (s < 0) or on (s > 0), staying inside the
    // year list: before its first January the bar wraps to December of the
    // same year, after its last December to January. Notifies unless s is 0.
    void StepMonth(int s);
    void StepDay(int s);

    // Monthly mode shows whole months and switches the day list off.
    // Notifies when the mode changes.
    void SetMonthMode(bool monthly);
    // Date navigation on or off (off while a booking with changes is open
    // or no cash book is loaded).
    void Enable(bool enabled);
    void SetLoaded(bool loaded);
    bool IsLoaded() const { return m_loaded; }
    bool IsEnabledFlag() const { return m_enabled; }

    // Long month name of the list, 1-12.
    QString MonthName(int month) const;
    // The month names to show: those of the user's locale when it is a
    // German one (de_AT says "Jänner"), else the German ones.
    static QStringList MonthNames(const QLocale& userLocale);

    // For the window's keyboard shortcuts (focus a list, press a button).
    QComboBox* YearList() const { return m_yearList; }
    QComboBox* MonthList() const { return m_monthList; }
    QComboBox* DayList() const { return m_dayList; }
    QAction* TodayAction() const { return m_today; }
    QAction* PreviousAction() const { return m_previous; }
    QAction* NextAction() const { return m_next; }

signals:
    void dateChanged();

private:
    void BuildDateControls();
    void FillYears();
    void SelectYear(int year);        // only when the list has it
    void SelectMonth(int month);      // refills the day list in daily mode
    void SelectDay(int day);          // clamped to the list
    void RefillDays();
    void MoveMonth(int s);         // the steps without notifying
    void MoveDay(int s);
    void OnListPicked();
    void UpdateEnabling();

    Clock m_clock;
    QStringList m_monthNames;
    bool m_monthMode = false;
    bool m_loaded = true;
    bool m_enabled = true;
    bool m_commandsAdded = false;

    QAction* m_firstDateControl = nullptr;
    QLabel* m_yearLabel = nullptr;
    QComboBox* m_yearList = nullptr;
    QLabel* m_monthLabel = nullptr;
    QComboBox* m_monthList = nullptr;
    QLabel* m_dayLabel = nullptr;
    QComboBox* m_dayList = nullptr;
    QAction* m_today = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_next = nullptr;
};
