#include "cli/CCliBuchung.h"

#include <algorithm>
#include <vector>

#include "cli/CCliArgumente.h"
#include "cli/CCliFehler.h"
#include "cli/CCliWerte.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CSteuersaetze.h"
#include "core/Windows1252.h"

namespace {

// One row as the grid fills it when a receipt text is picked from its list
// and an amount typed into the column that opened.
CErfassungsZeile Zeile(const std::string& option, const std::string& text,
                       const std::vector<std::string>& auswahl, const CBelegtexte& katalog,
                       std::int64_t betrag)
{
    CErfassungsZeile z;
    z.Bezeichnung = text;
    if (text.empty())
        return z; // the entry engine asks for a receipt text
    // The grid offers its drop-down list only: inactive texts, and the
    // opening balance once it has been booked, cannot be chosen.
    const int k = katalog.FindByBezeichnung(text);
    if (k < 0)
        throw CCliFehler("Unbekannter Belegtext: \"" + text + "\"");
    if (std::find(auswahl.begin(), auswahl.end(), text) == auswahl.end())
        throw CCliFehler("Der Belegtext \"" + text + "\" steht nicht zur Auswahl.");
    CBuchungsErfassung::WendeBelegtextAn(z, katalog, k);
    z.UStID = katalog.GetUStID(k);
    if (z.EinnahmeEditierbar)
        z.Einnahme = CBetrag(betrag);
    else if (z.AusgabeEditierbar)
        z.Ausgabe = CBetrag(betrag);
    else if (betrag != 0)
        // Neither column opens for such a text; typing an amount is not
        // possible in the grid, and dropping it silently would lose it.
        throw CCliFehler("Der Belegtext \"" + text
                         + "\" ist weder Einnahme noch Ausgabe; " + option
                         + " kann keinen Betrag buchen.");
    return z;
}

} // namespace

CCliBuchungsAuftrag CCliBuchung::Baue(const CCliArgumente& a, const CBelegtexte& katalog,
                                      const CBuchungen& journal, const CSteuersaetze& steuersaetze)
{
    CCliBuchungsAuftrag auftrag;
    const std::string* datum = a.Wert("--date");
    if (!datum)
        throw CCliFehler("Die Option --date fehlt.");
    const CCliDatum d = CCliWerte::Datum("--date", *datum);
    auftrag.Jahr = d.Jahr;
    auftrag.Monat = d.Monat;
    CErfassteBuchung& b = auftrag.Buchung;
    b.Tag = d.Tag;
    if (const std::string* n = a.Wert("--note"))
        b.Notiz = CCliWerte::Text("--note", *n);
    if (const std::string* r = a.Wert("--invoice"))
        b.RgNr = CCliWerte::Text("--invoice", *r);

    std::vector<std::string> auswahl;
    katalog.GetSelectionList(auswahl, journal.HasLineText("Anfangsbestand") ? 0 : 1);

    const std::vector<std::string> splits = a.Werte("--split");
    const std::string* text = a.Wert("--text");
    const std::string* betrag = a.Wert("--amount");
    if (!splits.empty()) {
        if (text || betrag)
            throw CCliFehler("--split kann nicht zusammen mit --text oder --amount stehen.");
        b.Aufteilung = true;
        for (const std::string& s : splits) {
            const std::size_t g1 = s.find('=');
            if (g1 == std::string::npos)
                throw CCliFehler("--split erwartet TEXT=BETRAG[=NOTIZ]: " + Windows1252::FromUtf8Lossy(s));
            const std::size_t g2 = s.find('=', g1 + 1);
            const std::string t = CCliWerte::Text("--split", s.substr(0, g1));
            const std::string wert = s.substr(g1 + 1, g2 == std::string::npos ? std::string::npos : g2 - g1 - 1);
            CErfassungsZeile z = Zeile("--split", t, auswahl, katalog, CCliWerte::Betrag("--split", wert));
            if (g2 != std::string::npos)
                z.Notiz = CCliWerte::Text("--split", s.substr(g2 + 1));
            b.Zeilen.push_back(std::move(z));
        }
    } else {
        if (!text)
            throw CCliFehler("Die Option --text (oder --split) fehlt.");
        if (!betrag)
            throw CCliFehler("Die Option --amount fehlt.");
        b.Zeilen.push_back(Zeile("--amount", CCliWerte::Text("--text", *text), auswahl, katalog,
                                 CCliWerte::Betrag("--amount", *betrag)));
    }

    if (const std::string* vat = a.Wert("--vat")) {
        const int id = static_cast<int>(CCliWerte::Zahl("--vat", *vat, -32768, 32767));
        // Like the grid's VAT list: only the active rates of the table.
        std::vector<int> ids;
        steuersaetze.GetSelectionList(nullptr, &ids);
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            throw CCliFehler("Unbekannter Steuersatz: " + *vat);
        for (CErfassungsZeile& z : b.Zeilen)
            z.UStID = id;
    }
    return auftrag;
}
