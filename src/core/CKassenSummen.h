#pragma once
// The four amounts the main window shows for a period: carry-over
// ("Übertrag"), receipts, payments (positive) and cash balance
// ("Kassenbestand"). Computed on demand from the journal's sums; nothing
// is cached, so they are always those of the journal as it is now.
#include "core/CBetrag.h"
#include "core/CPeriode.h"

class CBuchungen;

class CKassenSummen {
public:
    // All four amounts 0: what the window shows with no cash book open.
    CKassenSummen() = default;
    static CKassenSummen Berechne(const CBuchungen& journal, const CPeriode& periode);

    CBetrag Uebertrag() const { return m_uebertrag; }
    CBetrag Einnahmen() const { return m_einnahmen; }
    CBetrag Ausgaben() const { return m_ausgaben; }
    CBetrag Kassenbestand() const { return m_kassenbestand; }

    // The exact amount decides, not its two-decimal text: -0,0001 is
    // negative although it reads "-0,00".
    bool IstNegativ() const { return m_kassenbestand.AsDouble() < 0.0; }

private:
    CBetrag m_uebertrag;
    CBetrag m_einnahmen;
    CBetrag m_ausgaben;
    CBetrag m_kassenbestand;
};
