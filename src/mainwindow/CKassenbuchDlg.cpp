// Construction, data access, settling the booking being typed, the modal
// wrapper and the commands the table hands to the window. What the window
// shows (date, totals, title, enabling) is in CHauptfensterAnzeige.cpp.
#include "mainwindow/CKassenbuchDlg.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "core/CBuchungen.h"
#include "core/CPeriode.h"
#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"
#include "mainwindow/CBefehlstabelle.h"
#include "mainwindow/CHauptfensterAktionen.h"
#include "mainwindow/CHauptfensterFlaeche.h"
#include "mainwindow/CLogo.h"
#include "mainwindow/CNegativPruefung.h"
#include "platform/CHilfeFenster.h"
#include "platform/Links.h"
#include "platform/ModalDialogs.h"
#include "core/CFehler.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CSettings.h"
#include "storage/CTagesabschluss.h"

#include <QAction>
#include <QCloseEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include <cstring>

const char* const CKassenbuchDlg::AenderungenSpeichern = "Wollen Sie die aktuellen \xC4nderungen speichern?";
const char* const CKassenbuchDlg::DialogOffen =
    "Die Datei kann erst ge\xF6" "ffnet werden, wenn der offene Dialog geschlossen ist.";

CKassenbuchDlg::CKassenbuchDlg(CProgrammSitzung& sitzung, UserMessages& messages, FileDialogs& fileDialogs,
                               ModalDialogs& dialogs, TrayIcon& tray, CDatumAuswahl::Clock today,
                               QWidget* parent)
    : QMainWindow(parent)
    , m_sitzung(sitzung)
    , m_settings(sitzung.Settings())
    , m_messages(messages)
    , m_fileDialogs(fileDialogs)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("kassenbuchDlg"));
    setWindowTitle(QStringLiteral("Kuvex"));
    m_steuerung = new CKassenbuchSteuerung(*this, m_sitzung, m_messages, fileDialogs, this);

    m_datumAuswahl = new CDatumAuswahl(this, std::move(today));
    addToolBar(Qt::TopToolBarArea, m_datumAuswahl);
    m_flaeche = new CHauptfensterFlaeche(*this, this);
    setCentralWidget(m_flaeche);
    m_aktionen = new CHauptfensterAktionen(*this, *m_flaeche);
    m_datumAuswahl->AddCommandActions(m_aktionen->Leiste());
    CTastaturFilter::Fenster& tasten = *this;
    m_tastatur = std::make_unique<CTastaturFilter>(*this, tasten);
    CBuchungsBefehle::Fenster& buchungen = *this;
    m_befehle = std::make_unique<CBuchungsBefehle>(*this, Eingabe(), Liste(), m_messages, buchungen);
    resize(980, 700);

    CHauptfensterFlaeche& f = *m_flaeche;
    f.eingabe->SetUserMessages(&m_messages);
    f.liste->SetAbschlussQuelle([this] { return m_steuerung->Dokument().LetzterAbschlussTag(); });

    m_aktionen->SetRecentHandler([this](int i) { m_steuerung->OpenRecent(i); });
    connect(m_steuerung, &CKassenbuchSteuerung::modifiedChanged, this, &CKassenbuchDlg::UpdateCommandStates);
    connect(m_datumAuswahl, &CDatumAuswahl::dateChanged, this, &CKassenbuchDlg::OnDateChanged);
    CBuchungsBefehle* b = m_befehle.get();
    connect(f.eingabe, &CBuchungEingabe::stateChanged, this, &CKassenbuchDlg::OnEntryStateChanged);
    connect(f.eingabe, &CBuchungEingabe::completeBookingEntered, this, [b] { b->BuchungKomplett(); });
    connect(f.liste, &CBuchungListe::bookingSelectionChanged, this, [b](int row) { b->AuswahlGeaendert(row); });

    // The mode survives the run; the date does not: the bar starts on today.
    const bool monthly = m_settings.GetMonthmode();
    (monthly ? f.monatlich : f.taeglich)->setChecked(true);
    {
        const QSignalBlocker still(m_datumAuswahl);
        m_datumAuswahl->SetMonthMode(monthly);
    }
    m_settings.SetMonthmode(monthly);
    OnDateChanged();
    m_datumAuswahl->Enable(true);
    m_aktionen->ZeigeOptionen();
    CFensterVerhalten::Fenster& verhalten = *this;
    m_verhalten = new CFensterVerhalten(verhalten, *this, m_settings, tray);
    m_verhalten->Starte();
    f.logo->Lade(m_settings.GetReadPath("logo.gif"));
    connect(f.logo, &CLogo::geklickt, this,
            [this] { OpenLink(QString::fromStdString(m_settings.GetLogoLink())); });
    // No cash book is open until the command line has been processed.
    EnableAll(false);
    UpdateCurrency();
}

