// Cell content, cell kinds and default cells of the grid control.
#include "widgets/grid/CGridCtrl.h"

#include "widgets/grid/CGridCell.h"
#include "widgets/grid/CGridCellCheck.h"
#include "widgets/grid/CGridCellDecimal.h"
#include "widgets/grid/CGridCellNumeric.h"
#include "widgets/grid/CGridDefaultCell.h"
#include "widgets/grid/CGridModel.h"

#include <cstdarg>
#include <cstdio>

namespace {

// What an unwritten cell reads as.
const CGridCell kEmptyCell;

} // namespace

// --- Cell content ---------------------------------------------------------

bool CGridCtrl::IsValid(int row, int col) const
{
    return m_model->IsValid(row, col);
}

bool CGridCtrl::IsCellFixed(int row, int col) const
{
    return IsValid(row, col) && m_model->IsFixed(row, col);
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    return m_model->IsCellEditable(row, col) && GetRowHeight(row) > 0 && GetColumnWidth(col) > 0;
}

const CGridCellBase* CGridCtrl::GetCell(int row, int col) const
{
    if (!IsValid(row, col))
        return nullptr;
    const CGridCellBase* cell = m_model->GetCell(row, col);
    return cell ? cell : &kEmptyCell;
}

CGridCellBase* CGridCtrl::MutableCell(int row, int col)
{
    return IsValid(row, col) ? &m_model->EnsureCell(row, col) : nullptr;
}

template <class Cell>
Cell* CGridCtrl::MutableCellOf(int row, int col)
{
    if (GetCellType(row, col) != Cell::Kind || !IsValid(row, col))
        return nullptr;
    return static_cast<Cell*>(&m_model->EnsureCell(row, col));
}

template <class Cell>
const Cell* CGridCtrl::CellOf(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell && cell->GetKind() == Cell::Kind ? static_cast<const Cell*>(cell) : nullptr;
}

void CGridCtrl::CellChanged(int row, int col)
{
    m_model->CellChanged(row, col);
}

bool CGridCtrl::SetItemText(int row, int col, const std::string& text)
{
    CGridCellBase* cell = MutableCell(row, col);
    if (!cell)
        return false;
    cell->SetText(text);
    CellChanged(row, col);
    return true;
}

bool CGridCtrl::SetItemTextFmt(int row, int col, const char* format, ...)
{
    if (!IsValid(row, col) || !format)
        return false;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<std::size_t>(length));
    }
    va_end(again);
    if (length < 0)
        return false;
    return SetItemText(row, col, text);
}

std::string CGridCtrl::GetItemText(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetText() : std::string();
}

bool CGridCtrl::SetItemFormat(int row, int col, unsigned format)
{
    CGridCellBase* cell = MutableCell(row, col);
    if (!cell)
        return false;
    cell->SetFormat(format);
    CellChanged(row, col);
    return true;
}

unsigned CGridCtrl::GetItemFormat(int row, int col) const
{
    return IsValid(row, col) ? m_model->EffectiveFormat(row, col) : 0;
}

bool CGridCtrl::SetItemData(int row, int col, std::int32_t data)
{
    CGridCellBase* cell = MutableCell(row, col);
    if (!cell)
        return false;
    cell->SetData(data);
    return true;
}

std::int32_t CGridCtrl::GetItemData(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetData() : -1;
}

bool CGridCtrl::SetItemBkColour(int row, int col, const QColor& colour)
{
    CGridCellBase* cell = MutableCell(row, col);
    if (!cell)
        return false;
    cell->SetBackClr(colour);
    CellChanged(row, col);
    return true;
}

QColor CGridCtrl::GetItemBkColour(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetBackClr() : QColor();
}

bool CGridCtrl::SetItemFgColour(int row, int col, const QColor& colour)
{
    CGridCellBase* cell = MutableCell(row, col);
    if (!cell)
        return false;
    cell->SetTextClr(colour);
    CellChanged(row, col);
    return true;
}

QColor CGridCtrl::GetItemFgColour(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetTextClr() : QColor();
}

bool CGridCtrl::SetItemState(int row, int col, unsigned state)
{
    CGridCellBase* cell = MutableCell(row, col);
    if (!cell)
        return false;
    cell->SetState(state & ~(GVIS_SELECTED | GVIS_FOCUSED));
    CellChanged(row, col);
    return true;
}

