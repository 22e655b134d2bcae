// Focus cell, selection, row swapping, painting and the notifications of
// the grid control.
#include "widgets/grid/CGridCtrl.h"

#include "widgets/grid/CGridCellCheck.h"
#include "widgets/grid/CGridCtrlUserAction.h"
#include "widgets/grid/CGridHeader.h"
#include "widgets/grid/CGridModel.h"

#include <QItemSelectionModel>

void CGridCtrl::BeginUserAction()
{
    if (m_userActionDepth++ == 0) {
        m_actionFocus = GetFocusCell();
        m_actionSelection = selectionModel()->selection();
    }
}

void CGridCtrl::EndUserAction()
{
    if (--m_userActionDepth > 0)
        return;
    const CCellID focus = GetFocusCell();
    if (focus != m_actionFocus || selectionModel()->selection() != m_actionSelection)
        SendMessageToParent(focus.row, focus.col, GVN_SELCHANGED);
    m_actionSelection.clear();
}

int CGridCtrl::SendMessageToParent(int row, int col, int code)
{
    int answer = 0;
    if (code == GVN_ENDLABELEDIT)
        emit endLabelEdit(row, col, &answer);
    else if (code == GVN_SELCHANGED)
        emit selChanged(row, col);
    return answer;
}

CCellID CGridCtrl::GetFocusCell() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? CCellID(current.row(), current.column()) : CCellID();
}

bool CGridCtrl::SetFocusCell(int row, int col)
{
    if (row == -1 && col == -1) {
        if (IsEditing())
            FinishEdit(false);
        selectionModel()->clearCurrentIndex();
        return true;
    }
    if (!IsValid(row, col) || IsCellFixed(row, col))
        return false;
    // End an open edit first, while the grid is still as its owner left it.
    if (IsEditing() && GetEditCell() != CCellID(row, col))
        FinishEdit(false);
    if (!IsValid(row, col))
        return false;
    selectionModel()->setCurrentIndex(IndexOf(row, col), QItemSelectionModel::NoUpdate);
    return true;
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    const int fixedRows = GetFixedRowCount();
    const int fixedCols = GetFixedColumnCount();
    CCellRange range;
    bool any = false;
    for (const QItemSelectionRange& r : selectionModel()->selection()) {
        const int top = std::max(r.top(), fixedRows);
        const int left = std::max(r.left(), fixedCols);
        if (top > r.bottom() || left > r.right())
            continue;
        if (!any) {
            range = CCellRange(top, left, r.bottom(), r.right());
            any = true;
        } else {
            range.minRow = std::min(range.minRow, top);
            range.minCol = std::min(range.minCol, left);
            range.maxRow = std::max(range.maxRow, r.bottom());
            range.maxCol = std::max(range.maxCol, r.right());
        }
    }
    return range;
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    return IsValid(row, col) && selectionModel()->isSelected(IndexOf(row, col));
}

bool CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol)
{
    if (minRow == -1 && minCol == -1 && maxRow == -1 && maxCol == -1) {
        selectionModel()->clearSelection();
        return true;
    }
    if (!IsValid(minRow, minCol) || !IsValid(maxRow, maxCol) || minRow > maxRow || minCol > maxCol)
        return false;
    const QItemSelection selection(IndexOf(minRow, minCol), IndexOf(maxRow, maxCol));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    return true;
}

bool CGridCtrl::SwapRows(int row1, int row2)
{
    if (row1 < 0 || row2 < 0 || row1 >= GetRowCount() || row2 >= GetRowCount())
        return false;
    if (row1 == row2)
        return true;
    for (int col = 0; col < GetColumnCount(); ++col) {
        CGridCellBase& a = m_model->EnsureCell(row1, col);
        CGridCellBase& b = m_model->EnsureCell(row2, col);
        a.SwapContent(b);
        if (a.GetKind() == GridCellKind::Check && b.GetKind() == GridCellKind::Check) {
            auto& checkA = static_cast<CGridCellCheck&>(a);
            auto& checkB = static_cast<CGridCellCheck&>(b);
            const bool tick = checkA.GetCheck();
            checkA.SetCheck(checkB.GetCheck());
            checkB.SetCheck(tick);
        }
    }
    m_model->RowsChanged(row1, row1);
    m_model->RowsChanged(row2, row2);
    return true;
}

void CGridCtrl::Redraw()
{
    viewport()->update();
    m_header->viewport()->update();
}

bool CGridCtrl::RedrawCell(int row, int col)
{
    if (!IsValid(row, col))
        return false;
    if (row < GetFixedRowCount())
        m_header->viewport()->update();
    else
        update(IndexOf(row, col));
    return true;
}

bool CGridCtrl::RedrawRow(int row)
{
    if (row < 0 || row >= GetRowCount())
        return false;
    for (int col = 0; col < GetColumnCount(); ++col)
        RedrawCell(row, col);
    return true;
}

bool CGridCtrl::EnsureVisible(int row, int col)
{
    if (!IsValid(row, col))
        return false;
    if (row >= GetFixedRowCount() && GetRowHeight(row) > 0 && GetColumnWidth(col) > 0)
        scrollTo(IndexOf(row, col));
    return true;
}
