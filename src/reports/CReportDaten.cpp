#include "reports/CReportDaten.h"

#include "common/CDatenZugriff.h"
#include "common/IDatumAuswahl.h"
#include "core/CPeriode.h"

CReportDaten CReportDaten::Aus(const CDatenZugriff& zugriff)
{
    CReportDaten d;
    d.journal = zugriff.GetBuchungen();
    d.belegtexte = zugriff.GetBelegtexte();
    d.firma = zugriff.GetFirma();
    d.steuersaetze = zugriff.GetSteuersaetze();
    d.protokoll = zugriff.GetProtokoll();
    if (const IDatumAuswahl* auswahl = zugriff.GetDatumAuswahl()) {
        d.hatAuswahl = true;
        d.jahr = auswahl->GetYear();
        d.monat = auswahl->GetMonth();
        // The selector keeps the day inside the month; its date says which.
        d.tag = auswahl->GetDate().Day();
        d.monatlich = auswahl->IsMonthMode();
    }
    return d;
}

std::int64_t CReportDaten::Von() const
{
    return monatlich ? CDatum::FromYMD(jahr, monat, 1).Seconds() : Datum().Seconds();
}

std::int64_t CReportDaten::Bis() const
{
    return monatlich ? CPeriode::Monat(jahr, monat).Ende().Seconds() : Datum().NextDay().Seconds() - 1;
}
