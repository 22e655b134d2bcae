// What the main window shows: the date label, the totals and currency of
// the selected period, the title, the recent-file menu and the enabling of
// the commands.
#include "mainwindow/CKassenbuchDlg.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "core/CFirma.h"
#include "core/CKassenSummen.h"
#include "core/CPeriode.h"
#include "mainwindow/CHauptfensterAktionen.h"
#include "mainwindow/CHauptfensterFlaeche.h"
#include "mainwindow/CSummenPanel.h"
#include "platform/Cp1252.h"
#include "storage/CProtokoll.h"
#include "storage/CSettings.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

void CKassenbuchDlg::OnDateChanged()
{
    if (IsOpen()) {
        // A cancelled question keeps the new date in the bar but the old
        // period in the list and the totals.
        if (!SettlePendingEntry(SettleMode::Ask, true))
            return;
        Liste().Show(m_datumAuswahl->GetDate(), m_datumAuswahl->IsMonthMode());
    }
    UpdateDateLabel();
    UpdateTotals();
}

void CKassenbuchDlg::UpdateDateLabel()
{
    QString text;
    if (!m_datumAuswahl->IsMonthMode())
        text = QString::number(m_datumAuswahl->GetDay()) + QStringLiteral(". ");
    text += m_datumAuswahl->MonthName(m_datumAuswahl->GetMonth()) + QLatin1Char(' ')
        + QString::number(m_datumAuswahl->GetYear());
    // A closed day still shows, marked as such.
    const CDatum abgeschlossen = IsOpen() ? m_steuerung->Dokument().LetzterAbschlussTag() : CDatum();
    if (!m_datumAuswahl->IsMonthMode() && !abgeschlossen.IsNull() && m_datumAuswahl->GetDate() <= abgeschlossen)
        text += QStringLiteral(" (abgeschlossen)");
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

void CKassenbuchDlg::OnEntryStateChanged()
{
    m_datumAuswahl->Enable(GetEntryState() < EntryState::Changed && m_datumAuswahl->IsLoaded());
    UpdateCommandStates();
}

void CKassenbuchDlg::EnableAll(bool enable)
{
    CHauptfensterFlaeche& f = *m_flaeche;
    for (QWidget* w : std::initializer_list<QWidget*>{f.eingabe, f.liste})
        w->setEnabled(enable);
    m_datumAuswahl->SetLoaded(enable);
    UpdateCommandStates();
    if (!enable)
        setFocus();
}

void CKassenbuchDlg::UpdateCommandStates()
{
    CFreigabeZustand zustand;
    zustand.offen = IsOpen();
    zustand.geaendert = m_steuerung->IsModified();
    zustand.geladen = m_datumAuswahl->IsLoaded();
    zustand.eingabe = GetEntryState();
    const CProtokoll* log = GetProtokoll();
    zustand.gobd = IsOpen() && log;
    zustand.nurLesen = zustand.gobd && !log->IstInOrdnung();
    m_aktionen->Freigeben(zustand);
    // Locked bookings are reversed, and corrected by a reversal.
    m_flaeche->loeschen->setText(zustand.gobd ? QStringLiteral("&Stornieren") : QStringLiteral("&Löschen"));
    m_flaeche->korrigieren->setVisible(zustand.gobd);
    if (QAction* schalter = findChild<QAction*>(QStringLiteral("actionGoBD"))) {
        schalter->setCheckable(true);
        schalter->setChecked(zustand.gobd);
    }
}

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
    // A cash book of locked bookings names its buttons differently.
    UpdateCommandStates();
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
