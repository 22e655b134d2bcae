#pragma once
// The main window's keyboard table, looked at before any control of the
// window sees the key: Esc discards the booking being typed, Page Up/Down
// and Home step the date, Ctrl+J/M/T jump to the year, month and day
// lists, Ctrl+P starts the cash report, Ctrl+G the booking generator.
// Enter always goes on to the focused control. Keys that go to another
// window (a message box, an open drop-down list) are left alone. The
// other Ctrl shortcuts are those of the window's actions.
#include <QObject>

class QWidget;

class CTastaturFilter : public QObject {
    Q_OBJECT
public:
    // What the keys act on.
    class Ziel {
    public:
        virtual ~Ziel() = default;
        virtual int EntryState() const = 0;
        virtual void DiscardEntry() = 0;       // Esc with a booking open
        virtual void DateToday() = 0;
        virtual void DatePrevious() = 0;
        virtual void DateNext() = 0;
        virtual void FocusYearList() = 0;
        virtual void FocusMonthList() = 0;
        virtual void FocusDayList() = 0;
        virtual void CashReport() = 0;         // Ctrl+P
        virtual void Generator() = 0;          // Ctrl+G
    };

    // Watches every key of the application that is meant for window; the
    // owner keeps the filter no longer than the window.
    CTastaturFilter(QWidget& window, Ziel& ziel);
    ~CTastaturFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // true when the key was handled and must go no further.
    bool Handle(int key, Qt::KeyboardModifiers modifiers);

    QWidget& m_window;
    Ziel& m_ziel;
};
