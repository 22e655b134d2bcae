#include "mainwindow/CKassenbuchDlg.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "core/CKassenSummen.h"
#include "core/CPeriode.h"
#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"
#include "mainwindow/CBuchungsBefehle.h"
#include "mainwindow/CHauptfensterAktionen.h"
#include "mainwindow/CHauptfensterFlaeche.h"
#include "mainwindow/CNegativPruefung.h"
#include "mainwindow/CSummenPanel.h"
#include "mainwindow/CWarteCursor.h"
#include "platform/Cp1252.h"
#include "storage/CSettings.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <filesystem>
#include <system_error>

const char* const CKassenbuchDlg::SteuersatzFehlt = " nicht gefunden. Das Programm wird beendet.";
const char* const CKassenbuchDlg::AenderungenSpeichern = "Wollen Sie die aktuellen \xC4nderungen speichern?";

CKassenbuchDlg::CKassenbuchDlg(CSettings& settings, UserMessages& messages, FileDialogs& dialogs, Uhren uhren,
                               QWidget* parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_messages(messages)
    , m_dialogs(dialogs)
    , m_uhren(std::move(uhren))
{
    setObjectName(QStringLiteral("kassenbuchDlg"));
    setWindowTitle(QStringLiteral("Kuvex"));
    m_steuerung = new CKassenbuchSteuerung(*this, m_settings, m_messages, m_dialogs, m_uhren.backups, this);

    // Without its VAT rates the program cannot book anything: it says which
    // file it looked for, as the settings name it, and ends.
    const std::string steuersatzDatei = m_settings.GetAbsolute(CSettings::SteuersatzFile);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(steuersatzDatei), ec)) {
        m_messages.Error(m_settings.GetSteuersatzFile() + SteuersatzFehlt);
        m_mussBeenden = true;
        return;
    }
    m_steuersaetze = std::make_unique<CSteuersaetze>(steuersatzDatei);
    BuildWindow();
    ConnectCommands();

    CHauptfensterFlaeche& f = *m_flaeche;
    f.eingabe->SetUserMessages(&m_messages);

    // The mode survives the run; the date does not: the bar starts on today.
    const bool monthly = m_settings.GetMonthmode();
    (monthly ? f.monatlich : f.taeglich)->setChecked(true);
    {
        const QSignalBlocker still(m_datumAuswahl);
        m_datumAuswahl->SetMonthMode(monthly);
    }
    m_settings.SetMonthmode(monthly);
    OnDateChanged();

    f.speichern->setEnabled(false);
    f.abbrechen->setEnabled(false);
    m_datumAuswahl->Enable(true);
    f.loeschen->setEnabled(true);
    f.monatlich->setEnabled(true);
    f.taeglich->setEnabled(true);
    ApplySettingsToMenu();
    // No cash book is open until the command line has been processed.
    EnableAll(false);
    UpdateCurrency();
}

CKassenbuchDlg::~CKassenbuchDlg()
{
    // Keys must not reach a window that is half gone.
    m_tastatur.reset();
    if (m_mussBeenden || m_ohneSpeichern)
        return;
    try {
        m_steuerung->SaveBeforeLeaving();
    } catch (const std::exception& fehler) {
        m_messages.Error(fehler.what());
    }
}

void CKassenbuchDlg::BuildWindow()
{
    m_aktionen = new CHauptfensterAktionen(*this);
    m_datumAuswahl = new CDatumAuswahl(this, m_uhren.datum);
    CHauptfensterAktionen& a = *m_aktionen;
    m_datumAuswahl->AddCommandActions({a.neu, a.oeffnen, a.speichern, a.kassenbericht, a.statistik,
                                       a.exportieren, a.firma, a.belegtexte, a.beenden});
    addToolBar(Qt::TopToolBarArea, m_datumAuswahl);
    m_flaeche = new CHauptfensterFlaeche(*this, this);
    setCentralWidget(m_flaeche);
    CTastaturFilter::Ziel& ziel = *this;
    m_tastatur = std::make_unique<CTastaturFilter>(*this, ziel);
    m_befehle = std::make_unique<CBuchungsBefehle>(
        *this, *m_flaeche->eingabe, *m_flaeche->liste, m_messages,
        CBuchungsBefehle::Fenster{[this] { return IsOpen(); }, [this] { UpdateTotals(); }, [this] { Refresh(); }});
    resize(980, 700);
}

