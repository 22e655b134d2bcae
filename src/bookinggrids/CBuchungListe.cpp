#include "bookinggrids/CBuchungListe.h"

#include "common/CDatenZugriff.h"
#include "core/CBuchungen.h"
#include "core/CPeriode.h"
#include "storage/CProtokoll.h"

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
    m_zeilen = m_abfrage.Abfragen(*journal, CPeriode::Aus(m_datum, m_monatlich));
    m_waehrung = GetWaehrung();
    m_abgeschlossenBis = m_abschluss ? m_abschluss() : CDatum();

    BeginUpdate();
    SetRowCount(static_cast<int>(m_zeilen.size()) + 1);
    // A month has thousands of rows and the window shows a few dozen: the
    // texts of a row are made when the row is first shown or read.
    SetRowFiller(1, static_cast<int>(m_zeilen.size()), [this](int row) { FuelleZeile(row); });
    EndUpdate();
    Redraw();
}

void CBuchungListe::FuelleZeile(int row)
{
    const CBuchungen* journal = Daten().GetBuchungen();
    const int i = m_zeilen[static_cast<std::size_t>(row - 1)];
    // A journal changed since the listing is listed again right after the
    // change; until then a booking that is gone shows nothing.
    if (!journal || i >= journal->GetCount())
        return;
    CBuchungsAbfrage::Zeilentexte texte;
    m_abfrage.Zeilentext(*journal, i, m_waehrung, Daten().GetSteuersaetze(), texte);
    // Locked bookings are never removed: a reversed one stays, says by
    // which booking, and is greyed like its reversal.
    const CProtokoll* log = Daten().GetProtokoll();
    const std::uint32_t durch = log ? log->StorniertDurch(i) : 0;
    if (durch) {
        std::string& notiz = texte[static_cast<std::size_t>(Notiz)];
        notiz = "storniert durch Nr. " + std::to_string(durch) + (notiz.empty() ? "" : "; " + notiz);
    }
    const bool grau = durch || (log && log->StorniertBuchung(i));
    for (int col = 0; col < Spaltenzahl; ++col) {
        SetItemText(row, col, texte[static_cast<std::size_t>(col)]);
        SetItemFgColour(row, col, grau ? QColor(128, 128, 128) : QColor());
    }
    AlignRow(row);
    SetItemData(row, Tag, i);
    if (!m_abgeschlossenBis.IsNull() && journal->GetItem(i).Datum < m_abgeschlossenBis.NextDay())
        for (int col = 0; col < Spaltenzahl; ++col)
            SetItemBkColour(row, col, FarbeAbgeschlossen());
}

void CBuchungListe::ClearList()
{
    m_zeilen.clear();
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
    if (row < GetFixedRowCount() || row >= GetRowCount() || row - 1 >= static_cast<int>(m_zeilen.size()))
        return -1;
    return m_zeilen[static_cast<std::size_t>(row - 1)];
}

void CBuchungListe::SelectBooking(int recordIndex)
{
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row) {
        if (GetBookingOfRow(row) != recordIndex)
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
