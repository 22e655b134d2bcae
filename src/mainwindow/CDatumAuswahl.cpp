#include "mainwindow/CDatumAuswahl.h"

#include "core/CDatum.h"
#include "mainwindow/ToolbarIcons.h"
#include "platform/Monatsnamen.h"

#include <QAction>
#include <QComboBox>
#include <QFont>
#include <QLabel>

#include <algorithm>

namespace {

constexpr int kFirstYear = 2000;

QAction* MakeAction(QObject* parent, ToolbarIcon icon, const QString& text, const char* name)
{
    auto* action = new QAction(MakeToolbarIcon(icon), text, parent);
    action->setToolTip(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

CDatumAuswahl::CDatumAuswahl(QWidget* parent, Clock clock)
    : QToolBar(parent)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDate::currentDate(); }))
    , m_monthNames(MonthNames(QLocale::system()))
{
    setObjectName(QStringLiteral("toolBarDatumAuswahl"));
    setWindowTitle(QStringLiteral("Symbolleiste"));
    setMovable(false);
    setFloatable(false);
    BuildDateControls();
    Today();
}

QStringList CDatumAuswahl::MonthNames(const QLocale& userLocale)
{
    return Monatsnamen::Alle(userLocale);
}

QString CDatumAuswahl::MonthName(int month) const
{
    return month >= 1 && month <= 12 ? m_monthNames[month - 1] : QString();
}

void CDatumAuswahl::BuildDateControls()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);

    auto label = [&](const QString& text, const char* name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setFont(font);
        l->setContentsMargins(0, 0, 4, 0);
        return l;
    };
    auto list = [&](const char* name, int visibleItems) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setFont(font);
        c->setMaxVisibleItems(visibleItems);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        // activated() comes only from the user, never from our own
        // selections, so it is exactly "the user picked something".
        connect(c, &QComboBox::activated, this, &CDatumAuswahl::OnListPicked);
        return c;
    };

    m_firstDateControl = addSeparator();

    m_yearLabel = label(QStringLiteral("Jahr"), "labelJahr");
    m_yearList = list("comboJahr", 10);
    m_monthLabel = label(QStringLiteral(" Monat"), "labelMonat");
    m_monthList = list("comboMonat", 12);
    m_dayLabel = label(QStringLiteral(" Tag"), "labelTag");
    m_dayList = list("comboTag", 16);
    for (QWidget* w : std::initializer_list<QWidget*>{m_yearLabel, m_yearList, m_monthLabel, m_monthList,
                                                      m_dayLabel, m_dayList})
        addWidget(w);

    FillYears();
    m_monthList->addItems(m_monthNames);
    m_monthList->setCurrentIndex(0);
    RefillDays();

    addSeparator();
    m_today = MakeAction(this, ToolbarIcon::Today, QStringLiteral("Heute"), "actionHeute");
    m_previous = MakeAction(this, ToolbarIcon::Previous, QStringLiteral("Vorheriges Datum"),
                            "actionVorherigesDatum");
    m_next = MakeAction(this, ToolbarIcon::Next, QStringLiteral("Nächstes Datum"), "actionNaechstesDatum");
    connect(m_today, &QAction::triggered, this, &CDatumAuswahl::Today);
    connect(m_previous, &QAction::triggered, this, &CDatumAuswahl::Previous);
    connect(m_next, &QAction::triggered, this, &CDatumAuswahl::Next);
    addAction(m_today);
    addAction(m_previous);
    addAction(m_next);
}

void CDatumAuswahl::AddCommandActions(const std::vector<QAction*>& actions)
{
    if (m_commandsAdded)
        return;
    m_commandsAdded = true;
    for (QAction* action : actions) {
        if (action)
            insertAction(m_firstDateControl, action);
        else
            insertSeparator(m_firstDateControl);
    }
}

void CDatumAuswahl::FillYears()
{
    const int selected = GetYear();
    const int last = std::max(kFirstYear, m_clock().year() + 1);
    m_yearList->clear();
    for (int y = kFirstYear; y <= last; ++y)
        m_yearList->addItem(QString::number(y));
    m_yearList->setCurrentIndex(-1);
    SelectYear(selected);
}

void CDatumAuswahl::SetClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock([] { return QDate::currentDate(); });
    FillYears();
}

int CDatumAuswahl::GetYear() const
{
    return m_yearList->currentIndex() < 0 ? 0 : m_yearList->currentText().toInt();
}

int CDatumAuswahl::GetMonth() const
{
    return std::max(0, m_monthList->currentIndex()) + 1;
}