void CKassenbuchDlg::ConnectCommands()
{
    CHauptfensterAktionen& a = *m_aktionen;
    CHauptfensterFlaeche& f = *m_flaeche;
    CKassenbuchSteuerung* s = m_steuerung;

    connect(a.neu, &QAction::triggered, s, &CKassenbuchSteuerung::New);
    connect(a.oeffnen, &QAction::triggered, s, &CKassenbuchSteuerung::Open);
    connect(a.speichern, &QAction::triggered, s, &CKassenbuchSteuerung::Save);
    connect(a.speichernUnter, &QAction::triggered, s, &CKassenbuchSteuerung::SaveAs);
    connect(a.schliessen, &QAction::triggered, s, &CKassenbuchSteuerung::Close);
    connect(a.beenden, &QAction::triggered, this, [this] {
        if (SettlePendingEntry(1, true))
            close();
    });
    a.SetRecentHandler([s](int i) { s->OpenRecent(i); });
    connect(s, &CKassenbuchSteuerung::modifiedChanged, this, &CKassenbuchDlg::UpdateCommandStates);

    // The company, receipt-text and VAT-rate dialogs, the reports, the
    // export, the help and the Info box come with their own parts of the
    // program; until then their commands are in place and do nothing.
    connect(a.autostart, &QAction::triggered, this, [this] { Toggle(m_aktionen->autostart, CSettings::Autostart); });
    connect(a.immerVorne, &QAction::triggered, this, [this] { Toggle(m_aktionen->immerVorne, CSettings::StayOnTop); });
    connect(a.schliessenInTray, &QAction::triggered, this,
            [this] { Toggle(m_aktionen->schliessenInTray, CSettings::CloseToTray); });
    connect(a.autosave, &QAction::triggered, this, [this] { Toggle(m_aktionen->autosave, CSettings::Autosave); });
    connect(a.negativPruefung, &QAction::triggered, this,
            [this] { Toggle(m_aktionen->negativPruefung, CSettings::WarnNegative); });

    connect(m_datumAuswahl, &CDatumAuswahl::dateChanged, this, &CKassenbuchDlg::OnDateChanged);
    connect(f.taeglich, &QRadioButton::clicked, this, [this] { OnModeButton(false); });
    connect(f.monatlich, &QRadioButton::clicked, this, [this] { OnModeButton(true); });

    connect(f.eingabe, &CBuchungEingabe::stateChanged, this, &CKassenbuchDlg::OnEntryStateChanged);
    CBuchungsBefehle* b = m_befehle.get();
    connect(f.eingabe, &CBuchungEingabe::completeBookingEntered, this, [b] { b->BuchungKomplett(); });
    connect(f.liste, &CBuchungListe::bookingSelectionChanged, this, [b](int row) { b->AuswahlGeaendert(row); });

    connect(f.neu, &QPushButton::clicked, this, [b] { b->NeueBuchung(); });
    connect(f.speichern, &QPushButton::clicked, this, [this] {
        if (IsOpen())
            SettlePendingEntry(0, true);
    });
    connect(f.abbrechen, &QPushButton::clicked, this, [this] { SettlePendingEntry(2, true); });
    connect(f.loeschen, &QPushButton::clicked, this, [b] { b->Loeschen(); });
    connect(f.kassenbericht, &QPushButton::clicked, a.kassenbericht, &QAction::trigger);
    connect(f.statistik, &QPushButton::clicked, a.statistik, &QAction::trigger);
}

void CKassenbuchDlg::ApplySettingsToMenu()
{
    CHauptfensterAktionen& a = *m_aktionen;
    a.autostart->setChecked(m_settings.GetAutostart());
    a.immerVorne->setChecked(m_settings.GetStayOnTop());
    a.schliessenInTray->setChecked(m_settings.GetCloseToTray());
    a.autosave->setChecked(m_settings.GetAutosave());
    a.negativPruefung->setChecked(m_settings.GetWarnNegative());
}

void CKassenbuchDlg::Toggle(QAction* action, const char* option)
{
    const bool on = !m_settings.GetOption(option);
    m_settings.SetOption(option, on);
    action->setChecked(m_settings.GetOption(option));
}

void CKassenbuchDlg::ProcessCommandLine(const QStringList& arguments)
{
    if (!m_mussBeenden)
        m_steuerung->ProcessCommandLine(arguments);
}

// --- Data access -----------------------------------------------------------

