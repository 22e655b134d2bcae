#pragma once
// The cash report's lines for the selected day or month, apart from any
// drawing: the opening balance, every booking of the period by date (equal
// dates in journal order), the grey rows of split bookings, and after each
// day its sums with the running balance, placed on pages of a fixed number
// of rows. The preview, printing, the PDF and kuvex-cli draw from here.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/CBetrag.h"
#include "core/CDatum.h"
#include "reports/CReportLine.h"

class CBuchungen;
class CSteuersaetze;

class CKassenberichtZeilen {
public:
    enum Art { Leer = 0, Buchung = 1, Aufteilung = 2, Anfangsbestand = 3, Tagessumme = 4 };

    struct Zeile : CReportLine {
        std::string Text;      // receipt text with its note, or "Aufteilung"
        CBetrag Ust;           // VAT rate in percent
        CBetrag Einnahme;      // booking and split rows; the day's receipts
        CBetrag Ausgabe;       // positive; the day's payments
        CBetrag Saldo;         // opening balance; balance after the day
        CDatum Datum;          // booking rows
        std::string RgNr;      // booking rows
    };

    static constexpr int ZeilenProSeite = 30;

    // Every booking whose local calendar day lies in the month of `datum`
    // (monthly) or on that day (daily), a time of day included. Without a
    // VAT table every rate prints as an unknown one (0,00).
    void Baue(const CBuchungen& journal, const CSteuersaetze* steuersaetze, CDatum datum, bool monatlich,
              int zeilenProSeite = ZeilenProSeite);

    const std::vector<Zeile>& Zeilen() const { return m_zeilen; }
    int Seiten() const { return m_seiten; }

private:
    CBetrag Prozent(const CSteuersaetze* steuersaetze, int id);

    std::vector<Zeile> m_zeilen;
    int m_seiten = 1;
    std::vector<std::pair<std::int64_t, int>> m_treffer;    // (date, journal index)
    std::vector<std::pair<int, CBetrag>> m_prozente;        // UStID -> percent of this build
};
