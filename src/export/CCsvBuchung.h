#pragma once
// A row of "buchungen.csv": a booking, the top row of a split booking, or
// one of its lines (VaterId then names the top row).
#include "export/CCsvRecord.h"

struct CCsvBuchungWerte {
    int MandantId = 0;
    int Id = 0;
    int KassenId = 0;
    int VaterId = 0;
    CDatum Datum;
    std::string BelegtextBez;
    std::string Notiz;
    CBetrag Ein;
    CBetrag Aus;
    std::string WaehrungsKuerzel;
    CBetrag MwStSatzProz;
    std::string MwStSatzLand;
};

class CCsvBuchung : public CCsvRecord {
public:
    explicit CCsvBuchung(CCsvBuchungWerte werte) : m_werte(std::move(werte)) {}
    void Write(std::ostream& out, char separator) const override;

private:
    CCsvBuchungWerte m_werte;
};
