#include "export/CCsvBuchung.h"

#include <ostream>

void CCsvBuchung::Write(std::ostream& out, char separator) const
{
    const CCsvBuchungWerte& w = m_werte;
    const char s = separator;
    out << csv::Zahl(w.MandantId) << s << csv::Zahl(w.Id) << s << csv::Zahl(w.KassenId) << s
        << csv::Zahl(w.VaterId) << s << csv::Datum(w.Datum) << s;
    WriteCsvField(out, w.BelegtextBez, s);
    out << s;
    WriteCsvField(out, w.Notiz, s);
    out << s << csv::Betrag(w.Ein) << s << csv::Betrag(w.Aus) << s;
    WriteCsvField(out, w.WaehrungsKuerzel, s);
    out << s << csv::Betrag(w.MwStSatzProz) << s;
    WriteCsvField(out, w.MwStSatzLand, s);
    out << csv::ZeilenEnde;
}
