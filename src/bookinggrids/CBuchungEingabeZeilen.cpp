// The rows of the entry grid: setting up a line row, filling it from a
// journal line, opening the amount column a receipt text asks for, the VAT
// column, and the reshaping of a split booking (header, sums, deleted rows,
// the empty last row).
#include "bookinggrids/CBuchungEingabe.h"

#include "common/CDatenZugriff.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CSteuersaetze.h"

namespace {

// The opening balance is offered only while no line carries it.
const char* const kAnfangsbestand = "Anfangsbestand";

} // namespace

std::vector<std::string> CBuchungEingabe::ReceiptTextOptions() const
{
    std::vector<std::string> list;
    const CBelegtexte* katalog = Daten().GetBelegtexte();
    const CBuchungen* journal = Daten().GetBuchungen();
    if (katalog) {
        const bool gebucht = journal && journal->HasLineText(kAnfangsbestand);
        katalog->GetSelectionList(list, gebucht ? 0 : 1);
    }
    list.emplace_back(m_aufteilung ? TextLoeschen : TextAufteilung);
    return list;
}

void CBuchungEingabe::SetupLineRow(int row)
{
    SetCellType(row, Tag, GridCellKind::Numeric);
    SetCellType(row, Bezeichnung, GridCellKind::Combo);
    SetComboStyle(row, Bezeichnung, CGridCellCombo::Style::DropDownList);
    SetComboOptions(row, Bezeichnung, m_textOptionen);
    SetCellType(row, Einnahmen, GridCellKind::Decimal);
    SetCellType(row, Ausgaben, GridCellKind::Decimal);
    SetCellType(row, USt, GridCellKind::Combo);
    SetComboStyle(row, USt, CGridCellCombo::Style::DropDownList);
    std::vector<std::string> saetze;
    if (const CSteuersaetze* steuer = Daten().GetSteuersaetze())
        steuer->GetSelectionList(&saetze, nullptr);
    SetComboOptions(row, USt, saetze);
    AlignRow(row);

    for (int col : {int(Bezeichnung), int(Notiz), int(USt)})
        SetCellEditable(row, col);
    // A split line shares the booking's day and invoice number (row 1).
    for (int col : {int(Tag), int(RgNr)}) {
        if (m_aufteilung)
            SetCellReadOnly(row, col);
        else
            SetCellEditable(row, col);
    }
    // The receipt text opens one amount column later.
    for (int col : {int(Wrg), int(Einnahmen), int(Ausgaben)})
        SetCellReadOnly(row, col);
    SetItemData(row, Bezeichnung, 0);
}

void CBuchungEingabe::FillRowFromLine(int row, const CBuchungen& journal, int satz, int zeile)
{
    const CBuchungszeile& line = journal.GetItem(satz, zeile);
    SetItemText(row, Bezeichnung, line.Bezeichnung);
    SetItemText(row, Notiz, line.Notiz);
    SetCellAmount(row, Einnahmen, line.Einnahme);
    SetCellAmount(row, Ausgaben, line.Ausgabe);
    SetItemText(row, Wrg, GetWaehrung());
    SetVatCell(row, line.UStID);
    SetItemData(row, Tag, zeile);
    const CBelegtexte* katalog = Daten().GetBelegtexte();
    ApplyReceiptText(row, katalog ? katalog->FindByBezeichnung(line.Bezeichnung) : -1);
}

void CBuchungEingabe::ApplyReceiptText(int row, int k)
{
    const CBelegtexte* katalog = Daten().GetBelegtexte();
    if (katalog && k >= 0 && k < katalog->GetCount()) {
        // Which column the text opens is the entry engine's rule.
        CErfassungsZeile zeile;
        CBuchungsErfassung::WendeBelegtextAn(zeile, *katalog, k);
        const std::pair<int, bool> spalten[] = {{Ausgaben, zeile.AusgabeEditierbar},
                                                {Einnahmen, zeile.EinnahmeEditierbar}};
        for (const auto& [col, offen] : spalten) {
            if (offen) {
                SetCellEditable(row, col);
            } else {
                SetCellReadOnly(row, col);
                SetItemText(row, col, "0");
            }
        }
    } else {
        // A stored line whose text has left the catalogue (renamed or
        // removed) keeps its amounts: both columns are closed, but setting
        // them to 0 would zero the line the moment the booking is saved.
        for (int col : {int(Ausgaben), int(Einnahmen)}) {
            SetCellReadOnly(row, col);
            if (GetCellAmount(row, col) == CBetrag())
                SetItemText(row, col, "0");
        }
    }
    UpdateSums();
}

void CBuchungEingabe::SetVatCell(int row, int ustId)
{
    const CSteuersaetze* steuer = Daten().GetSteuersaetze();
    SetItemText(row, USt, FormatBetragAnzeige(steuer ? steuer->GetProzent(ustId) : CBetrag()));
    SetItemData(row, USt, ustId);
}

