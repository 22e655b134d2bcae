#pragma once
// The statistics report's rows, apart from any drawing: for every receipt
// text marked for the statistics, in catalogue order, what was booked on
// it in the selected year and month and in the year and month before
// (income texts and expense texts in their own section, each with its sum
// row), the shares in the section's sums, the deviations, the balance row,
// and the place of each row on the pages.
#include <array>
#include <string>
#include <vector>

#include "core/CBetrag.h"
#include "reports/CReportLine.h"

class CBelegtexte;
class CBuchungen;

class CStatistikZeilen {
public:
    enum Art { Text = 101, Summe = 102, Saldo = 103 };
    // The ten amount columns, in the order the report prints them.
    enum Wert { Jahr, JahrAnteil, Vorjahr, VorjahrAnteil, JahrAbw,
                Monat, MonatAnteil, VjMonat, VjMonatAnteil, MonatAbw, AnzahlWerte };

    struct Zeile : CReportLine {
        std::string Text;
        std::array<CBetrag, AnzahlWerte> Werte{};
    };

    static constexpr int ZeilenProSeite = 30;

    // Month 1-12 of `jahr`; the previous year is jahr - 1. Lines count by
    // their exact receipt text (a text differing in letter case is another
    // text).
    void Baue(const CBuchungen& journal, const CBelegtexte& belegtexte, int jahr, int monat,
              int zeilenProSeite = ZeilenProSeite);

    // Income rows with their sum row last, then the expense rows with
    // theirs, then the balance row.
    const std::vector<Zeile>& Zeilen() const { return m_zeilen; }
    int Seiten() const { return m_seiten; }

private:
    std::vector<Zeile> m_zeilen;
    int m_seiten = 1;
};
