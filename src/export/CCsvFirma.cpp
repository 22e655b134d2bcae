#include "export/CCsvFirma.h"

#include <ostream>

void CCsvFirma::Write(std::ostream& out, char separator) const
{
    const CCsvFirmaWerte& w = m_werte;
    out << csv::Zahl(w.Id);
    for (const std::string* text : {&w.Firma, &w.Vorname, &w.Nachname, &w.Kurzbezeichnung, &w.Strasse,
                                    &w.PLZ, &w.Ort, &w.Land, &w.Waehrung}) {
        out << separator;
        WriteCsvField(out, *text, separator);
    }
    out << separator << csv::Zahl(w.KassaId) << separator;
    WriteCsvField(out, w.Kassabezeichnung, separator);
    out << csv::ZeilenEnde;
}
