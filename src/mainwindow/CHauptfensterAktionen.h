#pragma once
// The main window's commands made from the command table: one QAction per
// menu row (object name, German text with the shortcut after a tab,
// shortcut, tooltip, icon), the menu bar "&Datei", "&Stammdaten",
// "&Auswertungen", "&Einstellungen", "&?", the toolbar buttons, the push
// buttons of the working surface wired to the same handlers, and the
// enabling of all of them from one state. The recent-file items of
// "&Datei" are added as the history grows; they are never removed, only
// renamed.
#include "bookinggrids/EntryState.h"
#include "mainwindow/CBefehlstabelle.h"

#include <QObject>

#include <functional>
#include <vector>

class CKassenbuchDlg;
class QAbstractButton;
class QAction;
class QMenu;
class QWidget;

// What the enabling rules look at.
struct CFreigabeZustand {
    bool offen = false;       // a cash book is open
    bool geaendert = false;   // its modified flag
    bool geladen = false;     // the date selector's loaded flag
    EntryState eingabe = EntryState::Idle;
    bool gobd = false;        // its bookings are locked
    bool nurLesen = false;    // opened read-only: changed outside the program
};

class CHauptfensterAktionen : public QObject {
    Q_OBJECT
public:
    // The most recent-file items the menu holds.
    static constexpr int MaxRecent = 16;

    // Makes the actions (owned by the window) and its menu bar; `surface`
    // holds the push buttons the table names.
    CHauptfensterAktionen(CKassenbuchDlg& window, QWidget& surface);

    // The action of a row, by its name; null when it has none.
    QAction* Aktion(const char* name) const;
    // The toolbar's actions in order, nullptr where a separator goes.
    std::vector<QAction*> Leiste() const;

    // Enables every action and button by its row's rule.
    void Freigeben(const CFreigabeZustand& zustand);
    // Checks the "&Einstellungen" items as the settings say.
    void ZeigeOptionen();

    // Sets the text of recent-file item i ("actionRecent<i>"), inserting the
    // item after the items before it when it does not exist yet. Triggering
    // it calls the handler with i.
    void SetRecent(int i, const QString& text);
    int RecentCount() const { return static_cast<int>(m_recent.size()); }
    QAction* Recent(int i) const;
    void SetRecentHandler(std::function<void(int)> handler) { m_recentHandler = std::move(handler); }

private:
    // Whether a row may be used in that state.
    static bool Erlaubt(Freigabe freigabe, const CFreigabeZustand& zustand);
    // The menu text ("&Neu...\tStrg+N") and tooltip ("Legt eine neue
    // Datenbank an (Strg+N)") of a row, derived from its text, tip and first key.
    static QString MenueText(const CBefehl& befehl);
    static QString Tooltip(const CBefehl& befehl);
    // A key as the German menus write it ("Strg+N").
    static QString TasteDeutsch(const QKeySequence& key);

    void Run(const CBefehl& befehl);
    QMenu* MenuFor(Menue menue);

    CKassenbuchDlg& m_window;
    struct Eintrag {
        const CBefehl* befehl;
        QAction* aktion;
        QAbstractButton* knopf;
    };
    std::vector<Eintrag> m_eintraege;
    std::vector<QMenu*> m_menus;
    QMenu* m_datei = nullptr;
    QAction* m_vorBeenden = nullptr;  // the separator the recent items go before
    std::vector<QAction*> m_recent;
    std::function<void(int)> m_recentHandler;
};