std::optional<int> CBuchungEingabe::FindVatId(const std::string& text) const
{
    const CSteuersaetze* steuer = Daten().GetSteuersaetze();
    if (!steuer)
        return std::nullopt;
    std::vector<std::string> texte;
    std::vector<int> ids;
    steuer->GetSelectionList(&texte, &ids);
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == text)
            return ids[i];
    }
    // An inactive rate a stored line still carries.
    for (int id : steuer->GetIds()) {
        if (steuer->GetAnzeigeText(id) == text)
            return id;
    }
    return std::nullopt;
}

void CBuchungEingabe::EndEditUSt(int row, const std::string& text)
{
    // The cell showed the rate's full text while the list was open; a text
    // that is no rate (or an edit given up) shows the row's rate again.
    const std::optional<int> id = FindVatId(text);
    SetVatCell(row, id ? *id : GetItemData(row, USt));
}

void CBuchungEingabe::EndEditBezeichnung(int row, const std::string& text, const std::string& old)
{
    if (text.empty()) {
        SetItemText(row, Bezeichnung, old);
        return;
    }
    if (!m_aufteilung && row == 1 && text == TextAufteilung) {
        ConvertToSplit(old);
        return;
    }
    if (m_aufteilung && text == TextLoeschen && row != LastRow()) {
        DeleteSplitRow(row);
        return;
    }
    const CBelegtexte* katalog = Daten().GetBelegtexte();
    const int k = katalog ? katalog->FindByBezeichnung(text) : -1;
    if (k < 0) {
        SetItemText(row, Bezeichnung, old);
        return;
    }
    ApplyReceiptText(row, k);
    SetVatCell(row, katalog->GetUStID(k));
    RedrawRow(row);
}

void CBuchungEingabe::ConvertToSplit(const std::string& alteBezeichnung)
{
    m_aufteilung = true;
    m_textOptionen = ReceiptTextOptions();
    SetRowCount(3);
    SetupLineRow(2);
    SetItemText(2, Bezeichnung, alteBezeichnung);
    SetItemText(2, Notiz, GetItemText(1, Notiz));
    SetCellAmount(2, Einnahmen, GetCellAmount(1, Einnahmen));
    SetCellAmount(2, Ausgaben, GetCellAmount(1, Ausgaben));
    SetItemText(2, Wrg, GetItemText(1, Wrg));
    SetItemText(2, USt, GetItemText(1, USt));
    SetItemData(2, USt, GetItemData(1, USt));
    SetItemData(2, Tag, GetItemData(1, Tag) == -1 ? -1 : 0);
    const CBelegtexte* katalog = Daten().GetBelegtexte();
    ApplyReceiptText(2, katalog ? katalog->FindByBezeichnung(alteBezeichnung) : -1);
    MakeSplitHeader();
    UpdateSums();
    SetItemText(1, Notiz, std::string());
    SetItemText(1, USt, std::string());
    Redraw();
    AddEmptyRow();
}

void CBuchungEingabe::MakeSplitHeader()
{
    SetCellType(1, Tag, GridCellKind::Numeric);
    SetCellType(1, Bezeichnung, GridCellKind::Text);
    SetItemText(1, Bezeichnung, TextSplitKopf);
    SetCellReadOnly(1, Bezeichnung);
    for (int col : {int(Einnahmen), int(Ausgaben), int(USt), int(Wrg)})
        SetCellReadOnly(1, col);
    for (int col : {int(Notiz), int(RgNr)})
        SetCellEditable(1, col);
    AlignRow(1);
}

void CBuchungEingabe::UpdateSums()
{
    if (!m_aufteilung || GetRowCount() < 3)
        return;
    CBetrag einnahmen;
    CBetrag ausgaben;
    for (int row = 2; row < GetRowCount(); ++row) {
        if (GetRowHeight(row) == 0)
            continue;
        einnahmen += GetDecimalAmount(row, Einnahmen);
        ausgaben += GetDecimalAmount(row, Ausgaben);
    }
    SetItemText(1, Einnahmen, FormatBetragAnzeige(einnahmen));
    SetItemText(1, Ausgaben, FormatBetragAnzeige(ausgaben));
}

void CBuchungEingabe::DeleteSplitRow(int row)
{
    SetItemData(row, Bezeichnung, 1);
    SetRowHeight(row, 0);
    UpdateSums();
    Redraw();
}

void CBuchungEingabe::AddEmptyRow()
{
    const int row = GetRowCount();
    SetRowCount(row + 1);
    SetupLineRow(row);
    SetItemText(row, Wrg, GetWaehrung());
    SetItemData(row, Tag, -1);
    SetRowHeight(row, GetDefaultRowHeight());
}