IDatumAuswahl* CKassenbuchDlg::GetDatumAuswahl() { return m_datumAuswahl; }
CBuchungen* CKassenbuchDlg::GetBuchungen() { return m_steuerung->Dokument().GetBuchungen(); }
CBelegtexte* CKassenbuchDlg::GetBelegtexte() { return m_steuerung->Dokument().GetBelegtexte(); }
CFirma* CKassenbuchDlg::GetFirma() { return m_steuerung->Dokument().GetFirma(); }
CSteuersaetze* CKassenbuchDlg::GetSteuersaetze() { return m_steuersaetze.get(); }
const IDatumAuswahl* CKassenbuchDlg::GetDatumAuswahl() const { return m_datumAuswahl; }
const CBuchungen* CKassenbuchDlg::GetBuchungen() const { return m_steuerung->Dokument().GetBuchungen(); }
const CBelegtexte* CKassenbuchDlg::GetBelegtexte() const { return m_steuerung->Dokument().GetBelegtexte(); }
const CFirma* CKassenbuchDlg::GetFirma() const { return m_steuerung->Dokument().GetFirma(); }
const CSteuersaetze* CKassenbuchDlg::GetSteuersaetze() const { return m_steuersaetze.get(); }
void CKassenbuchDlg::SetAvailable(bool available) { m_available = available; }
bool CKassenbuchDlg::IsOpen() const { return m_steuerung->IsOpen(); }
CBuchungEingabe& CKassenbuchDlg::Eingabe() const { return *m_flaeche->eingabe; }
CBuchungListe& CKassenbuchDlg::Liste() const { return *m_flaeche->liste; }

int CKassenbuchDlg::EntryState() const
{
    return m_flaeche ? m_flaeche->eingabe->GetState() : 0;
}

bool CKassenbuchDlg::SettlePendingEntry(int mode, bool reselect)
{
    if (EntryState() == 0)
        return true;
    using M = UserMessages;
    SetAvailable(false);
    bool commit = mode == 0;
    bool answeredYes = false;
    if (EntryState() >= 2 && mode == 1) {
        const M::Answer answer = m_messages.Show(AenderungenSpeichern, M::Icon::Question, M::Buttons::YesNoCancel);
        if (answer != M::Answer::Yes && answer != M::Answer::No) {
            SetAvailable(true);
            return false;
        }
        commit = answeredYes = answer == M::Answer::Yes;
    }
    CBuchungEingabe& eingabe = Eingabe();
    const bool finished = eingabe.Finish(commit ? GetBuchungen() : nullptr);
    SetAvailable(true);
    if (!finished)
        return false;

    UpdateTotals();
    Liste().Rebuild();
    if (mode != 2) {
        CheckNegative();
        if (reselect)
            Liste().SelectBooking(eingabe.GetRecordIndex());
    }
    if (answeredYes || mode == 0)
        m_steuerung->SetModified(true);
    return true;
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
    m_messages.Show(CNegativPruefung::Warnung(*tag), UserMessages::Icon::Warning, UserMessages::Buttons::Ok);
    return false;
}

// --- Date, totals, enabling --------------------------------------------------

void CKassenbuchDlg::OnDateChanged()
{
    if (IsOpen()) {
        // A cancelled question keeps the new date in the bar but the old
        // period in the list and the totals.
        if (!SettlePendingEntry(1, true))
            return;
        Liste().Show(m_datumAuswahl->GetDate(), m_datumAuswahl->IsMonthMode());
    }
    UpdateDateLabel();
    UpdateTotals();
}

void CKassenbuchDlg::OnModeButton(bool monthly)
{
    {
        // The bar would report the change itself; it is handled once, below.
        const QSignalBlocker still(m_datumAuswahl);
        m_datumAuswahl->SetMonthMode(monthly);
    }
    m_settings.SetMonthmode(monthly);
    OnDateChanged();
}

void CKassenbuchDlg::UpdateDateLabel()
{
    QString text;
    if (!m_datumAuswahl->IsMonthMode())
        text = QString::number(m_datumAuswahl->GetDay()) + QStringLiteral(". ");
    text += m_datumAuswahl->MonthName(m_datumAuswahl->GetMonth()) + QLatin1Char(' ')
        + QString::number(m_datumAuswahl->GetYear());
    m_flaeche->datum->setText(text);
}

void CKassenbuchDlg::UpdateTotals()
{
    const CBuchungen* journal = GetBuchungen();
    if (!IsOpen() || !journal) {
        m_flaeche->summen->Zeige(CKassenSummen());
        return;
    }
    const CPeriode periode = CPeriode::Aus(m_datumAuswahl->GetDate(), m_datumAuswahl->IsMonthMode());
    m_flaeche->summen->Zeige(CKassenSummen::Berechne(*journal, periode));
}

void CKassenbuchDlg::UpdateCurrency()
{
    const CFirma* firma = GetFirma();
    m_flaeche->summen->SetWaehrung(firma ? Cp1252::ToQString(firma->GetWaehrung()) : QStringLiteral("-"));
}

