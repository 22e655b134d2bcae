// The entry state machine: opening, validating, committing and closing a
// booking, and the keys and edits that drive it. How rows are laid out and
// reshaped is in CBuchungEingabeZeilen.cpp.
#include "bookinggrids/CBuchungEingabe.h"

#include "common/CDatenZugriff.h"
#include "common/IDatumAuswahl.h"
#include "core/CBuchungen.h"
#include "core/CFehler.h"
#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"

#include <algorithm>

const char* const CBuchungEingabe::TextAufteilung = ". Aufteilung";
const char* const CBuchungEingabe::TextLoeschen = "- L\xF6schen";
const char* const CBuchungEingabe::TextSplitKopf = "Aufteilung";

CBuchungEingabe::CBuchungEingabe(CDatenZugriff& zugriff, QWidget* parent)
    : CBuchungGrid(zugriff, parent)
{
    SetEditable(false);
    // A closed amount column or "Wrg." is no place to type into.
    SetTabSkipsReadOnly(true);
}

EntryState CBuchungEingabe::GetState() const
{
    return m_state;
}

int CBuchungEingabe::GetRecordIndex() const
{
    return m_satz;
}

void CBuchungEingabe::SetState(EntryState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

// --- Opening and closing ----------------------------------------------------

void CBuchungEingabe::NewBooking()
{
    EndEditing();
    m_aufteilung = false;
    m_satz = -1;
    m_oeffnen = true;
    SetRowCount(1);  // fresh cells: nothing of the previous booking survives
    SetRowCount(2);
    m_textOptionen = ReceiptTextOptions();
    SetupLineRow(1);
    SetItemData(1, Tag, -1);

    const IDatumAuswahl* auswahl = Daten().GetDatumAuswahl();
    const bool monatlich = auswahl && auswahl->IsMonthMode();
    if (auswahl && !monatlich) {
        SetCellNumber(1, Tag, auswahl->GetDay());
        SetCellReadOnly(1, Tag);
    } else if (auswahl) {
        if (m_letzterTag != 0)
            SetCellNumber(1, Tag, m_letzterTag);
        SetNumericRange(1, Tag, 1, auswahl->GetDaysOfMonth());
    }
    SetItemText(1, Wrg, GetWaehrung());
    SetItemData(1, USt, 0);

    SetEditable(true);
    StartEditing(1, monatlich ? Tag : Bezeichnung);
    m_oeffnen = false;
    SetState(EntryState::Open);
}

bool CBuchungEingabe::ShowBooking(int recordIndex)
{
    const CBuchungen* journal = Daten().GetBuchungen();
    if (recordIndex < 0 || !journal || recordIndex >= journal->GetCount())
        return false;
    EndEditing();
    const CBuchungssatz& satz = journal->GetItem(recordIndex);
    m_satz = recordIndex;
    m_aufteilung = satz.Aufteilung;
    m_oeffnen = true;
    SetRowCount(1);
    m_textOptionen = ReceiptTextOptions();

    const int zeilen = journal->GetLineCount(recordIndex);
    if (!m_aufteilung) {
        SetRowCount(2);
        SetupLineRow(1);
        if (zeilen > 0) {
            FillRowFromLine(1, *journal, recordIndex, 0);
        } else {
            // A booking without lines gets its line when committed.
            SetItemData(1, Tag, -1);
            SetItemText(1, Wrg, GetWaehrung());
            SetVatCell(1, 0);
        }
    } else {
        SetRowCount(zeilen + 2);
        SetCellType(1, Tag, GridCellKind::Numeric);
        SetCellEditable(1, Tag);
        MakeSplitHeader();
        for (int j = 0; j < zeilen; ++j) {
            SetupLineRow(j + 2);
            FillRowFromLine(j + 2, *journal, recordIndex, j);
        }
        UpdateSums();
        AddEmptyRow();
    }

    const IDatumAuswahl* auswahl = Daten().GetDatumAuswahl();
    if (auswahl && !auswahl->IsMonthMode())
        SetCellReadOnly(1, Tag);
    else if (auswahl)
        SetNumericRange(1, Tag, 1, auswahl->GetDaysOfMonth());
    SetCellNumber(1, Tag, satz.Datum.Day());
    SetItemText(1, RgNr, satz.RgNr);
    SetItemText(1, Notiz, satz.Notiz);

    // A locked booking is shown, never changed: a reversal undoes it.
    SetEditable(Daten().GetProtokoll() == nullptr);
    m_oeffnen = false;
    SetState(EntryState::Open);
    Redraw();
    return true;
}

bool CBuchungEingabe::Korrektur(int recordIndex)
{
    if (!ShowBooking(recordIndex))
        return false;
    // The rows no longer stand for lines of a journal record.
    m_satz = -1;
    for (int row = 1; row < GetRowCount(); ++row)
        SetItemData(row, Tag, -1);
    SetEditable(true);
    SetState(EntryState::Changed);
    StartEditing(1, m_aufteilung ? Tag : Bezeichnung);
    return true;
}

bool CBuchungEingabe::Finish(CBuchungen* journal)
{
    EndEditing();
    if (journal && !Commit(*journal))
        return false;
    if (GetRowCount() > 1)
        m_letzterTag = std::max(0, GetCellNumber(1, Tag));
    SetEditable(false);
    SetRowCount(1);
    SetState(EntryState::Idle);
    return true;
}

// --- Validation and commit --------------------------------------------------

CErfassteBuchung CBuchungEingabe::GetErfassteBuchung() const
{
    CErfassteBuchung b;
    b.Satz = m_satz;
    b.Aufteilung = m_aufteilung;
    if (GetRowCount() < 2)
        return b;
    b.Tag = std::max(0, GetCellNumber(1, Tag));
    b.Notiz = GetItemText(1, Notiz);
    b.RgNr = GetItemText(1, RgNr);
    // Ordinary: row 1. Split: rows 2 ... n-2 (the last row is the empty one).
    const int erste = m_aufteilung ? 2 : 1;
    const int letzte = m_aufteilung ? LastRow() - 1 : 1;
    for (int row = erste; row <= letzte; ++row) {
        CErfassungsZeile z;
        z.Zeile = GetItemData(row, Tag);
        z.Geloescht = m_aufteilung && GetItemData(row, Bezeichnung) == 1;
        z.Bezeichnung = GetItemText(row, Bezeichnung);
        z.Notiz = GetItemText(row, Notiz);
        z.Einnahme = GetDecimalAmount(row, Einnahmen);
        z.Ausgabe = GetDecimalAmount(row, Ausgaben);
        z.UStID = GetItemData(row, USt);
        z.EinnahmeEditierbar = !IsCellReadOnly(row, Einnahmen);
        z.AusgabeEditierbar = !IsCellReadOnly(row, Ausgaben);
        b.Zeilen.push_back(std::move(z));
    }
    return b;
}

std::optional<CErfassungsFehler> CBuchungEingabe::CheckBooking() const
{
    const IDatumAuswahl* auswahl = Daten().GetDatumAuswahl();
    if (GetRowCount() < 2 || !auswahl)
        return CErfassungsFehler{CBuchungsErfassung::MeldungUnbekannt, -1, 0};
    return CBuchungsErfassung::Pruefe(GetErfassteBuchung(), auswahl->GetYear(), auswahl->GetMonth());
}

bool CBuchungEingabe::Validate(bool silent)
{
    EndEditing();
    const std::optional<CErfassungsFehler> fehler = CheckBooking();
    if (!fehler)
        return true;
    if (!silent) {
        ShowFault(fehler->Meldung);
        // The engine numbers the booking's rows from 0; the grid shows them
        // from row 1 (ordinary) or row 2 (split lines).
        int row = 1;
        if (fehler->Zeile >= 0 && m_aufteilung)
            row = 2 + fehler->Zeile;
        if (GetRowCount() > row)
            StartEditing(row, fehler->Spalte);
    }
    return false;
}

void CBuchungEingabe::ShowFault(const std::string& text)
{
    if (m_messages)
        m_messages->Show(text, UserMessages::Icon::Error, UserMessages::Buttons::Ok,
                         CBuchungsErfassung::Titel);
}

bool CBuchungEingabe::Commit(CBuchungen& journal)
{
    // A locked booking was only shown: there is nothing to write.
    if (m_satz >= 0 && Daten().GetProtokoll())
        return true;
    if (!Validate(false))
        return false;
    const IDatumAuswahl* auswahl = Daten().GetDatumAuswahl();
    try {
        m_satz = CBuchungsErfassung::Commit(journal, GetErfassteBuchung(), auswahl->GetYear(),
                                            auswahl->GetMonth());
    } catch (const CFehler& fehler) {
        // Only a journal changed behind the grid's back gets here.
        if (m_messages)
            m_messages->Error(fehler.what());
        return false;
    }
    SetState(EntryState::Open);
    return true;
}

// --- Editing ----------------------------------------------------------------

void CBuchungEingabe::StartEditing(int row, int col)
{
    if (!IsValid(row, col))
        return;
    SetFocusCell(row, col);
    EnsureVisible(row, col);
    EditCell(row, col);
}

void CBuchungEingabe::OnEditCell(int row, int col, QPoint point, int key)
{
    if (m_state == EntryState::Idle && !m_oeffnen)
        return;
    if (!m_oeffnen)
        SetState(EntryState::Changed);
    // The drop-down opens on the rate's full text; the end of the edit
    // turns it back into the percentage.
    const CSteuersaetze* steuer = Daten().GetSteuersaetze();
    if (col == USt && steuer && IsCellEditable(row, col) && GetEditCell() != CCellID(row, col))
        SetItemText(row, col, steuer->GetAnzeigeText(GetItemData(row, col)));
    CBuchungGrid::OnEditCell(row, col, point, key);
}

void CBuchungEingabe::OnEndEditCell(int row, int col, const std::string& text)
{
    const std::string old = GetItemText(row, col);
    CBuchungGrid::OnEndEditCell(row, col, text);
    if (!IsValid(row, col) || m_state == EntryState::Idle)
        return;
    if (col == USt)
        EndEditUSt(row, text);
    if (text == old)
        return;
    // A changed cell is a change, also in the cell a new booking opened on.
    SetState(EntryState::Changed);
    if (col == Bezeichnung)
        EndEditBezeichnung(row, text, old);
    else if (col == Einnahmen || col == Ausgaben)
        UpdateSums();
    if (m_aufteilung && row == LastRow() && IsValid(row, col) && GetItemText(row, col) != old)
        AddEmptyRow();
}

void CBuchungEingabe::OnEditorChanged(int, int)
{
    // The editor a new booking opens on did not count as a start of
    // editing. Waiting for its edit to end would leave the booking looking
    // unchanged to anyone who settles it meanwhile (Page Down while the
    // list still shows the chosen text): it would be thrown away unasked.
    if (m_state == EntryState::Open)
        SetState(EntryState::Changed);
}

void CBuchungEingabe::OnKeyDown(int key, int repeatCount, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        CBuchungGrid::OnKeyDown(key, repeatCount, modifiers);
        return;
    }
    if (m_state != EntryState::Idle && Validate(true)) {
        emit completeBookingEntered();
        return;
    }
    CBuchungGrid::OnKeyDown(key, repeatCount, modifiers);
    const CCellID focus = GetFocusCell();
    if (m_state == EntryState::Idle || !focus.IsValid())
        return;
    for (int col : {int(Tag), int(Bezeichnung), int(Einnahmen), int(Ausgaben)}) {
        if (col == focus.col || !IsCellEditable(focus.row, col))
            continue;
        const std::string t = GetItemText(focus.row, col);
        const bool leererBetrag = GetCellType(focus.row, col) == GridCellKind::Decimal
            && GetCellAmount(focus.row, col) == CBetrag();
        if (t.empty() || t == "0,00" || leererBetrag) {
            StartEditing(focus.row, col);
            return;
        }
    }
}
