#include "masterdata/CStammdatenGrid.h"

#include "platform/Cp1252.h"
#include "widgets/grid/GridDefs.h"

#include <QEvent>

#include <algorithm>

namespace {

// Narrower than this the column's text could not be read at all.
constexpr int kMinFillWidth = 60;

} // namespace

CStammdatenGrid::CStammdatenGrid(QWidget* parent) : CGridCtrl(parent)
{
}

int CStammdatenGrid::NextShownRow(int row, int direction) const
{
    for (int r = row + direction; r >= GetFixedRowCount() && r < GetRowCount(); r += direction) {
        if (IsRowShown(r))
            return r;
    }
    return -1;
}

int CStammdatenGrid::MoveFocusRow(int direction)
{
    if (IsEditing())
        EndEditing();
    const CCellID focus = GetFocusCell();
    if (!focus.IsValid() || !IsRowShown(focus.row))
        return -1;
    const int target = NextShownRow(focus.row, direction);
    if (target < 0)
        return -1;
    SwapRows(focus.row, target);
    SelectRow(target, focus.col);
    return target;
}

void CStammdatenGrid::SelectRow(int row, int col)
{
    SetFocusCell(row, col);
    SetSelectedRange(row, 0, row, GetColumnCount() - 1);
    EnsureVisible(row, col);
}

void CStammdatenGrid::ShowRow(int row, bool shown)
{
    SetRowHeight(row, shown ? GetRowHeight(0) : 0);
}

int CStammdatenGrid::MoveDirection(int key, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier))
        return 0;
    return key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
}

void CStammdatenGrid::OnKeyDown(int key, int repeatCount, Qt::KeyboardModifiers modifiers)
{
    if (const int direction = MoveDirection(key, modifiers)) {
        emit MoveRequested(direction);
        return;
    }
    CGridCtrl::OnKeyDown(key, repeatCount, modifiers);
}

void CStammdatenGrid::SetColumns(const std::vector<const char*>& titles, const std::vector<int>& widths)
{
    SetColumnCount(static_cast<int>(titles.size()));
    SetFixedRowCount(1);
    m_fillColumn = -1;
    m_rest = 0;
    for (int col = 0; col < GetColumnCount(); ++col) {
        SetItemText(0, col, titles[static_cast<std::size_t>(col)]);
        SetItemFormat(0, col, GVF_CENTER | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX);
        const int width = widths[static_cast<std::size_t>(col)];
        if (width == 0) {
            m_fillColumn = col;
            continue;
        }
        // The widths suit a small dialog font; a larger one must not cut
        // "inaktiv" to "ina...".
        const int title = fontMetrics().horizontalAdvance(Cp1252::ToQString(GetItemText(0, col))) + 16;
        SetColumnWidth(col, std::max(width, title));
        m_rest += GetColumnWidth(col);
    }
    FitFillColumn();
}

void CStammdatenGrid::FitFillColumn()
{
    if (m_fillColumn >= 0)
        SetColumnWidth(m_fillColumn, std::max(kMinFillWidth, viewport()->width() - m_rest));
}

bool CStammdatenGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize)
        FitFillColumn();
    return CGridCtrl::viewportEvent(event);
}
