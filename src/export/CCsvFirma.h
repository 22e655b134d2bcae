#pragma once
// The one row of "firma.csv": the client number, the company record and
// the cash box the export is for.
#include "export/CCsvRecord.h"

struct CCsvFirmaWerte {
    int Id = 0;
    std::string Firma, Vorname, Nachname, Kurzbezeichnung, Strasse, PLZ, Ort, Land, Waehrung;
    int KassaId = 0;
    std::string Kassabezeichnung;
};

class CCsvFirma : public CCsvRecord {
public:
    explicit CCsvFirma(CCsvFirmaWerte werte) : m_werte(std::move(werte)) {}
    void Write(std::ostream& out, char separator) const override;

private:
    CCsvFirmaWerte m_werte;
};