unsigned CGridCtrl::GetItemState(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    if (!cell)
        return 0;
    unsigned state = cell->GetState();
    if (IsCellSelected(row, col))
        state |= GVIS_SELECTED;
    if (GetFocusCell() == CCellID(row, col))
        state |= GVIS_FOCUSED;
    return state;
}

bool CGridCtrl::SetCellType(int row, int col, GridCellKind kind)
{
    if (!IsValid(row, col))
        return false;
    if (GetCellType(row, col) == kind)
        return true;
    std::unique_ptr<CGridCellBase> cell = CGridCellBase::Create(kind);
    cell->TakeContent(*GetCell(row, col));
    m_model->ReplaceCell(row, col, std::move(cell));
    return true;
}

GridCellKind CGridCtrl::GetCellType(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetKind() : GridCellKind::Text;
}

// --- Kind-specific values -------------------------------------------------

bool CGridCtrl::SetComboOptions(int row, int col, const std::vector<std::string>& options)
{
    auto* cell = MutableCellOf<CGridCellCombo>(row, col);
    if (!cell)
        return false;
    cell->SetOptions(options);
    return true;
}

std::vector<std::string> CGridCtrl::GetComboOptions(int row, int col) const
{
    const auto* cell = CellOf<CGridCellCombo>(row, col);
    return cell ? cell->GetOptions() : std::vector<std::string>();
}

bool CGridCtrl::SetComboStyle(int row, int col, CGridCellCombo::Style style)
{
    auto* cell = MutableCellOf<CGridCellCombo>(row, col);
    if (!cell)
        return false;
    cell->SetStyle(style);
    return true;
}

bool CGridCtrl::SetCheck(int row, int col, bool checked)
{
    auto* cell = MutableCellOf<CGridCellCheck>(row, col);
    if (!cell)
        return false;
    cell->SetCheck(checked);
    CellChanged(row, col);
    return true;
}

bool CGridCtrl::GetCheck(int row, int col) const
{
    const auto* cell = CellOf<CGridCellCheck>(row, col);
    return cell && cell->GetCheck();
}

bool CGridCtrl::SetCellAmount(int row, int col, CBetrag amount)
{
    auto* cell = MutableCellOf<CGridCellDecimal>(row, col);
    if (!cell)
        return false;
    if (cell->SetAmount(amount))
        CellChanged(row, col);
    return true;
}

CBetrag CGridCtrl::GetCellAmount(int row, int col) const
{
    const auto* cell = CellOf<CGridCellDecimal>(row, col);
    return cell ? cell->GetAmount() : CBetrag();
}

bool CGridCtrl::SetCellNumber(int row, int col, int number)
{
    auto* cell = MutableCellOf<CGridCellNumeric>(row, col);
    if (!cell)
        return false;
    cell->SetNumber(number);
    CellChanged(row, col);
    return true;
}

int CGridCtrl::GetCellNumber(int row, int col) const
{
    const auto* cell = CellOf<CGridCellNumeric>(row, col);
    return cell ? cell->GetNumber() : -1;
}

bool CGridCtrl::SetNumericRange(int row, int col, int minimum, int maximum)
{
    auto* cell = MutableCellOf<CGridCellNumeric>(row, col);
    if (!cell || minimum > maximum)
        return false;
    cell->SetRange(minimum, maximum);
    return true;
}

bool CGridCtrl::SetNumericShowZero(int row, int col, bool show)
{
    auto* cell = MutableCellOf<CGridCellNumeric>(row, col);
    if (!cell)
        return false;
    cell->SetShowZero(show);
    return true;
}

// --- Defaults -------------------------------------------------------------

CGridDefaultCell& CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol)
{
    return m_model->DefaultCell(fixedRow, fixedCol);
}

void CGridCtrl::SetFixedBkColor(const QColor& colour)
{
    m_model->DefaultCell(true, false).SetBackClr(colour);
    m_model->DefaultCell(false, true).SetBackClr(colour);
    m_model->DefaultCell(true, true).SetBackClr(colour);
    Redraw();
}

void CGridCtrl::SetGridBkColor(const QColor& colour)
{
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Window, colour);
    viewport()->setPalette(pal);
    viewport()->setAutoFillBackground(true);
}
