#pragma once
// The booking list's period query and row texts, apart from the list grid:
// which bookings a day or month shows, in which order, and the text of each
// of the eight columns. The grid and `kuvex-cli list` both use it.
//
// The query runs on every change of date or mode, on journals of 200,000
// bookings, so it is one pass over the journal into buffers that are kept
// from one query to the next.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/CPeriode.h"

class CBuchungen;
class CSteuersaetze;

class CBuchungsAbfrage {
public:
    static constexpr int Spalten = 8;
    using Zeilentexte = std::array<std::string, Spalten>;

    // "Tag", "Bezeichnung", "Notiz", "RG-Nr.", "Einnahmen", "Ausgaben",
    // "Wrg.", "USt/%".
    static const std::array<const char*, Spalten>& Spaltenkoepfe();

    // Journal indices of the bookings with start <= Datum <= end, ascending
    // by date; bookings of the same moment keep their journal order. The
    // reference stays valid until the next call on this object.
    const std::vector<int>& Abfragen(const CBuchungen& journal, const CPeriode& periode);

    // The list row of booking i: day of month, "Aufteilung" or line 0's
    // receipt text, note, invoice number, receipts, payments (positive),
    // the currency, and line 0's VAT percentage (empty for a split booking).
    // A booking without lines shows no receipt text and no percentage, and
    // sums of 0,00. Without a VAT table the percentage reads as that of an
    // unknown rate (0,00).
    static void Zeile(const CBuchungen& journal, int i, const std::string& waehrung,
                      const CSteuersaetze* steuersaetze, Zeilentexte& texte);
    static Zeilentexte Zeile(const CBuchungen& journal, int i, const std::string& waehrung,
                             const CSteuersaetze* steuersaetze);

    // The same texts for the rows of a listing: the percentage of each VAT
    // id is looked up in the table once per query (the next Abfragen
    // forgets it), since a month repeats a handful of ids thousands of times.
    void Zeilentext(const CBuchungen& journal, int i, const std::string& waehrung,
                    const CSteuersaetze* steuersaetze, Zeilentexte& texte);

private:
    std::vector<std::pair<std::int64_t, int>> m_treffer;
    std::vector<int> m_indizes;
    const CSteuersaetze* m_prozentQuelle = nullptr;
    std::vector<std::pair<int, std::string>> m_prozente;   // UStID -> "16,00"
};
