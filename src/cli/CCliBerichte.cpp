// kuvex-cli's report and overview: the same engines and page drawing as the
// window's preview, the PDF written without any window on screen.
#include "cli/CCliProgramm.h"
#include "cli/CCliAusgabe.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "cli/CCliArgumente.h"
#include "cli/CCliFehler.h"
#include "cli/CPdfUmgebung.h"
#include "cli/CCliWerte.h"
#include "core/CBuchungen.h"
#include "core/Windows1252.h"
#include "platform/Cp1252.h"
#include "platform/SystemErrorText.h"
#include "reports/CKassabuchReportView.h"
#include "reports/CMonatsUebersichtZeilen.h"
#include "reports/CStatistikReportView.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"

using cli_ausgabe::Zeile;

void CCliProgramm::Report(const CCliArgumente& a)
{
    const bool kasse = a.Schalter("--cash");
    if (kasse == a.Schalter("--stats"))
        throw CCliFehler("Geben Sie genau eine der Optionen --cash oder --stats an.");
    CReportDaten daten;
    daten.hatAuswahl = true;
    if (kasse) {
        const std::string* tag = a.Wert("--day");
        const std::string* monat = a.Wert("--month");
        if ((tag != nullptr) == (monat != nullptr))
            throw CCliFehler("Geben Sie genau eine der Optionen --day oder --month an.");
        const CCliDatum d = tag ? CCliWerte::Tag("--day", *tag) : CCliWerte::Monat("--month", *monat);
        daten.jahr = d.Jahr;
        daten.monat = d.Monat;
        daten.tag = d.Tag;
        daten.monatlich = monat != nullptr;
    } else {
        if (a.Wert("--day"))
            throw CCliFehler("Die Statistik gilt f\xFCr einen Monat: geben Sie --month an, nicht --day.");
        const std::string* monat = a.Wert("--month");
        if (!monat)
            throw CCliFehler("Die Option --month fehlt.");
        const CCliDatum d = CCliWerte::Monat("--month", *monat);
        daten.jahr = d.Jahr;
        daten.monat = d.Monat;
        daten.monatlich = true;
    }
    const std::string* pdf = a.Wert("--pdf");
    if (!pdf || pdf->empty())
        throw CCliFehler("Die Option --pdf fehlt.");

    Oeffnen(a.Datei());
    daten.journal = Kasse().GetBuchungen();
    daten.belegtexte = Kasse().GetBelegtexte();
    daten.firma = Kasse().GetFirma();
    daten.steuersaetze = &m_sitzung->Steuersaetze();

    daten.protokoll = Kasse().GetProtokoll();

    if (kasse)
        SchreibeBerichtPdf(std::make_unique<CKassabuchReportView>(daten), *pdf);
    else
        SchreibeBerichtPdf(std::make_unique<CStatistikReportView>(daten), *pdf);
}

void CCliProgramm::SchreibeBerichtPdf(std::unique_ptr<CReportViewBase> view, const std::string& pdf)
{
    const CPdfUmgebung umgebung;
    errno = 0;
    if (!view->SchreibePdf(QFile::decodeName(QByteArray::fromStdString(pdf)))) {
        const int fehler = errno;
        throw CCliFehler("Die Datei " + Windows1252::FromUtf8Lossy(pdf) + " konnte nicht geschrieben werden: "
                         + Cp1252::FromQString(SystemErrorText(fehler)).value_or(std::string()));
    }
}

void CCliProgramm::Overview(const CCliArgumente& a)
{
    const std::string* monat = a.Wert("--month");
    if (!monat)
        throw CCliFehler("Die Option --month fehlt.");
    const CCliDatum m = CCliWerte::Monat("--month", *monat);
    Oeffnen(a.Datei());
    CMonatsUebersichtZeilen zeilen;
    zeilen.Baue(*Kasse().GetBuchungen(), m.Jahr, m.Monat);

    std::string kopf;
    for (const char* k : CMonatsUebersichtZeilen::Spaltenkoepfe())
        kopf += (kopf.empty() ? "" : "\t") + std::string(k);
    Zeile(kopf);
    for (const CMonatsUebersichtZeilen::Zeile& z : zeilen.Zeilen()) {
        std::string zeile;
        for (std::size_t c = 0; c < z.Texte.size(); ++c)
            zeile += (c ? "\t" : "") + z.Texte[c];
        Zeile(zeile);
    }
}
