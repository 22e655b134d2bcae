#pragma once
// The daily close ("Kassenabschluss"): the till is counted note by note and
// coin by coin on the count sheet ("Zählprotokoll"), the count is compared
// with the book's balance at the end of the day, and the difference is
// booked with the system receipt text "Kassendifferenz".
//
// The denominations belong to the company's currency: euro and Swiss franc
// have their list; for any other currency the sheet has no rows and the
// counted total is typed as one amount.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/CBetrag.h"
#include "core/CDatum.h"

class CBelegtexte;
class CBuchungen;

// One note or coin of a currency.
struct CNennwert {
    CBetrag Wert;
    bool Schein = false;
};

// One row of the count sheet: how many pieces of a denomination lie in the till.
struct CZaehlposten {
    CBetrag Nennwert;
    std::int64_t Anzahl = 0;

    CBetrag Summe() const { return CBetrag(Nennwert.Raw() * Anzahl); }
    friend bool operator==(const CZaehlposten&, const CZaehlposten&) = default;
};

// What one close records.
struct CKassenabschluss {
    CDatum Tag;                       // the closed day, local midnight
    std::int64_t Zeitpunkt = 0;       // when it was closed, UTC seconds
    std::string Waehrung;
    std::vector<CZaehlposten> Zaehlung; // every denomination; empty: total typed
    CBetrag Gezaehlt;
    CBetrag Buchbestand;              // "Kassenbestand laut Kassenbuch"
    CBetrag Differenz;                // Gezaehlt - Buchbestand
    int Buchung = -1;                 // journal index of the difference booking, -1: none
    // The booking log's entry of the close, where the cash book keeps one.
    std::uint64_t ProtokollNr = 0;
    std::string ProtokollHash;        // the first 16 hex digits

    friend bool operator==(const CKassenabschluss&, const CKassenabschluss&) = default;
};

class CZaehlprotokoll {
public:
    // The system receipt text of a difference booking.
    static const char* const TextKassendifferenz; // "Kassendifferenz"
    // Its VAT id: the rate "steuerfrei".
    static constexpr int UStIdSteuerfrei = 100;
    // Most pieces of one denomination a sheet takes.
    static constexpr std::int64_t kHoechstAnzahl = 9999999;

    // Highest first; empty for a currency without a list.
    static std::span<const CNennwert> Nennwerte(const std::string& waehrung);
    // Whether that denomination of the currency is a note.
    static bool IstSchein(const std::string& waehrung, CBetrag wert);
    // "500,00", "0,50".
    static std::string NennwertText(CBetrag wert);
    // A denomination as typed on the command line ("50", "0.50", "0,50");
    // nothing unless it is one of the currency's.
    static std::optional<CBetrag> LeseNennwert(const std::string& waehrung, const std::string& text);
    // A count as typed: decimal digits only, at most kHoechstAnzahl. The
    // refusal names the denomination and what was typed.
    static std::int64_t LeseAnzahl(CBetrag nennwert, const std::string& text);
    // The sum of all rows; raises CFehler when it could not be booked.
    static CBetrag Summe(const std::vector<CZaehlposten>& zaehlung);
    // The book's balance at the end of `tag`: every booking before the next day.
    static CBetrag Buchbestand(const CBuchungen& journal, CDatum tag);

    // A close of `tag` from a count (rows of the currency in its order) or,
    // without rows, from the counted total; Buchung stays -1.
    static CKassenabschluss Erstelle(const CBuchungen& journal, CDatum tag, const std::string& waehrung,
                                     std::vector<CZaehlposten> zaehlung, CBetrag gezaehlt);
    // The rows of a currency, every count 0.
    static std::vector<CZaehlposten> LeereZaehlung(const std::string& waehrung);

    // Index of "Kassendifferenz" in the catalogue, added as a system text
    // (direction neither, VAT "steuerfrei") when it lacks it; -1 when the
    // catalogue cannot take it.
    static int SichereBelegtext(CBelegtexte& katalog);
    // Books a non-zero difference of `abschluss` on its day (a receipt when
    // more was counted, a payment when less) and sets abschluss.Buchung.
    // Nothing is booked for no difference.
    static void BucheDifferenz(CBuchungen& journal, CBelegtexte& katalog, CKassenabschluss& abschluss);
};
