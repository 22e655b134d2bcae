// kuvex-cli's daily close: `close` counts, compares, books the difference
// and closes a day exactly as the dialog does (and writes the count sheet
// as a PDF on request); `closes` lists the closes of a month.
#include "cli/CCliProgramm.h"
#include "cli/CCliAusgabe.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

#include "cli/CCliArgumente.h"
#include "cli/CCliFehler.h"
#include "cli/CCliWerte.h"
#include "core/CBuchungen.h"
#include "core/CFehler.h"
#include "core/CFirma.h"
#include "core/Windows1252.h"
#include "reports/CZaehlprotokollView.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CTagesabschluss.h"

using cli_ausgabe::Zeile;

namespace {

struct CCliPosten {
    std::string Nennwert;
    std::string Anzahl;
};

// "50=2,20=3,0.50=4": the pairs as typed; their values are read once the
// cash book says which currency it counts in.
std::vector<CCliPosten> LiesPosten(const std::string& text)
{
    std::vector<std::string> teile;
    for (std::size_t anfang = 0; anfang <= text.size();) {
        const std::size_t ende = std::min(text.find(',', anfang), text.size());
        teile.push_back(text.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    std::vector<CCliPosten> posten;
    for (std::size_t i = 0; i < teile.size(); ++i) {
        std::string paar = teile[i];
        // "0,50=4": the comma belongs to the denomination.
        if (paar.find('=') == std::string::npos && i + 1 < teile.size())
            paar += "," + teile[++i];
        const std::size_t gleich = paar.find('=');
        if (gleich == std::string::npos || gleich == 0)
            throw CCliFehler("Die Option --count erwartet Paare NENNWERT=ANZAHL, getrennt durch Kommas (z. B. "
                             "50=2,20=3,0.50=4), nicht \"" + Windows1252::FromUtf8Lossy(paar) + "\".");
        posten.push_back({paar.substr(0, gleich), paar.substr(gleich + 1)});
    }
    return posten;
}

} // namespace

void CCliProgramm::Close(const CCliArgumente& a)
{
    const std::string* tagText = a.Wert("--day");
    if (!tagText)
        throw CCliFehler("Die Option --day fehlt.");
    const CCliDatum d = CCliWerte::Tag("--day", *tagText);
    const std::string* zaehlung = a.Wert("--count");
    const std::string* gezaehlt = a.Wert("--counted");
    if ((zaehlung != nullptr) == (gezaehlt != nullptr))
        throw CCliFehler("Geben Sie genau eine der Optionen --count oder --counted an.");
    const std::vector<CCliPosten> posten = zaehlung ? LiesPosten(*zaehlung) : std::vector<CCliPosten>();
    const CBetrag summe(gezaehlt ? CCliWerte::Betrag("--counted", *gezaehlt) : 0);
    const std::string* pdf = a.Wert("--pdf");
    if (pdf && pdf->empty())
        throw CCliFehler("Die Option --pdf braucht einen Dateinamen.");

    Oeffnen(a.Datei());
    CKassenbuch& kasse = Kasse();
    const std::string waehrung = kasse.GetFirma()->GetWaehrung();
    std::vector<CZaehlposten> zeilen;
    if (zaehlung) {
        if (CZaehlprotokoll::Nennwerte(waehrung).empty())
            throw CCliFehler("F\xFCr die W\xE4hrung " + waehrung
                             + " kennt Kuvex keine St\xFC" "ckelung; geben Sie --counted an.");
        zeilen = CZaehlprotokoll::LeereZaehlung(waehrung);
        std::vector<bool> gegeben(zeilen.size());
        for (const CCliPosten& p : posten) {
            const auto wert = CZaehlprotokoll::LeseNennwert(waehrung, p.Nennwert);
            if (!wert)
                throw CCliFehler("Unbekannter Nennwert f\xFCr " + waehrung + ": "
                                 + Windows1252::FromUtf8Lossy(p.Nennwert));
            for (std::size_t i = 0; i < zeilen.size(); ++i) {
                if (zeilen[i].Nennwert != *wert)
                    continue;
                if (gegeben[i])
                    throw CCliFehler("Der Nennwert " + CZaehlprotokoll::NennwertText(*wert)
                                     + " ist mehrfach angegeben.");
                gegeben[i] = true;
                zeilen[i].Anzahl = CZaehlprotokoll::LeseAnzahl(*wert, Windows1252::FromUtf8Lossy(p.Anzahl));
            }
        }
    }
    const CDatum tag = CDatum::FromYMD(d.Jahr, d.Monat, d.Tag);
    const CKassenabschluss& abschluss = CTagesabschluss::Schliesse(
        kasse, CZaehlprotokoll::Erstelle(*kasse.GetBuchungen(), tag, waehrung, zeilen, summe), CDatum::Now(),
        static_cast<std::int64_t>(std::time(nullptr)));

    Zeile("Kassenabschluss vom " + abschluss.Tag.ToDisplay());
    for (const CZaehlposten& p : abschluss.Zaehlung)
        if (p.Anzahl > 0)
            Zeile(CZaehlprotokoll::NennwertText(p.Nennwert) + "\t" + std::to_string(p.Anzahl) + "\t"
                    + FormatBetragAnzeige(p.Summe()));
    for (const auto& [titel, wert] : CZaehlprotokollView::Kennzahlen(abschluss))
        Zeile(titel + "\t" + wert);
    if (pdf) {
        CReportDaten daten;
        daten.firma = kasse.GetFirma();
        SchreibeBerichtPdf(std::make_unique<CZaehlprotokollView>(daten, abschluss), *pdf);
    }
    Speichern();
}

void CCliProgramm::Closes(const CCliArgumente& a)
{
    const std::string* monat = a.Wert("--month");
    if (!monat)
        throw CCliFehler("Die Option --month fehlt.");
    const CCliDatum m = CCliWerte::Monat("--month", *monat);
    Oeffnen(a.Datei());
    Zeile("Datum\tGez\xE4hlt\tKassenbestand\tDifferenz\tBuchung\tProtokoll");
    for (const CKassenabschluss& k : Kasse().GetKassenabschluesse().Alle()) {
        if (k.Tag.Year() != m.Jahr || k.Tag.Month() != m.Monat)
            continue;
        Zeile(k.Tag.ToDisplay() + "\t" + FormatBetragAnzeige(k.Gezaehlt) + "\t" + FormatBetragAnzeige(k.Buchbestand)
                + "\t" + FormatBetragAnzeige(k.Differenz) + "\t" + CZaehlprotokollView::BuchungText(k) + "\t"
                + (k.ProtokollNr ? "Nr. " + std::to_string(k.ProtokollNr) + " \xB7 " + k.ProtokollHash : ""));
    }
}
