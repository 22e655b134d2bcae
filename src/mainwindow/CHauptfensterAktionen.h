#pragma once
// Every command of the main window as a QAction, made in one place with its
// German menu text, shortcut and object name, and the menu bar built from
// them: "&Datei", "&Stammdaten", "&Auswertungen", "&Einstellungen", "&?".
// The recent-file items of "&Datei" are added here as the history grows;
// they are never removed, only renamed.
#include <QObject>

#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;

class CHauptfensterAktionen : public QObject {
    Q_OBJECT
public:
    // The most recent-file items the menu holds.
    static constexpr int MaxRecent = 16;

    // Makes the actions (owned by the window) and fills its menu bar.
    explicit CHauptfensterAktionen(QMainWindow& window);

    // "&Datei"
    QAction* neu = nullptr;
    QAction* oeffnen = nullptr;
    QAction* speichern = nullptr;
    QAction* speichernUnter = nullptr;
    QAction* schliessen = nullptr;
    QAction* exportieren = nullptr;
    QAction* beenden = nullptr;
    // "&Stammdaten"
    QAction* firma = nullptr;
    QAction* belegtexte = nullptr;
    QAction* umsatzsteuer = nullptr;
    // "&Auswertungen"
    QAction* kassenbericht = nullptr;
    QAction* statistik = nullptr;
    // "&Einstellungen": checkable, one per option flag
    QAction* autostart = nullptr;
    QAction* immerVorne = nullptr;
    QAction* schliessenInTray = nullptr;
    QAction* autosave = nullptr;
    QAction* negativPruefung = nullptr;
    // "&?"
    QAction* hilfe = nullptr;
    QAction* info = nullptr;

    QMenu* DateiMenu() const { return m_datei; }

    // Sets the text of recent-file item i ("actionRecent<i>"), inserting the
    // item after the items before it when it does not exist yet. Triggering
    // it calls the handler with i.
    void SetRecent(int i, const QString& text);
    int RecentCount() const { return static_cast<int>(m_recent.size()); }
    QAction* Recent(int i) const;
    void SetRecentHandler(std::function<void(int)> handler) { m_recentHandler = std::move(handler); }

private:
    QMainWindow& m_window;
    QMenu* m_datei = nullptr;
    QAction* m_vorBeenden = nullptr;  // the separator the recent items go before
    std::vector<QAction*> m_recent;
    std::function<void(int)> m_recentHandler;
};
