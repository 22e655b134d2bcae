#pragma once
// Closing a day of the open cash book, the one path of the dialog and of
// `kuvex-cli close`: the checks, the difference booking, the close record
// and, where the bookings are fixed, the close's entry in the booking log.
// Nothing is written to disk here; the caller saves.
#include <optional>
#include <string>

#include "core/CKassenabschluss.h"

class CKassenbuch;
struct CErfassteBuchung;

class CTagesabschluss {
public:
    // Whether the cash book's bookings are fixed ("Buchungen festschreiben
    // (GoBD)"): only then do the closes lock days and the till may never
    // be negative. The one place the close asks for the mode.
    static bool Festgeschrieben(const CKassenbuch& kasse);

    // Why `tag` cannot be closed today, or nothing: a day in the future, a
    // day already closed, and with fixed bookings an earlier open day
    // with bookings.
    static std::optional<std::string> Pruefe(const CKassenbuch& kasse, CDatum tag, CDatum heute);

    // With fixed bookings: why the complete booking being entered (a new
    // one, dated on day buchung.Tag of `monat`) may not be booked, or
    // nothing. Without them, or for an incomplete booking, nothing.
    static std::optional<std::string> PruefeNeueBuchung(const CKassenbuch& kasse, const CErfassteBuchung& buchung,
                                                        int jahr, int monat);

    // Closes the day of `abschluss` (made by CZaehlprotokoll::Erstelle):
    // books a non-zero difference, records the close at `jetzt` (UTC
    // seconds) and returns it as stored. Raises CFehler with the refusal,
    // the cash book unchanged, when Pruefe refuses or the difference may
    // not be booked.
    static const CKassenabschluss& Schliesse(CKassenbuch& kasse, CKassenabschluss abschluss, CDatum heute,
                                             std::int64_t jetzt);
};
