#pragma once
// What the daily closes forbid in a cash book whose bookings are fixed
// ("Buchungen festschreiben (GoBD)"): nothing dated on or before the last
// closed day may be booked, corrected or reversed; no day may be closed
// while an earlier day with bookings is still open; and no change may
// leave the till with less than nothing at the end of any day. Without the
// mode the closes lock nothing and these rules are not asked.
#include <optional>
#include <span>
#include <string>

#include "core/CBetrag.h"
#include "core/CDatum.h"

class CBuchungen;
class CKassenabschluesse;
struct CErfassteBuchung;

// A change to the journal as the till sees it: `Betrag` more (or, negative,
// less) cash from the end of `Tag` on.
struct CBestandsAenderung {
    CDatum Tag;
    CBetrag Betrag;
};

class CAbschlussRegeln {
public:
    // The refusal of a change dated `tag` when that day is closed.
    static std::optional<std::string> Gesperrt(const CKassenabschluesse& abschluesse, CDatum tag);
    // The first day, on or after the earliest change, whose end-of-day
    // balance the changes take below zero, and that balance.
    struct Negativ {
        CDatum Tag;
        CBetrag Bestand;
    };
    static std::optional<Negativ> ErsterNegativerTag(const CBuchungen& journal,
                                                     std::span<const CBestandsAenderung> aenderungen);
    static std::string NegativMeldung(const Negativ& n);
    // A new booking dated `tag` that adds `netto` to the till: refused on a
    // closed day or when it takes a day's end below zero.
    static std::optional<std::string> PruefeBuchung(const CBuchungen& journal, const CKassenabschluesse& abschluesse,
                                                    CDatum tag, CBetrag netto);
    // The reversal of booking `satz`, dated `tag`: refused when either
    // day is closed or the reversal takes a day's end below zero.
    static std::optional<std::string> PruefeStorno(const CBuchungen& journal, const CKassenabschluesse& abschluesse,
                                                   int satz, CDatum tag);
    // What a booking being entered adds to the till (deleted split rows
    // left out).
    static CBetrag Netto(const CErfassteBuchung& buchung);
    // The first still open day with bookings before `tag`, after the last
    // closed day.
    static std::optional<CDatum> OffenerTagDavor(const CBuchungen& journal, const CKassenabschluesse& abschluesse,
                                                 CDatum tag);
};