void CKassenbuchDlg::OnEntryStateChanged(int state)
{
    CHauptfensterFlaeche& f = *m_flaeche;
    f.speichern->setEnabled(state >= 1);
    f.abbrechen->setEnabled(state >= 1);
    const bool ruhig = state < 2;
    m_datumAuswahl->Enable(ruhig && m_datumAuswahl->IsLoaded());
    f.loeschen->setEnabled(ruhig && IsOpen());
    f.taeglich->setEnabled(ruhig && IsOpen());
    f.monatlich->setEnabled(ruhig && IsOpen());
}

void CKassenbuchDlg::EnableAll(bool enable)
{
    CHauptfensterFlaeche& f = *m_flaeche;
    for (QWidget* w : std::initializer_list<QWidget*>{f.eingabe, f.liste, f.monatlich, f.taeglich, f.kassenbericht,
                                                      f.statistik, f.monatsuebersicht, f.loeschen, f.neu})
        w->setEnabled(enable);
    CHauptfensterAktionen& a = *m_aktionen;
    for (QAction* action : {a.exportieren, a.belegtexte, a.umsatzsteuer, a.firma, a.kassenbericht, a.statistik})
        action->setEnabled(enable);
    m_datumAuswahl->SetLoaded(enable);
    a.speichern->setEnabled(enable && m_steuerung->IsModified());
    a.schliessen->setEnabled(IsOpen());
    a.speichernUnter->setEnabled(IsOpen());
    if (!enable)
        setFocus();
}

void CKassenbuchDlg::UpdateCommandStates()
{
    CHauptfensterAktionen& a = *m_aktionen;
    a.speichern->setEnabled(m_steuerung->IsModified() && IsOpen());
    const bool loaded = m_datumAuswahl->IsLoaded();
    for (QAction* action : {a.belegtexte, a.statistik, a.kassenbericht, a.firma, a.exportieren})
        action->setEnabled(loaded);
}

// --- After a change of cash book ---------------------------------------------

void CKassenbuchDlg::RefreshTitle()
{
    const CKassenbuch& dokument = m_steuerung->Dokument();
    if (!IsOpen()) {
        setWindowTitle(QStringLiteral("Kuvex"));
        return;
    }
    std::string name = dokument.GetFileName();
    // The file name without its folder; both separators count.
    const std::size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    setWindowTitle(QStringLiteral("Kuvex - ") + Cp1252::ToQString(dokument.GetFirma()->GetKurzbezeichnung())
                   + QStringLiteral(" <") + CKassenbuchSteuerung::FromPath(name) + QLatin1Char('>'));
}

void CKassenbuchDlg::Refresh()
{
    RefreshTitle();
    if (IsOpen())
        Liste().Rebuild();
    else
        Liste().ClearList();
    UpdateCurrency();
    OnDateChanged();
}

void CKassenbuchDlg::RebuildRecentMenu()
{
    const int count = std::min(m_settings.GetHistoryCount(), static_cast<int>(CHauptfensterAktionen::MaxRecent));
    for (int i = 0; i < count; ++i) {
        const std::string entry = m_settings.GetHistoryEntry(i);
        if (entry.empty())
            break;
        m_aktionen->SetRecent(i, QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ')
                                     + CKassenbuchSteuerung::FromPath(entry));
    }
}

void CKassenbuchDlg::CompanyCommand()
{
    // The company dialog follows a new cash book as soon as it exists.
}

void CKassenbuchDlg::ShowFromTray()
{
    show();
    raise();
    activateWindow();
}

// --- Keyboard ----------------------------------------------------------------

void CKassenbuchDlg::DiscardEntry() { SettlePendingEntry(2, true); }
void CKassenbuchDlg::DateToday() { m_datumAuswahl->Today(); }
void CKassenbuchDlg::DatePrevious() { m_datumAuswahl->Previous(); }
void CKassenbuchDlg::DateNext() { m_datumAuswahl->Next(); }
void CKassenbuchDlg::FocusYearList() { m_datumAuswahl->YearList()->setFocus(); }
void CKassenbuchDlg::FocusMonthList() { m_datumAuswahl->MonthList()->setFocus(); }
void CKassenbuchDlg::FocusDayList() { m_datumAuswahl->DayList()->setFocus(); }
void CKassenbuchDlg::Generator() { m_befehle->Generator(); }

void CKassenbuchDlg::CashReport()
{
    if (m_aktionen->kassenbericht->isEnabled())
        m_aktionen->kassenbericht->trigger();
}

void CKassenbuchDlg::closeEvent(QCloseEvent* event)
{
    if (SettlePendingEntry(1, true))
        event->accept();
    else
        event->ignore();
}
