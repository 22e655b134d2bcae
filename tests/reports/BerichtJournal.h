#pragma once
// Journals for the report tests, written the way the entry grid leaves
// them: plain bookings with one line, split bookings with theirs.
#include "core/CBuchungen.h"

#include <string>
#include <utility>
#include <vector>

namespace berichte {

inline CBetrag Eur(double euro) { return CBetrag(static_cast<std::int64_t>(euro * 10000.0 + (euro < 0 ? -0.5 : 0.5))); }

struct Teil {
    Teil(std::string t, CBetrag e = {}, CBetrag a = {}, int u = 100, std::string n = {})
        : text(std::move(t)), ein(e), aus(a), ust(u), notiz(std::move(n)) {}
    std::string text;
    CBetrag ein;
    CBetrag aus;
    int ust = 100;
    std::string notiz;
};

inline int Lege(CBuchungen& j, CDatum datum, const std::vector<Teil>& teile, bool aufteilung,
                const std::string& notiz)
{
    const int i = j.AddItem();
    j.GetItem(i).Datum = datum;
    j.GetItem(i).Aufteilung = aufteilung;
    j.GetItem(i).Notiz = notiz;
    for (const Teil& t : teile) {
        CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
        z.Bezeichnung = t.text;
        z.Einnahme = t.ein;
        z.Ausgabe = t.aus;
        z.UStID = static_cast<std::int16_t>(t.ust);
        z.Notiz = t.notiz;
    }
    return i;
}

inline int BucheAufteilung(CBuchungen& j, CDatum datum, const std::vector<Teil>& teile,
                           const std::string& notiz = {})
{
    return Lege(j, datum, teile, true, notiz);
}

// A plain booking of one line.
inline int Buche(CBuchungen& j, CDatum datum, const Teil& t, const std::string& rgnr = {})
{
    const int i = Lege(j, datum, {t}, false, {});
    j.GetItem(i).RgNr = rgnr;
    return i;
}

inline CDatum Tag(int y, int m, int d) { return CDatum::FromYMD(y, m, d); }

} // namespace berichte
