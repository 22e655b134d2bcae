// Construction, size, modes and bulk updates of the grid control.
#include "widgets/grid/CGridCtrl.h"

#include "widgets/grid/CGridDefaultCell.h"
#include "widgets/grid/CGridDelegate.h"
#include "widgets/grid/CGridHeader.h"
#include "widgets/grid/CGridModel.h"

#include <QHeaderView>

CGridCtrl::CGridCtrl(QWidget* parent)
    : QTableView(parent)
{
    m_model = new CGridModel(this);
    m_header = new CGridHeader(this);
    m_delegate = new CGridDelegate(*this);
    setHorizontalHeader(m_header);
    setModel(m_model);
    setItemDelegate(m_delegate);

    m_defaultRowHeight = fontMetrics().height() + 6;
    QHeaderView* rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_defaultRowHeight);
    m_header->setDefaultSectionSize(80);

    // Editing starts only through OnEditCell, so a derived grid sees every start.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);

    const QPalette pal = palette();
    m_model->DefaultCell(false, false).SetBackClr(pal.color(QPalette::Base));
    m_model->DefaultCell(false, false).SetTextClr(pal.color(QPalette::Text));
    for (int i = 1; i < 4; ++i) {
        CGridDefaultCell& fixed = m_model->DefaultCell(i & 2, i & 1);
        fixed.SetBackClr(pal.color(QPalette::Button));
        fixed.SetTextClr(pal.color(QPalette::ButtonText));
    }

    // The header paints fixed rows from the model; it must follow their changes.
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft) {
        if (topLeft.row() < m_model->GetFixedRowCount())
            m_header->viewport()->update();
    });
    UpdateHeader();
}

CGridCtrl::~CGridCtrl() = default;

QModelIndex CGridCtrl::IndexOf(int row, int col) const
{
    return m_model->index(row, col);
}

// --- Size -----------------------------------------------------------------

void CGridCtrl::SetRowFiller(int first, int last, std::function<void(int row)> filler)
{
    m_model->SetRowFiller(first, last, std::move(filler));
}

bool CGridCtrl::SetRowCount(int rows)
{
    if (rows < 0)
        return false;
    const int old = m_model->GetRowCount();
    if (rows == old)
        return true;
    m_model->SetRowCount(rows);
    OnRowCountChanged(old);
    return true;
}

void CGridCtrl::OnRowCountChanged(int oldRows)
{
    const int rows = m_model->GetRowCount();
    m_rowHeights.resize(static_cast<std::size_t>(rows), m_defaultRowHeight);
    // New rows start shown at the default height, which is the view's too;
    // only fixed rows need hiding from the body.
    for (int r = oldRows; r < rows && r < m_model->GetFixedRowCount(); ++r)
        ApplyRowHeight(r);
    UpdateHeader();
}

int CGridCtrl::GetRowCount() const
{
    return m_model->GetRowCount();
}

bool CGridCtrl::SetColumnCount(int cols)
{
    if (cols < 0)
        return false;
    m_model->SetColumnCount(cols);
    UpdateHeader();
    return true;
}

int CGridCtrl::GetColumnCount() const
{
    return m_model->GetColumnCount();
}

bool CGridCtrl::SetFixedRowCount(int rows)
{
    if (rows < 0)
        return false;
    const int oldRows = m_model->GetRowCount();
    const int oldFixed = m_model->GetFixedRowCount();
    m_model->SetFixedRowCount(rows);
    if (m_model->GetRowCount() != oldRows)
        OnRowCountChanged(oldRows);
    for (int r = 0; r < std::max(oldFixed, rows); ++r)
        ApplyRowHeight(r);
    UpdateHeader();
    return true;
}

int CGridCtrl::GetFixedRowCount() const
{
    return m_model->GetFixedRowCount();
}

bool CGridCtrl::SetFixedColumnCount(int cols)
{
    if (cols < 0)
        return false;
    m_model->SetFixedColumnCount(cols);
    UpdateHeader();
    return true;
}

int CGridCtrl::GetFixedColumnCount() const
{
    return m_model->GetFixedColumnCount();
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= GetColumnCount() || width < 0)
        return false;
    if (width == 0) {
        setColumnHidden(col, true);
    } else {
        setColumnHidden(col, false);
        QTableView::setColumnWidth(col, width);
    }
    return true;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    if (col < 0 || col >= GetColumnCount())
        return -1;
    return isColumnHidden(col) ? 0 : columnWidth(col);
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= GetRowCount() || height < 0)
        return false;
    m_rowHeights[static_cast<std::size_t>(row)] = height;
    ApplyRowHeight(row);
    if (row < GetFixedRowCount())
        UpdateHeader();
    return true;
}

int CGridCtrl::GetRowHeight(int row) const
{
    if (row < 0 || row >= GetRowCount())
        return -1;
    return m_rowHeights[static_cast<std::size_t>(row)];
}

void CGridCtrl::ApplyRowHeight(int row)
{
    if (row >= GetRowCount())
        return;
    const int height = m_rowHeights[static_cast<std::size_t>(row)];
    // Fixed rows live in the header, never in the scrolling body.
    if (row < GetFixedRowCount() || height == 0) {
        setRowHidden(row, true);
        return;
    }
    setRowHidden(row, false);
    if (rowHeight(row) != height)
        QTableView::setRowHeight(row, height);
}

void CGridCtrl::UpdateHeader()
{
    const int fixed = GetFixedRowCount();
    std::vector<int> heights(m_rowHeights.begin(), m_rowHeights.begin() + fixed);
    m_header->SetRowHeights(std::move(heights));
    m_header->setVisible(m_header->TotalHeight() > 0 && GetColumnCount() > 0);
    updateGeometries();
}

// --- Modes ----------------------------------------------------------------

void CGridCtrl::SetListMode(bool on)
{
    m_listMode = on;
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

bool CGridCtrl::GetListMode() const
{
    return m_listMode;
}

void CGridCtrl::SetSingleRowSelection(bool on)
{
    m_singleRow = on;
    setSelectionMode(on ? QAbstractItemView::SingleSelection : QAbstractItemView::ExtendedSelection);
}

bool CGridCtrl::GetSingleRowSelection() const
{
    return m_singleRow;
}

void CGridCtrl::SetTabSkipsReadOnly(bool on)
{
    m_tabSkipsReadOnly = on;
}

bool CGridCtrl::GetTabSkipsReadOnly() const
{
    return m_tabSkipsReadOnly;
}

void CGridCtrl::SetEditable(bool on)
{
    m_model->SetEditable(on);
}

bool CGridCtrl::IsEditable() const
{
    return m_model->IsEditable();
}

// --- Filling many cells ---------------------------------------------------

void CGridCtrl::BeginUpdate()
{
    ++m_updateDepth;
    m_model->BeginBulk();
}

void CGridCtrl::EndUpdate()
{
    if (m_updateDepth == 0)
        return;
    --m_updateDepth;
    m_model->EndBulk();
}
