#pragma once
// What every fuzz target runs on a journal it could read: the engines of
// the main window, the list and the reports, for the months its first
// bookings fall in. A new engine is one more line in RunEngines.
#include "core/CAbschlussRegeln.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CKassenSummen.h"
#include "core/CKassenabschluss.h"
#include "core/CPeriode.h"
#include "core/CSteuersaetze.h"
#include "export/CDatevExport.h"
#include "reports/CKassenberichtZeilen.h"
#include "reports/CMonatsUebersichtZeilen.h"
#include "reports/CStatistikZeilen.h"

#include <cstdlib>
#include <set>
#include <utility>

namespace fuzz {

// The months (and their first days) of the first few bookings: the periods
// a user would look at. A handful is enough; each engine walks the journal.
inline std::set<std::pair<int, int>> Monate(const CBuchungen& journal)
{
    std::set<std::pair<int, int>> monate;
    for (int i = 0; i < journal.GetCount() && monate.size() < 3; ++i) {
        const CDatum d = journal.GetItem(i).Datum;
        monate.insert({d.Year(), d.Month()});
    }
    monate.insert({2024, 2});
    return monate;
}

inline void RunEngines(const CBuchungen& journal, const CSteuersaetze* steuersaetze,
                       const CBelegtexte& belegtexte)
{
    CBuchungsAbfrage abfrage;
    CBuchungsAbfrage::Zeilentexte texte;
    for (const auto& [jahr, monat] : Monate(journal)) {
        CKassenberichtZeilen().Baue(journal, steuersaetze, CDatum::FromYMD(jahr, monat, 1), true);
        CMonatsUebersichtZeilen().Baue(journal, jahr, monat);
        CStatistikZeilen().Baue(journal, belegtexte, jahr, monat);
        CDatevAuftrag datev{jahr, monat, {3, 1001, 1, 1, 4, ""}, "", "EUR", CDatum::FromYMD(jahr, monat, 15), "0"};
        CDatevExport stapel(journal, belegtexte, steuersaetze, datev);
        if (!stapel.Baue() && stapel.Probleme().empty())
            std::abort(); // a refusal always says why
        // The daily close: the book's balance and the negative-till rule.
        const CDatum erster = CDatum::FromYMD(jahr, monat, 1);
        (void)CZaehlprotokoll::Buchbestand(journal, erster);
        const CBestandsAenderung aenderung[] = {{erster, CBetrag(-1)}};
        (void)CAbschlussRegeln::ErsterNegativerTag(journal, aenderung);
        for (const CPeriode& periode : {CPeriode::Monat(jahr, monat), CPeriode::Tag(jahr, monat, 1)}) {
            const CKassenSummen summen = CKassenSummen::Berechne(journal, periode);
            (void)summen.IstNegativ();
            const std::vector<int>& zeilen = abfrage.Abfragen(journal, periode);
            for (std::size_t r = 0; r < zeilen.size() && r < 64; ++r)
                abfrage.Zeilentext(journal, zeilen[r], "EUR", steuersaetze, texte);
            (void)journal.GetRunningBalance(periode.Start(), periode.Start());
        }
    }
}

// A broken invariant is a finding: abort, so libFuzzer keeps the input.
inline void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace fuzz