int CDatumAuswahl::GetDay() const
{
    return std::max(0, m_dayList->currentIndex()) + 1;
}

int CDatumAuswahl::GetDaysOfMonth() const
{
    return DaysOfMonth(GetYear(), GetMonth());
}

CDatum CDatumAuswahl::GetDate() const
{
    const int year = GetYear();
    if (year == 0)
        return CDatum();
    return CDatum::FromYMD(year, GetMonth(), std::clamp(GetDay(), 1, GetDaysOfMonth()));
}

void CDatumAuswahl::SelectYear(int year)
{
    const int index = m_yearList->findText(QString::number(year));
    if (index >= 0)
        m_yearList->setCurrentIndex(index);
}

void CDatumAuswahl::SelectMonth(int month)
{
    m_monthList->setCurrentIndex(std::clamp(month, 1, 12) - 1);
    // In monthly mode the day list keeps its old length and selection, so
    // going back to daily mode returns to the day the user had.
    if (!m_monthMode)
        RefillDays();
}

void CDatumAuswahl::SelectDay(int day)
{
    m_dayList->setCurrentIndex(std::clamp(day, 1, std::max(1, m_dayList->count())) - 1);
}

void CDatumAuswahl::RefillDays()
{
    const int previous = m_dayList->currentIndex() < 0 ? 1 : GetDay();
    const int days = GetDaysOfMonth();
    if (m_dayList->count() != days) {
        m_dayList->clear();
        for (int d = 1; d <= days; ++d)
            m_dayList->addItem(QString::number(d));
    }
    SelectDay(previous);
}

void CDatumAuswahl::MoveMonth(int s)
{
    s = std::clamp(s, -1, 1);
    if (s == 0)
        return;
    int month = GetMonth() + s;
    // The year list has an end on either side; there the month wraps
    // inside the same year rather than leaving the list.
    if (month < 1) {
        SelectYear(GetYear() - 1);
        month = 12;
    } else if (month > 12) {
        SelectYear(GetYear() + 1);
        month = 1;
    }
    SelectMonth(month);
}

void CDatumAuswahl::MoveDay(int s)
{
    s = std::clamp(s, -1, 1);
    if (s == 0)
        return;
    const int day = GetDay() + s;
    if (day < 1) {
        MoveMonth(-1);
        SelectDay(GetDaysOfMonth());
    } else if (day > GetDaysOfMonth()) {
        MoveMonth(1);
        SelectDay(1);
    } else {
        SelectDay(day);
    }
}

void CDatumAuswahl::Today()
{
    const QDate today = m_clock();
    SelectYear(today.year());
    SelectMonth(today.month());
    if (!m_monthMode)
        SelectDay(today.day());
    emit dateChanged();
}

void CDatumAuswahl::Previous()
{
    if (m_monthMode)
        MoveMonth(-1);
    else
        MoveDay(-1);
    emit dateChanged();
}

void CDatumAuswahl::Next()
{
    if (m_monthMode)
        MoveMonth(1);
    else
        MoveDay(1);
    emit dateChanged();
}

void CDatumAuswahl::StepMonth(int s)
{
    if (std::clamp(s, -1, 1) == 0)
        return;
    MoveMonth(s);
    emit dateChanged();
}

void CDatumAuswahl::StepDay(int s)
{
    if (std::clamp(s, -1, 1) == 0)
        return;
    MoveDay(s);
    emit dateChanged();
}

void CDatumAuswahl::OnListPicked()
{
    // A new year or month may change the length of the month.
    SelectMonth(GetMonth());
    emit dateChanged();
}

void CDatumAuswahl::SetMonthMode(bool monthly)
{
    if (monthly == m_monthMode)
        return;
    m_monthMode = monthly;
    UpdateEnabling();
    SelectMonth(GetMonth());
    emit dateChanged();
}

void CDatumAuswahl::Enable(bool enabled)
{
    m_enabled = enabled;
    UpdateEnabling();
}

void CDatumAuswahl::SetLoaded(bool loaded)
{
    Enable(loaded);
    m_loaded = loaded;
}

void CDatumAuswahl::UpdateEnabling()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_yearLabel, m_yearList, m_monthLabel, m_monthList})
        w->setEnabled(m_enabled);
    const bool days = m_enabled && !m_monthMode;
    m_dayLabel->setEnabled(days);
    m_dayList->setEnabled(days);
    m_today->setEnabled(m_enabled);
    m_previous->setEnabled(m_enabled);
    m_next->setEnabled(m_enabled);
}
