#pragma once
// The main window's data-access interface: grids, master-data dialogs,
// reports and the export reach the open cash book only through it. Each
// getter has a const twin for those that only read, so a reader cannot
// change the cash book by mistake.
#include "core/CDatum.h"

class IDatumAuswahl;
class CBuchungen;
class CBelegtexte;
class CFirma;
class CProtokoll;
class CSteuersaetze;

// How the booking being typed is settled before anything else happens.
enum class SettleMode {
    Commit = 0,   // book it without asking
    Ask = 1,      // ask "Wollen Sie die aktuellen Änderungen speichern?" when it has changes
    Discard = 2,  // drop it without asking
};

class CDatenZugriff {
public:
    virtual ~CDatenZugriff() = default;
    virtual IDatumAuswahl* GetDatumAuswahl() = 0;
    virtual const IDatumAuswahl* GetDatumAuswahl() const = 0;
    virtual CBuchungen* GetBuchungen() = 0;      // null while no cash book is open
    virtual const CBuchungen* GetBuchungen() const = 0;
    virtual CBelegtexte* GetBelegtexte() = 0;    // null while no cash book is open
    virtual const CBelegtexte* GetBelegtexte() const = 0;
    virtual CFirma* GetFirma() = 0;              // null while no cash book is open
    virtual const CFirma* GetFirma() const = 0;
    virtual CSteuersaetze* GetSteuersaetze() = 0;
    virtual const CSteuersaetze* GetSteuersaetze() const = 0;
    // false when the user cancelled or the booking did not validate.
    virtual bool SettlePendingEntry(SettleMode mode, bool reselect) = 0;
    virtual void SetAvailable(bool available) = 0;
    // The booking log while the open cash book locks its bookings (GoBD),
    // else null: bookings are then reversed instead of changed or deleted.
    virtual const CProtokoll* GetProtokoll() const { return nullptr; }
    // The last day a daily close has locked, a null date when none is.
    virtual CDatum GetGesperrtBis() const { return CDatum(); }
};
