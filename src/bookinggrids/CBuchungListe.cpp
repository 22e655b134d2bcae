#include "bookinggrids/CBuchungListe.h"

#include "common/CDatenZugriff.h"
#include "core/CBuchungen.h"
#include "core/CPeriode.h"

CBuchungListe::CBuchungListe(CDatenZugriff& zugriff, QWidget* parent)
    : CBuchungGrid(zugriff, parent)
{
    SetEditable(false);
    SetListMode(true);
    SetSingleRowSelection(true);
    connect(this, &CGridCtrl::selChanged, this, [this](int row, int) {
        emit bookingSelectionChanged(row);
    });
}

void CBuchungListe::Show(CDatum date, bool monthly)
{
    m_datum = date;
    m_monatlich = monthly;
    Rebuild();
}

void CBuchungListe::Rebuild()
{
    const CBuchungen* journal = Daten().GetBuchungen();
    if (!journal) {
        ClearList();
        return;
    }
    const std::vector<int>& indizes = m_abfrage.Abfragen(*journal, CPeriode::Aus(m_datum, m_monatlich));
    const std::string waehrung = GetWaehrung();
    const CSteuersaetze* steuer = Daten().GetSteuersaetze();

    BeginUpdate();
    // Rows kept from the last listing already carry the list's alignment.
    const int ausgerichtet = GetRowCount();
    SetRowCount(static_cast<int>(indizes.size()) + 1);
    CBuchungsAbfrage::Zeilentexte texte;
    int row = 1;
    for (int i : indizes) {
        m_abfrage.Zeilentext(*journal, i, waehrung, steuer, texte);
        for (int col = 0; col < Spaltenzahl; ++col)
            SetItemText(row, col, texte[static_cast<std::size_t>(col)]);
        if (row >= ausgerichtet)
            AlignRow(row);
        SetItemData(row, Tag, i);
        ++row;
    }
    EndUpdate();
    Redraw();
}

void CBuchungListe::ClearList()
{
    SetRowCount(1);
    Redraw();
}

int CBuchungListe::GetSelectedBooking() const
{
    const CCellID focus = GetFocusCell();
    if (!focus.IsValid() || focus.row < GetFixedRowCount())
        return -1;
    return GetBookingOfRow(focus.row);
}

int CBuchungListe::GetBookingOfRow(int row) const
{
    if (row < GetFixedRowCount() || row >= GetRowCount())
        return -1;
    return GetItemData(row, Tag);
}

void CBuchungListe::SelectBooking(int recordIndex)
{
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row) {
        if (GetItemData(row, Tag) != recordIndex)
            continue;
        SetFocusCell(row, Tag);
        SetSelectedRange(row, 0, row, Spaltenzahl - 1);
        EnsureVisible(row, Tag);
        return;
    }
}

void CBuchungListe::ClearSelection()
{
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}
