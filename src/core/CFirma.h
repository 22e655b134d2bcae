#pragma once
// The company record of a cash book ("Firma.xml"): name, owner, address,
// country and currency, all plain texts under the root "Firma". The name may
// span several lines; it is stored on one line with line feed and carriage
// return written as backslash-n and backslash-r.
#include "core/CXmlDokument.h"

#include <iosfwd>
#include <string>

class CFirma : public CXmlDokument {
public:
    static const char* const Vorlage;

    // A new company record: "Deutschland", "EUR", every other field empty.
    CFirma();
    // "Firma.xml" of an opened cash book; LoadOk() tells whether it parsed.
    explicit CFirma(std::istream& in);

    bool LoadOk() const { return m_loadOk; }

    // Getters answer "" for a missing element; setters change nothing then.
    std::string GetName() const;
    bool SetName(const std::string& name);
    std::string GetVorname() const { return GetString("Firma/Vorname"); }
    bool SetVorname(const std::string& v) { return SetString("Firma/Vorname", v); }
    std::string GetNachname() const { return GetString("Firma/Nachname"); }
    bool SetNachname(const std::string& v) { return SetString("Firma/Nachname", v); }
    std::string GetKurzbezeichnung() const { return GetString("Firma/Kurzbezeichnung"); }
    bool SetKurzbezeichnung(const std::string& v) { return SetString("Firma/Kurzbezeichnung", v); }
    std::string GetStrasse() const { return GetString("Firma/Strasse"); }
    bool SetStrasse(const std::string& v) { return SetString("Firma/Strasse", v); }
    std::string GetPLZ() const { return GetString("Firma/PLZ"); }
    bool SetPLZ(const std::string& v) { return SetString("Firma/PLZ", v); }
    std::string GetOrt() const { return GetString("Firma/Ort"); }
    bool SetOrt(const std::string& v) { return SetString("Firma/Ort", v); }
    std::string GetLand() const { return GetString("Firma/Land"); }
    bool SetLand(const std::string& v) { return SetString("Firma/Land", v); }
    std::string GetWaehrung() const { return GetString("Firma/Waehrung"); }
    bool SetWaehrung(const std::string& v) { return SetString("Firma/Waehrung", v); }

    // The DATEV cash account of this cash book (each till is a cash book of
    // its own): digits, or "" for the chart's default (StandardKassenkonto).
    // Older files lack the element; setting it adds it.
    std::string GetKassenkonto() const { return GetString("Firma/Kassenkonto"); }
    bool SetKassenkonto(const std::string& konto);
    // 1000 in SKR03, 1600 in SKR04.
    static const char* StandardKassenkonto(int skr) { return skr == 4 ? "1600" : "1000"; }
    // Whether the cash book's bookings are locked and logged (GoBD). Kept
    // here because older programs save the company record as they found
    // it: a log they drop leaves the flag behind, and the loss shows.
    bool IsGoBD() const { return GetFlag("Firma", "GoBD"); }
    bool SetGoBD() { return SetFlag("Firma", "GoBD", true); }

    // The stored one-line form of a name and back.
    static std::string EncodeName(const std::string& name);
    static std::string DecodeName(const std::string& stored);

private:
    bool m_loadOk = true;
};