CKassenbuchDlg::~CKassenbuchDlg()
{
    // Keys must not reach a window that is half gone.
    m_tastatur.reset();
    try {
        if (!m_ohneSpeichern)
            m_steuerung->SaveBeforeLeaving();
    } catch (const std::exception& fehler) {
        m_messages.Error(fehler.what());
    }
    // The cash book was the window's to work on; its lock goes with it.
    m_steuerung->Dokument().Close();
}

void CKassenbuchDlg::ProcessCommandLine(const QStringList& arguments)
{
    m_steuerung->ProcessCommandLine(arguments);
}

// --- Data access -----------------------------------------------------------

IDatumAuswahl* CKassenbuchDlg::GetDatumAuswahl() { return m_datumAuswahl; }
CBuchungen* CKassenbuchDlg::GetBuchungen() { return m_steuerung->Dokument().GetBuchungen(); }
CBelegtexte* CKassenbuchDlg::GetBelegtexte() { return m_steuerung->Dokument().GetBelegtexte(); }
CFirma* CKassenbuchDlg::GetFirma() { return m_steuerung->Dokument().GetFirma(); }
CSteuersaetze* CKassenbuchDlg::GetSteuersaetze() { return &m_sitzung.Steuersaetze(); }
const IDatumAuswahl* CKassenbuchDlg::GetDatumAuswahl() const { return m_datumAuswahl; }
const CBuchungen* CKassenbuchDlg::GetBuchungen() const { return m_steuerung->Dokument().GetBuchungen(); }
const CBelegtexte* CKassenbuchDlg::GetBelegtexte() const { return m_steuerung->Dokument().GetBelegtexte(); }
const CFirma* CKassenbuchDlg::GetFirma() const { return m_steuerung->Dokument().GetFirma(); }
const CSteuersaetze* CKassenbuchDlg::GetSteuersaetze() const { return &m_sitzung.Steuersaetze(); }
void CKassenbuchDlg::SetAvailable(bool available) { m_available = available; }
bool CKassenbuchDlg::IsOpen() const { return m_steuerung->IsOpen(); }
void CKassenbuchDlg::SetModified() { m_steuerung->SetModified(true); }
const CProtokoll* CKassenbuchDlg::GetProtokoll() const { return m_steuerung->Dokument().GetProtokoll(); }
CDatum CKassenbuchDlg::GetGesperrtBis() const { return m_steuerung->Dokument().GesperrtBis(); }

bool CKassenbuchDlg::Storniere(int satz)
{
    try {
        CDatum tag = m_datumAuswahl->GetDate();
        // A reversal never lands on a closed day: then it is dated today.
        if (tag <= m_steuerung->Dokument().LetzterAbschlussTag()) {
            const QDate heute = m_datumAuswahl->Heute();
            tag = CDatum::FromYMD(heute.year(), heute.month(), heute.day());
        }
        m_steuerung->Dokument().Storniere(satz, CDatum::FromYMD(tag.Year(), tag.Month(), tag.Day()));
        return true;
    } catch (const CFehler& e) {
        m_messages.Error(e.what());
        return false;
    }
}

void CKassenbuchDlg::NeueBuchungenProtokollieren()
{
    try {
        m_steuerung->Dokument().ProtokolliereNeueBuchungen();
    } catch (const CFehler& e) {
        // The bookings the log refused are gone from the journal again.
        m_messages.Error(e.what());
        Liste().Rebuild();
        UpdateTotals();
    }
}

