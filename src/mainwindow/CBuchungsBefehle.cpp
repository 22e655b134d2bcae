#include "mainwindow/CBuchungsBefehle.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "common/CDatenZugriff.h"
#include "core/CBuchungen.h"
#include "core/UserMessages.h"
#include "mainwindow/CGeneratorBefehl.h"
#include "mainwindow/CWarteCursor.h"
#include "storage/CKassenbuch.h"

namespace {
const char* const kLoeschenFrage = "Wollen Sie die ausgew\xE4hlte Buchung l\xF6schen?";
const char* const kStornoFrage = "Wollen Sie die ausgew\xE4hlte Buchung stornieren?";
const char* const kKorrekturFrage = "Die ausgew\xE4hlte Buchung wird storniert und als neue Buchung zum "
                                    "Korrigieren ge\xF6" "ffnet. Fortfahren?";
}

CBuchungsBefehle::CBuchungsBefehle(CDatenZugriff& zugriff, CBuchungEingabe& eingabe, CBuchungListe& liste,
                                   UserMessages& messages, Fenster& fenster)
    : m_zugriff(zugriff)
    , m_eingabe(eingabe)
    , m_liste(liste)
    , m_messages(messages)
    , m_fenster(fenster)
    , m_generator(std::make_unique<CGeneratorBefehl>(messages))
{
}

CBuchungsBefehle::~CBuchungsBefehle() = default;

bool CBuchungsBefehle::Veraenderbar()
{
    const CProtokoll* log = m_zugriff.GetProtokoll();
    if (log && !log->IstInOrdnung()) {
        m_messages.Error(CKassenbuch::kNurLesen);
        return false;
    }
    return true;
}

void CBuchungsBefehle::NeueBuchung()
{
    if (!m_fenster.IsOpen() || !Veraenderbar() || !m_zugriff.SettlePendingEntry(SettleMode::Ask, true))
        return;
    if (m_eingabe.GetState() != EntryState::Idle)
        return;
    // The list shows which booking the entry grid holds: a new one is in
    // none of its rows.
    m_liste.ClearSelection();
    m_eingabe.NewBooking();
}

void CBuchungsBefehle::BuchungKomplett()
{
    if (m_zugriff.SettlePendingEntry(SettleMode::Commit, true))
        NeueBuchung();
}

void CBuchungsBefehle::AuswahlGeaendert(int /*row*/)
{
    const int buchung = m_liste.GetSelectedBooking();
    if (buchung < 0)
        return;
    if (!m_zugriff.SettlePendingEntry(SettleMode::Ask, false)) {
        // The user kept the open booking, so the list must point at it
        // again: left on the clicked row, a second click there would change
        // nothing and never ask again.
        const int offen = m_eingabe.GetRecordIndex();
        if (offen >= 0)
            m_liste.SelectBooking(offen);
        else
            m_liste.ClearSelection();
        return;
    }
    if (m_eingabe.GetState() != EntryState::Idle)
        return;
    // Settling rebuilds the list, and a booking committed there may have
    // moved the rows; the journal index chosen stays the same, so open that
    // booking and put the list's selection back on it.
    m_liste.SelectBooking(buchung);
    m_eingabe.ShowBooking(buchung);
}

void CBuchungsBefehle::Loeschen()
{
    CBuchungen* journal = m_zugriff.GetBuchungen();
    if (!m_fenster.IsOpen() || !journal || m_liste.GetSelectedBooking() < 0)
        return;
    if (m_zugriff.GetProtokoll()) {
        // Locked bookings are reversed, never deleted.
        if (StorniereAuswahl(kStornoFrage) >= 0)
            m_liste.ClearSelection();
        return;
    }
    using M = UserMessages;
    if (m_messages.Show(kLoeschenFrage, M::Icon::Question, M::Buttons::YesNo) != M::Answer::Yes)
        return;
    if (!m_zugriff.SettlePendingEntry(SettleMode::Discard, true))
        return;
    const int buchung = m_liste.GetSelectedBooking();
    if (buchung < 0 || buchung >= journal->GetCount())
        return;
    journal->RemoveItem(buchung);
    m_fenster.SetModified();
    m_liste.Rebuild();
    // The entry grid holds nothing now, so no row may stay highlighted.
    m_liste.ClearSelection();
    m_fenster.UpdateTotals();
}

int CBuchungsBefehle::StorniereAuswahl(const char* frage)
{
    using M = UserMessages;
    if (!m_fenster.IsOpen() || m_liste.GetSelectedBooking() < 0 || !Veraenderbar())
        return -1;
    if (m_messages.Show(frage, M::Icon::Question, M::Buttons::YesNo) != M::Answer::Yes)
        return -1;
    if (!m_zugriff.SettlePendingEntry(SettleMode::Discard, true))
        return -1;
    const int buchung = m_liste.GetSelectedBooking();
    if (buchung < 0 || !m_fenster.Storniere(buchung))
        return -1;
    m_fenster.SetModified();
    m_liste.Rebuild();
    m_fenster.UpdateTotals();
    return buchung;
}

void CBuchungsBefehle::Korrigieren()
{
    if (!m_zugriff.GetProtokoll())
        return;
    const int buchung = StorniereAuswahl(kKorrekturFrage);
    if (buchung < 0)
        return;
    m_liste.ClearSelection();
    m_eingabe.Korrektur(buchung);
}

void CBuchungsBefehle::Generator()
{
    CBuchungen* journal = m_zugriff.GetBuchungen();
    CBelegtexte* katalog = m_zugriff.GetBelegtexte();
    if (!m_fenster.IsOpen() || !journal || !katalog)
        return;
    if (!Veraenderbar() || m_generator->Run(*journal, *katalog) == 0)
        return;
    CWarteCursor warten;
    m_fenster.NeueBuchungenProtokollieren();
    m_fenster.Refresh();
}
