#pragma once
// Every command of the main window, declared once: the menus, the toolbar
// buttons, the push buttons of the working surface, the keys of the
// keyboard table and the enabling rules are all built from these rows (see
// CHauptfensterAktionen and CTastaturFilter). A new command is one row
// here, with its handler, and whatever class it opens.
#include "mainwindow/ToolbarIcons.h"

#include <span>

class CKassenbuchDlg;

enum class Menue { Keines, Datei, Stammdaten, Auswertungen, Einstellungen, Hilfe };

// When a command can be used; applied to its action and its button.
enum class Freigabe {
    Immer,
    Offen,          // a cash book is open
    Geladen,        // the date selector's loaded flag
    Geaendert,      // a cash book is open and has unsaved changes
    Erfassung,      // a booking is open in the entry grid
    Ruhig,          // a cash book is open and the open booking has no changes
    GoBD,           // a cash book with locked bookings is open
    Festschreibbar, // a cash book is open whose bookings are not locked yet
    Korrigierbar,   // as Ruhig, with locked bookings that may change
};

// When the keyboard filter acts on a command's keys.
enum class Tastenregel {
    Immer,
    OhneAenderungen,  // only while the open booking has no changes
};

struct CBefehl {
    const char* name;                  // object name of the action, or of the button without one
    const char* text = nullptr;        // menu text without the shortcut ("&Neu...")
    Menue menue = Menue::Keines;
    bool trennerDavor = false;         // a separator before it in its menu
    const char* tasten = nullptr;      // "Ctrl+N", several separated by "; "
    // true: the first key is the action's own shortcut and the menu shows
    // it; false: the keyboard filter looks after the keys.
    bool tasteImMenue = false;
    Tastenregel tastenregel = Tastenregel::Immer;
    const char* tipp = nullptr;        // tooltip before the shortcut; nullptr: the menu text
    // Toolbar place: the tens are the group (separators between groups),
    // the units the order in it; 0: not on the bar.
    int leiste = 0;
    ToolbarIcon symbol = ToolbarIcon::New;
    const char* knopf = nullptr;       // object name of its push button on the working surface
    Freigabe freigabe = Freigabe::Immer;
    const char* option = nullptr;      // an "&Einstellungen" option: checkable, toggles that flag
    void (*ausfuehren)(CKassenbuchDlg&) = nullptr;  // nullptr: does nothing yet
};

std::span<const CBefehl> Befehlstabelle();
