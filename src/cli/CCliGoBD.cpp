// kuvex-cli's verbs of locked bookings: check the log, switch the locking
// on, and print the log of a month.
#include "cli/CCliProgramm.h"
#include "cli/CCliAusgabe.h"

#include <cstdio>

#include "cli/CCliArgumente.h"
#include "cli/CCliFehler.h"
#include "cli/CCliWerte.h"
#include "core/CPeriode.h"
#include "core/Windows1252.h"
#include "reports/CProtokollReportView.h"
#include "reports/CProtokollZeilen.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"

using cli_ausgabe::Feld;
using cli_ausgabe::Zeile;

void CCliProgramm::Verify(const CCliArgumente& a)
{
    // The verdict is this verb's output, not a warning beside it.
    Oeffnen(a.Datei(), false);
    const CKassenbuch& kasse = Kasse();
    if (!kasse.IsGoBD()) {
        Zeile("Dieses Kassenbuch f\xFChrt kein Protokoll: seine Buchungen sind nicht festgeschrieben.");
        return;
    }
    if (kasse.IsNurLesen()) {
        Zeile(kasse.Manipulation());
        throw CCliFehler("", 1);
    }
    const CProtokoll& log = *kasse.GetProtokoll();
    Zeile("Protokoll in Ordnung: " + std::to_string(log.GetCount()) + " Eintr\xE4ge, letzter Hash "
            + log.LetzterHash());
}

void CCliProgramm::GoBD(const CCliArgumente& a)
{
    Oeffnen(a.Datei());
    Kasse().SchalteGoBDEin();
    Speichern();
    Zeile("Die Buchungen sind jetzt festgeschrieben (GoBD). Das l\xE4sst sich nicht r\xFC" "ckg\xE4ngig machen.");
}

void CCliProgramm::Protokoll(const CCliArgumente& a)
{
    const std::string* monat = a.Wert("--month");
    if (!monat)
        throw CCliFehler("Die Option --month fehlt.");
    const CCliDatum m = CCliWerte::Monat("--month", *monat);
    const CPeriode periode = CPeriode::Monat(m.Jahr, m.Monat);
    Oeffnen(a.Datei());
    const CProtokoll* log = Kasse().GetProtokoll();
    if (!log)
        throw CCliFehler("Dieses Kassenbuch f\xFChrt kein Protokoll: seine Buchungen sind nicht festgeschrieben.");

    if (const std::string* pdf = a.Wert("--pdf")) {
        CReportDaten daten;
        daten.hatAuswahl = true;
        daten.jahr = m.Jahr;
        daten.monat = m.Monat;
        daten.monatlich = true;
        daten.journal = Kasse().GetBuchungen();
        daten.firma = Kasse().GetFirma();
        daten.protokoll = log;
        SchreibeBerichtPdf(std::make_unique<CProtokollReportView>(daten), *pdf);
        return;
    }
    CProtokollZeilen zeilen;
    zeilen.Baue(*log, periode.Start().Seconds(), periode.Ende().Seconds());
    std::string kopf;
    for (const char* k : CProtokollZeilen::Spaltenkoepfe())
        kopf += (kopf.empty() ? "" : "\t") + std::string(k);
    Zeile(kopf);
    for (const CProtokollZeilen::Zeile& z : zeilen.Zeilen()) {
        std::string zeile;
        for (std::size_t c = 0; c < z.Texte.size(); ++c)
            zeile += (c ? "\t" : "") + Feld(z.Texte[c]);
        Zeile(zeile);
    }
}
