#include "core/CKassenSummen.h"

#include "core/CBuchungen.h"

CKassenSummen CKassenSummen::Berechne(const CBuchungen& journal, const CPeriode& periode)
{
    CKassenSummen s;
    s.m_uebertrag = journal.GetSumBefore(periode.Start(), SumMode::Net);
    s.m_einnahmen = journal.GetRangeSum(periode.Start(), periode.Ende(), SumMode::Income);
    // The expense sum is zero or negative; the window shows it positive.
    s.m_ausgaben = journal.GetRangeSum(periode.Start(), periode.Ende(), SumMode::Expense)
                   * CBetrag(-10000);
    s.m_kassenbestand = s.m_uebertrag + s.m_einnahmen - s.m_ausgaben;
    return s;
}
