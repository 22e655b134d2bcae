#include "core/CBuchungsAbfrage.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "core/CBuchungen.h"
#include "core/CSteuersaetze.h"

const std::array<const char*, CBuchungsAbfrage::Spalten>& CBuchungsAbfrage::Spaltenkoepfe()
{
    static const std::array<const char*, Spalten> koepfe = {
        "Tag", "Bezeichnung", "Notiz", "RG-Nr.", "Einnahmen", "Ausgaben", "Wrg.", "USt/%"};
    return koepfe;
}

const std::vector<int>& CBuchungsAbfrage::Abfragen(const CBuchungen& journal, const CPeriode& periode)
{
    m_treffer.clear();
    m_indizes.clear();
    m_prozente.clear();
    const std::int64_t start = periode.Start().Seconds();
    const std::int64_t ende = periode.Ende().Seconds();
    const int n = journal.GetCount();
    // About a month's worth to begin with; after that the buffer keeps the
    // capacity of the largest period queried.
    m_treffer.reserve(static_cast<std::size_t>(std::min(n, 8192)));
    for (int i = 0; i < n; ++i) {
        const std::int64_t d = journal.GetItem(i).Datum.Seconds();
        if (start <= d && d <= ende)
            m_treffer.emplace_back(d, i);
    }
    // The pairs are collected in journal order, so ordering by (date, index)
    // is exactly "by date, equal dates in journal order". A journal entered
    // day by day is usually sorted already, which the check finds in one pass.
    if (!std::is_sorted(m_treffer.begin(), m_treffer.end()))
        std::sort(m_treffer.begin(), m_treffer.end());
    m_indizes.reserve(m_treffer.size());
    for (const auto& t : m_treffer)
        m_indizes.push_back(t.second);
    return m_indizes;
}

namespace {

// Every column but the percentage, which the two callers look up their way.
// Returns line 0's UStID, or nothing when the row shows no percentage.
std::optional<int> FuelleZeile(const CBuchungen& journal, int i, const std::string& waehrung,
                               CBuchungsAbfrage::Zeilentexte& texte)
{
    const CBuchungssatz& satz = journal.GetItem(i);
    const CBuchungszeile* zeile0 = satz.Zeilen.empty() ? nullptr : &satz.Zeilen.front();

    char tag[16];
    std::snprintf(tag, sizeof tag, "%d", satz.Datum.Day());
    texte[0] = tag;
    if (satz.Aufteilung)
        texte[1] = "Aufteilung";
    else
        texte[1] = zeile0 ? zeile0->Bezeichnung : std::string();
    texte[2] = satz.Notiz;
    texte[3] = satz.RgNr;
    texte[4] = FormatBetragAnzeige(journal.GetLineSum(i, SumMode::Income));
    texte[5] = FormatBetragAnzeige(journal.GetLineSum(i, SumMode::Expense) * CBetrag(-10000));
    texte[6] = waehrung;
    texte[7].clear();
    if (satz.Aufteilung || !zeile0)
        return std::nullopt;
    return zeile0->UStID;
}

std::string Prozent(const CSteuersaetze* steuersaetze, int id)
{
    return FormatBetragAnzeige(steuersaetze ? steuersaetze->GetProzent(id) : CBetrag());
}

} // namespace

void CBuchungsAbfrage::Zeile(const CBuchungen& journal, int i, const std::string& waehrung,
                             const CSteuersaetze* steuersaetze, Zeilentexte& texte)
{
    if (const std::optional<int> id = FuelleZeile(journal, i, waehrung, texte))
        texte[7] = Prozent(steuersaetze, *id);
}

void CBuchungsAbfrage::Zeilentext(const CBuchungen& journal, int i, const std::string& waehrung,
                                  const CSteuersaetze* steuersaetze, Zeilentexte& texte)
{
    const std::optional<int> ust = FuelleZeile(journal, i, waehrung, texte);
    if (!ust)
        return;
    const int id = *ust;
    if (steuersaetze != m_prozentQuelle) {
        m_prozente.clear();
        m_prozentQuelle = steuersaetze;
    }
    for (const auto& p : m_prozente) {
        if (p.first == id) {
            texte[7] = p.second;
            return;
        }
    }
    m_prozente.emplace_back(id, Prozent(steuersaetze, id));
    texte[7] = m_prozente.back().second;
}

CBuchungsAbfrage::Zeilentexte CBuchungsAbfrage::Zeile(const CBuchungen& journal, int i,
                                                      const std::string& waehrung,
                                                      const CSteuersaetze* steuersaetze)
{
    Zeilentexte texte;
    Zeile(journal, i, waehrung, steuersaetze, texte);
    return texte;
}
