#pragma once
// What a printed report reads, as plain values: the cash book's parts, the
// VAT-rate table and the selection of the main window (or of kuvex-cli's
// options). Reports own nothing of it and change nothing.
#include <QDateTime>

#include "core/CDatum.h"

class CBelegtexte;
class CBuchungen;
class CDatenZugriff;
class CFirma;
class CProtokoll;
class CSteuersaetze;

struct CReportDaten {
    const CBuchungen* journal = nullptr;
    const CBelegtexte* belegtexte = nullptr;
    const CFirma* firma = nullptr;
    const CSteuersaetze* steuersaetze = nullptr;
    const CProtokoll* protokoll = nullptr;  // the booking log, when bookings are locked
    bool hatAuswahl = false;     // false: no date selector to read
    int tag = 1;
    int monat = 1;
    int jahr = 0;
    bool monatlich = false;
    // The moment printed in the footer; invalid: the moment of drawing.
    QDateTime gedruckt;

    // The local midnight of the selected day.
    CDatum Datum() const { return CDatum::FromYMD(jahr, monat, tag); }
    // The first and last second of the selected day or month.
    std::int64_t Von() const;
    std::int64_t Bis() const;

    // Everything the main window offers at this moment.
    static CReportDaten Aus(const CDatenZugriff& zugriff);
};
