#pragma once
// The rules of booking entry, apart from any widget: what a booking being
// typed must contain before it may enter the journal, and how it is written
// there. The entry grid and `kuvex-cli add` both describe their booking as a
// CErfassteBuchung and hand it to this one engine, so a booking made on the
// command line is exactly the booking the grid would have made.
#include <optional>
#include <string>
#include <vector>

#include "core/CBetrag.h"

class CBuchungen;
class CBelegtexte;

// One line of the booking being entered: the grid's row 1 of an ordinary
// booking, or one split row (grid rows 2 ... n-2) of a split booking.
struct CErfassungsZeile {
    int Zeile = -1;             // journal line it was filled from; -1 = new line
    bool Geloescht = false;     // a split row the user deleted ("- Löschen")
    std::string Bezeichnung;
    std::string Notiz;
    CBetrag Einnahme;
    CBetrag Ausgabe;
    int UStID = 0;
    bool EinnahmeEditierbar = false;  // the receipt text opened "Einnahmen"
    bool AusgabeEditierbar = false;   // the receipt text opened "Ausgaben"
};

// The booking being entered: an ordinary booking has exactly one row, a
// split booking one row per split line (deleted rows included, flagged).
// An ordinary booking has a single "Notiz" cell, which is the booking's and
// its line's at once: its line gets Notiz, the row's own Notiz is not used.
struct CErfassteBuchung {
    int Satz = -1;              // journal record; -1 = a booking not yet added
    int Tag = 0;                // day of the selected month (grid cell (1, 0))
    std::string Notiz;
    std::string RgNr;
    bool Aufteilung = false;
    std::vector<CErfassungsZeile> Zeilen;
};

// Why a booking is incomplete, and the cell the user is sent back to.
struct CErfassungsFehler {
    std::string Meldung;
    int Zeile = -1;   // index into CErfassteBuchung::Zeilen; -1 = the booking's own row
    int Spalte = 0;   // grid column: 0 "Tag", 1 "Bezeichnung", 4 "Einnahmen", 5 "Ausgaben"
};

class CBuchungsErfassung {
public:
    // Caption of the validation messages and the messages themselves
    // (Windows-1252 bytes).
    static const char* const Titel;             // "Unvollständige Eingabe"
    static const char* const MeldungTag;        // "Geben Sie einen gültigen Tag ein!"
    static const char* const MeldungBelegtext;  // "Geben Sie einen Belegtext ein!"
    static const char* const MeldungBetrag;     // "Geben Sie einen Betrag ein!"
    static const char* const MeldungUnbekannt;  // "Unbekannter Fehler" (no booking row at all)
    // An amount above 999.999.999,99 (CBetrag::kHoechstbetrag) either way.
    static const char* const MeldungBetragZuGross;

    // Which amount columns a receipt text opens: "EinAus" 1 the receipt,
    // -1 the payment, anything else neither. A column that closes reads 0.
    static void WendeEinAusAn(CErfassungsZeile& zeile, int einAus);
    // The same for catalogue entry k; an invalid k opens neither column.
    static void WendeBelegtextAn(CErfassungsZeile& zeile, const CBelegtexte& katalog, int k);

    // The first fault in the order the grid checks them, or nothing when the
    // booking is complete. Deleted split rows are not checked: a row the user
    // threw away must not hold the booking back.
    static std::optional<CErfassungsFehler> Pruefe(const CErfassteBuchung& buchung,
                                                   int jahr, int monat);

    // Writes the booking into the journal and returns its record index.
    // Raises CFehler with the validation message when the booking is
    // incomplete, and with the journal's index message when a record or
    // line index does not exist; in both cases the journal is untouched.
    static int Commit(CBuchungen& journal, const CErfassteBuchung& buchung,
                      int jahr, int monat);
};
