#pragma once
// The main window's keyboard table, looked at before any control of the
// window sees the key. The keys are those of the command table that the
// menus do not show (the menu keys are the actions' own shortcuts): Esc,
// the date keys, Ctrl+J/M/T, Ctrl+P, Ctrl+G, F1. Enter always goes on to
// the focused control. Keys that go to another window (a message box, an
// open drop-down list) are left alone.
#include "bookinggrids/EntryState.h"

#include <QKeyCombination>
#include <QObject>

#include <utility>
#include <vector>

struct CBefehl;
class QWidget;

class CTastaturFilter : public QObject {
    Q_OBJECT
public:
    // What the keys act on.
    class Fenster {
    public:
        virtual ~Fenster() = default;
        virtual EntryState GetEntryState() const = 0;
        virtual void RunCommand(const CBefehl& befehl) = 0;
    };

    // Watches every key of the application that is meant for window; the
    // owner keeps the filter no longer than the window.
    CTastaturFilter(QWidget& window, Fenster& fenster);
    ~CTastaturFilter() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The command a key stands for here, or nullptr.
    const CBefehl* CommandFor(QKeyCombination key) const;

private:
    // true when the key was handled and must go no further.
    bool Handle(QKeyCombination key);

    QWidget& m_window;
    Fenster& m_fenster;
    std::vector<std::pair<QKeyCombination, const CBefehl*>> m_tasten;
};
