#include "mainwindow/CAbschlussBefehl.h"

#include <QDateTime>
#include <QObject>

#include "core/CFehler.h"
#include "core/CFirma.h"
#include "core/UserMessages.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "reports/CKassenabschlussDlg.h"
#include "reports/CReportDaten.h"
#include "reports/CReportStarter.h"
#include "reports/CZaehlprotokollView.h"
#include "storage/CTagesabschluss.h"

const char* const CAbschlussBefehl::DruckFrage = "M\xF6" "chten Sie das Z\xE4hlprotokoll jetzt drucken?";

namespace {

void Zeige(CKassenbuchDlg& w, const CKassenabschluss& a)
{
    CZaehlprotokollView view(CReportDaten::Aus(w), a);
    CReportStarter::Zeige(view, &w, w.Dialoge(), w.Dateidialoge(), w.Meldungen());
}

} // namespace

void CAbschlussBefehl::Ausfuehren(CKassenbuchDlg& w)
{
    CKassenbuch& kasse = w.Steuerung().Dokument();
    const CDatum tag = w.GetDatumAuswahl()->GetDate();
    if (tag.IsNull())
        return;
    if (const CKassenabschluss* alt = kasse.GetKassenabschluesse().Fuer(tag)) {
        Zeige(w, *alt);
        return;
    }
    const QDate h = w.DatumAuswahl()->Heute();
    const CDatum heute = CDatum::FromYMD(h.year(), h.month(), h.day());
    if (const auto grund = CTagesabschluss::Pruefe(kasse, tag, heute)) {
        w.Meldungen().Error(*grund);
        return;
    }
    const std::string waehrung = kasse.GetFirma()->GetWaehrung();
    CKassenabschlussDlg dlg(CZaehlprotokoll::Erstelle(*kasse.GetBuchungen(), tag, waehrung,
                                                      CZaehlprotokoll::LeereZaehlung(waehrung), CBetrag()),
                            w.Meldungen(), &w);
    QObject::connect(&dlg, &CKassenabschlussDlg::HilfeAngefordert, &dlg, [&](int thema) { w.Hilfe(thema, &dlg); });
    if (w.RunDialog(dlg) != QDialog::Accepted)
        return;
    CKassenabschluss gemacht;
    try {
        gemacht = CTagesabschluss::Schliesse(kasse, dlg.Ergebnis(), heute, QDateTime::currentSecsSinceEpoch());
    } catch (const CFehler& e) {
        w.Meldungen().Error(e.what());
        return;
    }
    w.AbschlussGemacht();
    using M = UserMessages;
    if (w.Meldungen().Show(DruckFrage, M::Icon::Question, M::Buttons::YesNo) == M::Answer::Yes)
        Zeige(w, gemacht);
}
