#pragma once
// The DATEV "Buchungsstapel" of one month: the file a tax adviser imports
// into DATEV with one step. Header version 700, data category 21, format
// version 13, "EXTF" as written by a program other than DATEV's own;
// Windows-1252, ";" between fields, CR LF after every line. One row per
// booking line: the cash account against the receipt text's account,
// "S" for money into the till and "H" for money out.
//
// The engine takes plain values and the const journal, builds the whole
// file in memory and checks everything DATEV would refuse before a single
// byte is written; the caller writes Bytes() in one piece.
#include "core/CBetrag.h"
#include "core/CDatum.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CBelegtexte;
class CBuchungen;
class CSteuersaetze;

// The program-wide DATEV settings as the export settings hold them.
struct CDatevWerte {
    int Kontenrahmen = 3;       // 3: SKR03, 4: SKR04
    int Beraternummer = 0;      // 0: not entered
    int Mandantennummer = 0;    // 0: not entered
    int WjBeginn = 1;           // first month of the fiscal year
    int Sachkontenlaenge = 4;
    std::string Diktatkuerzel;  // "" or two capital letters
};

// Everything one file needs besides the cash book's records.
struct CDatevAuftrag {
    int Jahr = 0;
    int Monat = 0;
    CDatevWerte Werte;
    std::string Kassenkonto;         // "" for the chart's default
    std::string Waehrung = "EUR";    // the company's currency
    // Bookings on this day or before are locked (daily closes); without a
    // lock every row is written as not locked.
    std::optional<CDatum> GesperrtBis;
    std::string ErzeugtAm;           // YYYYMMDDHHMMSSFFF
};

class CDatevExport {
public:
    static constexpr int kMaxZeilen = 99999;
    static constexpr int kSpalten = 125;
    // The message lists at most this many problems.
    static constexpr int kMaxProbleme = 8;
    static const char* const Abgelehnt;

    CDatevExport(const CBuchungen& journal, const CBelegtexte& texte, const CSteuersaetze* steuersaetze,
                 CDatevAuftrag auftrag);

    // Builds the file; false when a check failed, and then nothing is built.
    bool Baue();
    const std::vector<std::string>& Probleme() const { return m_probleme; }
    // Abgelehnt and the problems, one per line.
    std::string Meldung() const;
    const std::string& Bytes() const { return m_bytes; }
    int Zeilen() const { return m_zeilen; }
    // Sum of the rounded rows minus the rounded sum of the month, receipts
    // positive; in whole cents as an amount.
    CBetrag Rundungsdifferenz() const { return m_differenz; }
    // The sentence the success message adds; "" when nothing differs.
    std::string Rundungshinweis() const;

    // The 125 column names of line 2, in DATEV's spelling (Windows-1252).
    static const std::array<const char*, kSpalten>& Spalten();
    // YYYYMMDDHHMMSSFFF in local time.
    static std::string ZeitStempel(std::chrono::system_clock::time_point zeit);
    // An amount in cents, half away from zero.
    static std::int64_t Cent(std::int64_t raw);
    // DATEV's tax key for a German VAT percentage on a receipt (output VAT)
    // or a payment (input VAT) on that day; nothing when DATEV has none.
    static std::optional<const char*> Steuerschluessel(CBetrag prozent, bool einnahme, CDatum tag);
    // The revenue and goods accounts of the standard charts that compute
    // their VAT themselves and so take no tax key.
    static bool IstAutomatikkonto(const std::string& konto, int skr);

private:
    // What a receipt text gives every row that names it.
    struct Gegenkonto {
        bool Gueltig = false;
        std::string Konto;
        std::string BU;          // the text's own key, or ""
        bool Automatik = false;  // no key from the VAT rate
        int EinAus = 0;
    };
    const Gegenkonto& Konto(const std::string& bezeichnung);
    struct Satz {
        CBetrag Prozent;
        bool Deutsch = true;
    };
    const Satz& Steuersatz(int ustId);
    void Problem(std::string text);
    std::string Kopfzeile() const;
    bool IstSachkonto(const std::string& konto) const;

    const CBuchungen& m_journal;
    const CBelegtexte& m_texte;
    const CSteuersaetze* m_steuersaetze;
    CDatevAuftrag m_auftrag;
    std::vector<std::string> m_probleme;
    std::unordered_map<std::string, Gegenkonto> m_konten;
    std::unordered_map<int, Satz> m_saetze;
    std::string m_bytes;
    int m_zeilen = 0;
    bool m_alleGesperrt = true;
    CBetrag m_differenz;
};