void CKassenbuchDlg::Festschreiben()
{
    using M = UserMessages;
    if (!IsOpen() || GetProtokoll() || !SettlePendingEntry(SettleMode::Ask, true))
        return;
    const char* frage =
        "Sollen die Buchungen dieses Kassenbuchs festgeschrieben werden (GoBD)?\n\n"
        "Danach l\xE4sst sich keine Buchung mehr \xE4ndern oder l\xF6schen: sie wird storniert, "
        "und jede Buchung kommt nummeriert und mit Pr\xFC" "fsumme ins Protokoll. "
        "Das l\xE4sst sich nicht r\xFC" "ckg\xE4ngig machen.";
    if (m_messages.Show(frage, M::Icon::Warning, M::Buttons::YesNo) != M::Answer::Yes)
        return;
    try {
        m_steuerung->Dokument().SchalteGoBDEin();
    } catch (const CFehler& e) {
        m_messages.Error(e.what());
        return;
    }
    SetModified();
    Refresh();
}
CBuchungEingabe& CKassenbuchDlg::Eingabe() const { return *m_flaeche->eingabe; }
CBuchungListe& CKassenbuchDlg::Liste() const { return *m_flaeche->liste; }

EntryState CKassenbuchDlg::GetEntryState() const
{
    return m_flaeche->eingabe->GetState();
}

// --- Settling and the modal wrapper ----------------------------------------

bool CKassenbuchDlg::SettlePendingEntry(SettleMode mode, bool reselect)
{
    if (GetEntryState() == EntryState::Idle)
        return true;
    using M = UserMessages;
    SetAvailable(false);
    bool commit = mode == SettleMode::Commit;
    bool answeredYes = false;
    if (GetEntryState() == EntryState::Changed && mode == SettleMode::Ask) {
        const M::Answer answer = m_messages.Show(AenderungenSpeichern, M::Icon::Question, M::Buttons::YesNoCancel);
        if (answer != M::Answer::Yes && answer != M::Answer::No) {
            SetAvailable(true);
            return false;
        }
        commit = answeredYes = answer == M::Answer::Yes;
    }
    CBuchungEingabe& eingabe = Eingabe();
    // A closed day takes no booking once bookings are fixed; the booking
    // stays open so nothing typed is lost.
    if (commit) {
        if (const auto grund = CTagesabschluss::PruefeNeueBuchung(m_steuerung->Dokument(), eingabe.GetErfassteBuchung(),
                                                                   m_datumAuswahl->GetYear(), m_datumAuswahl->GetMonth())) {
            m_messages.Error(*grund);
            SetAvailable(true);
            return false;
        }
    }
    const bool finished = eingabe.Finish(commit ? GetBuchungen() : nullptr);
    SetAvailable(true);
    if (!finished)
        return false;
    if (commit)
        NeueBuchungenProtokollieren();

    UpdateTotals();
    Liste().Rebuild();
    if (mode != SettleMode::Discard) {
        CheckNegative();
        if (reselect)
            Liste().SelectBooking(eingabe.GetRecordIndex());
    }
    if (answeredYes || mode == SettleMode::Commit)
        m_steuerung->SetModified(true);
    return true;
}

bool CKassenbuchDlg::RunModal(const std::function<void()>& run, bool needsCashBook)
{
    if (needsCashBook && (!IsOpen() || !SettlePendingEntry(SettleMode::Ask, true)))
        return false;
    // The tray's "&Info" may open over another dialog; the window is free
    // again only when that one is closed too.
    const bool frei = m_available;
    SetAvailable(false);
    run();
    SetAvailable(frei);
    return true;
}

int CKassenbuchDlg::RunDialog(QDialog& dialog)
{
    return m_dialogs.Run(dialog);
}

std::string CKassenbuchDlg::LaenderDatei() const
{
    return m_settings.GetAbsolute(CSettings::LaenderFile);
}

std::string CKassenbuchDlg::ExportDatei() const
{
    return m_settings.GetAbsolute(CSettings::ExportFile);
}

std::filesystem::path CKassenbuchDlg::ProgrammOrdner() const
{
    return m_settings.GetProgramFolder();
}

void CKassenbuchDlg::FirmaGeaendert()
{
    m_steuerung->SetModified(true);
    Refresh();
}

void CKassenbuchDlg::BelegtexteGeaendert()
{
    m_steuerung->SetModified(true);
    Refresh();
}

void CKassenbuchDlg::AbschlussGemacht()
{
    m_steuerung->SetModified(true);
    Refresh();
}

