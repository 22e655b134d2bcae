#pragma once
// The period shown by the main window: the selected day alone (daily mode)
// or the whole month of the selected date (monthly mode). The list, the
// totals and the command line all derive their range from here, so they
// can never disagree about which bookings belong to a period.
#include "core/CDatum.h"

class CPeriode {
public:
    CPeriode() = default;
    CPeriode(CDatum start, CDatum ende) : m_start(start), m_ende(ende) {}

    // Monthly: first day 00:00:00 to last day 23:59:59 (local time).
    // Daily: the selected day's midnight to that same moment, so a booking
    // that still carries a time of day shows in no daily view.
    static CPeriode Aus(CDatum datum, bool monatlich);
    static CPeriode Tag(int jahr, int monat, int tag);
    static CPeriode Monat(int jahr, int monat);

    CDatum Start() const { return m_start; }
    CDatum Ende() const { return m_ende; }
    // Both ends included, compared as exact second counts.
    bool Enthaelt(CDatum datum) const { return m_start <= datum && datum <= m_ende; }

private:
    CDatum m_start;
    CDatum m_ende;
};
