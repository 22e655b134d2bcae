#include "mainwindow/CBefehlstabelle.h"

#include "export/dialog/CExportSettingsDlg.h"
#include "mainwindow/CAbschlussBefehl.h"
#include "mainwindow/CBuchungsBefehle.h"
#include "mainwindow/CDatumAuswahl.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "mainwindow/CInfoDlg.h"
#include "mainwindow/CKassenbuchSteuerung.h"
#include "masterdata/CBelegtexteDlg.h"
#include "masterdata/CFirmenverwaltungDlg.h"
#include "masterdata/CUStDlg.h"
#include "platform/CHilfeFenster.h"
#include "reports/CMonatsUebersichtDlg.h"
#include "reports/CReportStarter.h"
#include "storage/CSettings.h"

#include <QComboBox>

namespace {

using F = Freigabe;
using M = Menue;
using I = ToolbarIcon;
using W = CKassenbuchDlg;

void SaveEntry(W& w)
{
    if (w.Steuerung().IsOpen())
        w.SettlePendingEntry(SettleMode::Commit, true);
}

void Firma(W& w)
{
    w.RunModal([&] {
        CFirmenverwaltungDlg dlg(w, w.LaenderDatei(), w.Meldungen(), &w);
        QObject::connect(&dlg, &CFirmenverwaltungDlg::HilfeAngefordert, &dlg, [&](int topic) { w.Hilfe(topic, &dlg); });
        if (w.RunDialog(dlg) == QDialog::Accepted)
            w.FirmaGeaendert();
    });
}

template <CReportStarter::Bericht bericht>
void Bericht(W& w)
{
    w.RunModal([&] {
        CReportStarter starter(bericht, w, w.Dialoge(), w.Dateidialoge(), w.Meldungen());
        starter.Open(&w);
    });
}

void Monatsuebersicht(W& w)
{
    w.RunModal([&] {
        CMonatsUebersichtDlg dlg(w, &w);
        w.RunDialog(dlg);
    });
}

void Belegtexte(W& w)
{
    w.RunModal([&] {
        CBelegtexteDlg dlg(w, w.Meldungen(), &w);
        QObject::connect(&dlg, &CBelegtexteDlg::HilfeAngefordert, &dlg, [&](int topic) { w.Hilfe(topic, &dlg); });
        if (w.RunDialog(dlg) == QDialog::Accepted)
            w.BelegtexteGeaendert();
    });
}

// Enabled only with a cash book open, so RunModal settles the booking
// being typed: its VAT list is about to change.
void Umsatzsteuer(W& w)
{
    w.RunModal([&] {
        CUStDlg dlg(*w.GetSteuersaetze(), &w);
        QObject::connect(&dlg, &CUStDlg::HilfeAngefordert, &dlg, [&](int topic) { w.Hilfe(topic, &dlg); });
        if (w.RunDialog(dlg) == QDialog::Accepted)
            w.SteuersaetzeGeaendert();
    });
}

void Info(W& w)
{
    w.RunModal(
        [&] {
            CInfoDlg dlg(&w);
            w.RunDialog(dlg);
        },
        false);
}

// The sheet keeps its settings in memory; only OK writes them back.
void Export(W& w)
{
    w.RunModal([&] {
        CExportSettingsDlg dlg(w, w.ExportDatei(), w.ProgrammOrdner(), w.Meldungen(), w.Dateidialoge(), &w);
        if (w.RunDialog(dlg) != QDialog::Accepted)
            return;
        dlg.Einstellungen().Speichern(w.Meldungen());
        if (dlg.KassenbuchGeaendert())
            w.FirmaGeaendert();
    });
}

void DiscardEntry(W& w)
{
    if (w.GetEntryState() != EntryState::Idle)
        w.SettlePendingEntry(SettleMode::Discard, true);
}

// Rows in menu order.
const CBefehl kTabelle[] = {
    {.name = "actionNeu", .text = "&Neu...", .menue = M::Datei, .tasten = "Ctrl+N", .tasteImMenue = true,
     .tipp = "Legt eine neue Datenbank an", .leiste = 11, .symbol = I::New,
     .ausfuehren = [](W& w) { w.Steuerung().New(); }},
    {.name = "actionOeffnen", .text = "&Öffnen...", .menue = M::Datei, .tasten = "Ctrl+O", .tasteImMenue = true,
     .tipp = "Öffnet eine bestehende Datenbank", .leiste = 12, .symbol = I::Open,
     .ausfuehren = [](W& w) { w.Steuerung().Open(); }},
    {.name = "actionSpeichern", .text = "&Speichern", .menue = M::Datei, .tasten = "Ctrl+S", .tasteImMenue = true,
     .tipp = "Speichert eine Datenbank", .leiste = 13, .symbol = I::Save, .freigabe = F::Geaendert,
     .ausfuehren = [](W& w) { w.Steuerung().Save(); }},
    {.name = "actionSpeichernUnter", .text = "Speichern &unter...", .menue = M::Datei, .freigabe = F::Offen,
     .ausfuehren = [](W& w) { w.Steuerung().SaveAs(); }},
    {.name = "actionSchliessen", .text = "S&chließen", .menue = M::Datei, .tasten = "Ctrl+W",
     .tasteImMenue = true, .freigabe = F::Offen, .ausfuehren = [](W& w) { w.Steuerung().Close(); }},
    {.name = "actionExport", .text = "&Export...", .menue = M::Datei, .trennerDavor = true, .tipp = "Export",
     .leiste = 23, .symbol = I::Export, .freigabe = F::Geladen, .ausfuehren = Export},
    // The recent files go between the separator before it and the one above.
    {.name = "actionBeenden", .text = "&Beenden", .menue = M::Datei, .trennerDavor = true, .leiste = 41,
     .symbol = I::Exit, .ausfuehren = [](W& w) { w.Beenden(); }},

    {.name = "actionFirma", .text = "&Firma...", .menue = M::Stammdaten, .tasten = "Ctrl+F", .tasteImMenue = true,
     .tipp = "Firmendaten", .leiste = 31, .symbol = I::Company, .freigabe = F::Geladen, .ausfuehren = Firma},
    {.name = "actionBelegtexte", .text = "&Belegstexte...", .menue = M::Stammdaten, .tasten = "Ctrl+B",
     .tasteImMenue = true, .tipp = "Belegtexte", .leiste = 32, .symbol = I::ReceiptTexts, .freigabe = F::Geladen,
     .ausfuehren = Belegtexte},
    {.name = "actionUmsatzsteuer", .text = "&Umsatzsteuer...", .menue = M::Stammdaten, .tasten = "Ctrl+U",
     .tasteImMenue = true, .freigabe = F::Offen, .ausfuehren = Umsatzsteuer},

    // The menu shows no key for the cash report, though Ctrl+P starts it.
    {.name = "actionKassenbericht", .text = "&Kassenbericht", .menue = M::Auswertungen, .tasten = "Ctrl+P",
     .tipp = "Drucken", .leiste = 21, .symbol = I::Report, .knopf = "buttonKassenbericht", .freigabe = F::Geladen,
     .ausfuehren = Bericht<CReportStarter::Bericht::Kassenbericht>},
    {.name = "actionStatistik", .text = "&Statistik", .menue = M::Auswertungen, .tipp = "Statistik", .leiste = 22,
     .symbol = I::Statistics, .knopf = "buttonStatistik", .freigabe = F::Geladen,
     .ausfuehren = Bericht<CReportStarter::Bericht::Statistik>},
    {.name = "actionProtokoll", .text = "&Protokoll...", .menue = M::Auswertungen, .freigabe = F::GoBD,
     .ausfuehren = Bericht<CReportStarter::Bericht::Protokoll>},
    {.name = "actionKassenabschluss", .text = "Kasse &abschließen...", .menue = M::Auswertungen,
     .trennerDavor = true, .tasten = "Ctrl+K", .tasteImMenue = true, .tipp = "Kassenabschluss mit Zählprotokoll",
     .freigabe = F::Geladen, .ausfuehren = [](W& w) { w.RunModal([&] { CAbschlussBefehl::Ausfuehren(w); }); }},

    {.name = "actionAutostart", .text = "mit Windows &starten", .menue = M::Einstellungen,
     .option = CSettings::Autostart},
    {.name = "actionStayOnTop", .text = "Immer im &Vordergrund", .menue = M::Einstellungen,
     .option = CSettings::StayOnTop},
    {.name = "actionCloseToTray", .text = "mit [&x]-Button verkleinern", .menue = M::Einstellungen,
     .option = CSettings::CloseToTray},
    {.name = "actionAutosave", .text = "&alle 2 Minuten speichern", .menue = M::Einstellungen,
     .option = CSettings::Autosave},
    {.name = "actionWarnNegative", .text = "&Kassennegativprüfung", .menue = M::Einstellungen,
     .option = CSettings::WarnNegative},
    // Belongs to the open cash book, not to the settings file.
    {.name = "actionGoBD", .text = "Buchungen &festschreiben (GoBD)...", .menue = M::Einstellungen,
     .trennerDavor = true, .freigabe = F::Festschreibbar, .ausfuehren = [](W& w) { w.Festschreiben(); }},

    {.name = "actionHilfe", .text = "&Hilfe...", .menue = M::Hilfe, .tasten = "F1",
     .ausfuehren = [](W& w) { w.Hilfe(CHilfeFenster::ThemaHauptfenster); }},
    {.name = "actionInfo", .text = "&Info...", .menue = M::Hilfe, .trennerDavor = true, .ausfuehren = Info},

    // The push buttons of the working surface.
    {.name = "buttonMonatsuebersicht", .knopf = "buttonMonatsuebersicht", .freigabe = F::Offen,
     .ausfuehren = Monatsuebersicht},
    {.name = "buttonNeu", .knopf = "buttonNeu", .freigabe = F::Offen,
     .ausfuehren = [](W& w) { w.Befehle().NeueBuchung(); }},
    {.name = "buttonSpeichern", .knopf = "buttonSpeichern", .freigabe = F::Erfassung, .ausfuehren = SaveEntry},
    {.name = "buttonAbbrechen", .knopf = "buttonAbbrechen", .freigabe = F::Erfassung,
     .ausfuehren = [](W& w) { w.SettlePendingEntry(SettleMode::Discard, true); }},
    {.name = "buttonLoeschen", .knopf = "buttonLoeschen", .freigabe = F::Ruhig,
     .ausfuehren = [](W& w) { w.Befehle().Loeschen(); }},
    {.name = "buttonKorrigieren", .knopf = "buttonKorrigieren", .freigabe = F::Korrigierbar,
     .ausfuehren = [](W& w) { w.Befehle().Korrigieren(); }},
    {.name = "radioTaeglich", .knopf = "radioTaeglich", .freigabe = F::Ruhig,
     .ausfuehren = [](W& w) { w.SetModeFromButton(false); }},
    {.name = "radioMonatlich", .knopf = "radioMonatlich", .freigabe = F::Ruhig,
     .ausfuehren = [](W& w) { w.SetModeFromButton(true); }},

    // Keys only. Esc always ends here: passed on it would close the window.
    {.name = "keyVerwerfen", .tasten = "Esc", .ausfuehren = DiscardEntry},
    {.name = "keyJahr", .tasten = "Ctrl+J", .tastenregel = Tastenregel::OhneAenderungen,
     .ausfuehren = [](W& w) { w.DatumAuswahl()->YearList()->setFocus(); }},
    {.name = "keyMonat", .tasten = "Ctrl+M", .tastenregel = Tastenregel::OhneAenderungen,
     .ausfuehren = [](W& w) { w.DatumAuswahl()->MonthList()->setFocus(); }},
    {.name = "keyTag", .tasten = "Ctrl+T", .tastenregel = Tastenregel::OhneAenderungen,
     .ausfuehren = [](W& w) { w.DatumAuswahl()->DayList()->setFocus(); }},
    {.name = "keyHeute", .tasten = "Home; Ctrl+H", .tastenregel = Tastenregel::OhneAenderungen,
     .ausfuehren = [](W& w) { w.DatumAuswahl()->Today(); }},
    {.name = "keyVorheriges", .tasten = "PgUp", .tastenregel = Tastenregel::OhneAenderungen,
     .ausfuehren = [](W& w) { w.DatumAuswahl()->Previous(); }},
    {.name = "keyNaechstes", .tasten = "PgDown", .tastenregel = Tastenregel::OhneAenderungen,
     .ausfuehren = [](W& w) { w.DatumAuswahl()->Next(); }},
    // The generator asks its own questions; the key means nothing to any control.
    {.name = "keyGenerator", .tasten = "Ctrl+G", .ausfuehren = [](W& w) { w.Befehle().Generator(); }},
};

} // namespace

std::span<const CBefehl> Befehlstabelle()
{
    return kTabelle;
}
