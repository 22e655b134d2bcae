#pragma once
// How the main window behaves around the bookkeeping: the tray icon with
// its menu, hiding into the tray (by the close box when the user wants it
// so, by "/hide", by a double-click on the icon) and coming back, staying
// on top of other windows, and the autostart entry. It keeps the hidden
// flag; the settings are read at each use, so a change takes effect at
// once.
//
// Where the desktop has no tray, "hiding" minimises the window instead:
// the program never disappears where the user cannot get it back.
#include "common/CDatenZugriff.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

class CSettings;
class QAction;
class QMainWindow;
class QMenu;
class TrayIcon;

class CFensterVerhalten : public QObject {
    Q_OBJECT
public:
    static const char* const TrayTipp; // "Kuvex - das Kassenbuch"

    // What the behaviours need of the main window besides the widget.
    class Fenster {
    public:
        virtual ~Fenster() = default;
        virtual bool IsAvailable() const = 0;
        virtual bool SettlePendingEntry(SettleMode mode, bool reselect) = 0;
        // Runs a command of the command table by its object name.
        virtual void RunCommandNamed(const char* name) = 0;
    };

    CFensterVerhalten(Fenster& fenster, QMainWindow& window, CSettings& settings, TrayIcon& tray);
    ~CFensterVerhalten() override;

    // At start: the tray icon, and the window above others when the
    // setting says so.
    void Starte();
    // After an "&Einstellungen" toggle was stored.
    void OptionGeaendert(const char* option);

    // The window's close box: true when it hid the window (or refused to
    // while a dialog is open) instead of letting it close.
    bool SchliessenAbfangen();
    // Into the tray with the program's other windows (the help): only when
    // no dialog is open, the window is not hidden already and the booking
    // being typed could be settled.
    void Verstecken();
    // Back from the tray (ShowFromTray): restored with the windows it hid
    // (the help), on top again when the setting says so, in front.
    void Zeigen();
    // The tray's "Anzeigen": shown normally with the windows it hid; the
    // hidden flag stays.
    void Anzeigen();
    // A double-click on the tray icon: hidden, it shows; shown, it hides.
    void DoppelKlick();

    bool IsHidden() const { return m_hidden; }
    QMenu* TrayMenue() const { return m_menue; }

private:
    void WendeStayOnTopAn();
    void MenueOeffnet();
    QAction* Eintrag(const QString& text, const char* name);

    Fenster& m_fenster;
    QMainWindow& m_window;
    CSettings& m_settings;
    TrayIcon& m_tray;
    QMenu* m_menue = nullptr;
    QAction* m_oeffnen = nullptr;
    QAction* m_beenden = nullptr;
    bool m_hidden = false;
    std::vector<QPointer<QWidget>> m_versteckt; // hidden with the window, shown with it
};