bool CKassenbuchDlg::SteuersaetzeGeaendert()
{
    const bool gespeichert = m_sitzung.SaveSteuersaetze();
    Refresh();
    return gespeichert;
}

bool CKassenbuchDlg::CheckNegative()
{
    const CBuchungen* journal = GetBuchungen();
    if (!m_settings.GetWarnNegative() || !journal)
        return true;
    const CPeriode periode = CPeriode::Aus(m_datumAuswahl->GetDate(), m_datumAuswahl->IsMonthMode());
    const std::optional<CDatum> tag = CNegativPruefung::ErsterNegativerTag(*journal, periode);
    if (!tag)
        return true;
    // While the box is open a second start must not switch the cash book:
    // the caller goes on with this one afterwards.
    const bool vorher = m_available;
    SetAvailable(false);
    m_messages.Show(CNegativPruefung::Warnung(*tag), UserMessages::Icon::Warning, UserMessages::Buttons::Ok);
    SetAvailable(vorher);
    return false;
}

// --- Commands ----------------------------------------------------------------

void CKassenbuchDlg::RunCommand(const CBefehl& befehl)
{
    // A key stands for its command: a command switched off does nothing.
    if (const QAction* action = m_aktionen->Aktion(befehl.name); action && !action->isEnabled())
        return;
    if (befehl.ausfuehren)
        befehl.ausfuehren(*this);
}

void CKassenbuchDlg::Beenden()
{
    if (!SettlePendingEntry(SettleMode::Ask, true))
        return;
    m_beenden = true;
    close();
    m_beenden = false;
}

void CKassenbuchDlg::RunCommandNamed(const char* name)
{
    for (const CBefehl& befehl : Befehlstabelle()) {
        if (std::strcmp(befehl.name, name) == 0)
            RunCommand(befehl);
    }
}

void CKassenbuchDlg::Hilfe(int topic, QWidget* from)
{
    QWidget* owner = from ? from : this;
    if (!m_hilfe)
        m_hilfe = new CHilfeFenster(m_settings.GetReadPath("hilfe"), owner);
    else if (m_hilfe->parentWidget() != owner)
        m_hilfe->setParent(owner, Qt::Window);
    m_hilfe->Zeige(topic);
}

void CKassenbuchDlg::Aufwecken(int flags, const std::string& path)
{
    if (flags & 1) {
        m_verhalten->Anzeigen();
        raise();
        activateWindow();
    }
    if (!(flags & 2) || path.empty())
        return;
    // A dialog open on the cash book works on its records: switching the
    // cash book under it would pull them away.
    if (!m_available) {
        m_messages.Show(DialogOffen, UserMessages::Icon::Information, UserMessages::Buttons::Ok);
        return;
    }
    if (!m_steuerung->SaveBeforeLeaving())
        return;
    SetAvailable(false);
    m_steuerung->OpenFile(path);
    SetAvailable(true);
}

void CKassenbuchDlg::SetModeFromButton(bool monthly)
{
    {
        // The bar would report the change itself; it is handled once, below.
        const QSignalBlocker still(m_datumAuswahl);
        m_datumAuswahl->SetMonthMode(monthly);
    }
    m_settings.SetMonthmode(monthly);
    OnDateChanged();
}

void CKassenbuchDlg::ToggleOption(const char* option)
{
    m_settings.SetOption(option, !m_settings.GetOption(option));
    m_aktionen->ZeigeOptionen();
    m_verhalten->OptionGeaendert(option);
}

bool CKassenbuchDlg::IsOptionOn(const char* option) const
{
    return m_settings.GetOption(option);
}

void CKassenbuchDlg::CompanyCommand()
{
    // The company dialog follows a new cash book as soon as it exists.
    if (QAction* firma = m_aktionen->Aktion("actionFirma"))
        firma->trigger();
}

void CKassenbuchDlg::ShowFromTray()
{
    m_verhalten->Zeigen();
}

void CKassenbuchDlg::HideIntoTray()
{
    m_verhalten->Verstecken();
}

void CKassenbuchDlg::closeEvent(QCloseEvent* event)
{
    if (!m_beenden && m_verhalten->SchliessenAbfangen()) {
        event->ignore();
        return;
    }
    if (!SettlePendingEntry(SettleMode::Ask, true)) {
        event->ignore();
        return;
    }
    event->accept();
    emit Beendet();
}
