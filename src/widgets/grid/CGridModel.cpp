#include "widgets/grid/CGridModel.h"

#include "widgets/grid/CGridCellCheck.h"
#include "widgets/grid/GridDefs.h"
#include "platform/Cp1252.h"

#include <QBrush>

#include <algorithm>

namespace {

Qt::Alignment AlignmentOf(unsigned format)
{
    Qt::Alignment a = (format & GVF_RIGHT)    ? Qt::AlignRight
                    : (format & GVF_CENTER) ? Qt::AlignHCenter
                                            : Qt::AlignLeft;
    a |= (format & GVF_VCENTER) ? Qt::AlignVCenter : (format & GVF_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    return a;
}

} // namespace

CGridModel::CGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

CGridModel::~CGridModel() = default;

int CGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetRowCount();
}

int CGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant CGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    const int col = index.column();
    const CGridCellBase* cell = GetCell(row, col);
    const CGridDefaultCell& def = DefaultCell(row < m_fixedRows, col < m_fixedCols);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell ? Cp1252::ToQString(cell->GetText()) : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(AlignmentOf(EffectiveFormat(row, col)));
    case Qt::BackgroundRole: {
        const QColor& c = cell && cell->GetBackClr().isValid() ? cell->GetBackClr() : def.GetBackClr();
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor& c = cell && cell->GetTextClr().isValid() ? cell->GetTextClr() : def.GetTextClr();
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    case Qt::CheckStateRole:
        if (cell && cell->GetKind() == GridCellKind::Check)
            return static_cast<int>(static_cast<const CGridCellCheck*>(cell)->GetCheck() ? Qt::Checked : Qt::Unchecked);
        return {};
    default:
        return {};
    }
}

bool CGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // Only the user's tick arrives here; texts go through the grid's
    // end-of-edit handling, never straight into the model.
    if (role != Qt::CheckStateRole || !index.isValid() || !checkIndex(index))
        return false;
    if (!(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    auto& cell = static_cast<CGridCellCheck&>(EnsureCell(index.row(), index.column()));
    cell.SetCheck(value.toInt() == Qt::Checked);
    cell.SetState(cell.GetState() | GVIS_MODIFIED);
    CellChanged(index.row(), index.column());
    return true;
}

Qt::ItemFlags CGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    const int row = index.row();
    const int col = index.column();
    // Fixed cells are headings: never focused, selected or edited.
    if (IsFixed(row, col))
        return Qt::ItemNeverHasChildren;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (IsCellEditable(row, col)) {
        const CGridCellBase* cell = GetCell(row, col);
        f |= cell && cell->GetKind() == GridCellKind::Check ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    }
    return f;
}

QVariant CGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The first fixed row is the column heading (for accessibility; the
    // grid's header paints the fixed rows itself).
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && m_fixedRows > 0
        && section >= 0 && section < m_cols) {
        const CGridCellBase* cell = GetCell(0, section);
        return cell ? Cp1252::ToQString(cell->GetText()) : QString();
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void CGridModel::SetRowCount(int rows)
{
    const int old = GetRowCount();
    if (rows > old) {
        beginInsertRows(QModelIndex(), old, rows - 1);
        m_rows.resize(static_cast<std::size_t>(rows));
        endInsertRows();
    } else if (rows < old) {
        beginRemoveRows(QModelIndex(), rows, old - 1);
        m_rows.resize(static_cast<std::size_t>(rows));
        endRemoveRows();
    }
    if (m_pending.size() > m_rows.size())
        m_pending.resize(m_rows.size());
    if (m_fixedRows > rows)
        m_fixedRows = rows;
}

void CGridModel::SetColumnCount(int cols)
{
    const int old = m_cols;
    if (cols > old) {
        beginInsertColumns(QModelIndex(), old, cols - 1);
        m_cols = cols;
        endInsertColumns();
    } else if (cols < old) {
        beginRemoveColumns(QModelIndex(), cols, old - 1);
        m_cols = cols;
        for (Row& r : m_rows) {
            if (r.size() > static_cast<std::size_t>(cols))
                r.resize(static_cast<std::size_t>(cols));
        }
        endRemoveColumns();
    }
    if (m_fixedCols > cols)
        m_fixedCols = cols;
}

void CGridModel::SetFixedRowCount(int rows)
{
    if (rows > GetRowCount())
        SetRowCount(rows);
    const int old = m_fixedRows;
    m_fixedRows = rows;
    if (old != rows && m_cols > 0)
        RowsChanged(0, std::max(old, rows) - 1);
}

void CGridModel::SetFixedColumnCount(int cols)
{
    if (cols > m_cols)
        SetColumnCount(cols);
    const int old = m_fixedCols;
    m_fixedCols = cols;
    if (old != cols && GetRowCount() > 0)
        RowsChanged(0, GetRowCount() - 1);
}

void CGridModel::SetRowFiller(int first, int last, std::function<void(int row)> filler)
{
    m_filler = std::move(filler);
    m_pending.assign(m_rows.size(), 0);
    for (int row = std::max(first, 0); row <= last && row < GetRowCount(); ++row)
        m_pending[static_cast<std::size_t>(row)] = 1;
}

void CGridModel::FillIfPending(int row) const
{
    if (static_cast<std::size_t>(row) >= m_pending.size() || !m_pending[static_cast<std::size_t>(row)])
        return;
    // Filling is part of reading the row: the view asked for it, so the
    // cells it writes are not announced as changes (announcing them from
    // inside data() would make the view ask again).
    auto& self = const_cast<CGridModel&>(*this);
    self.m_pending[static_cast<std::size_t>(row)] = 0;
    const bool changed = self.m_bulkChanged;
    ++self.m_bulk;
    m_filler(row);
    --self.m_bulk;
    self.m_bulkChanged = changed;
}

const CGridCellBase* CGridModel::GetCell(int row, int col) const
{
    if (!IsValid(row, col))
        return nullptr;
    FillIfPending(row);
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < r.size() ? r[static_cast<std::size_t>(col)].get() : nullptr;
}

CGridCellBase& CGridModel::EnsureCell(int row, int col)
{
    FillIfPending(row);
    Row& r = m_rows[static_cast<std::size_t>(row)];
    if (r.size() < static_cast<std::size_t>(m_cols))
        r.resize(static_cast<std::size_t>(m_cols));
    std::unique_ptr<CGridCellBase>& cell = r[static_cast<std::size_t>(col)];
    if (!cell)
        cell = CGridCellBase::Create(GridCellKind::Text);
    return *cell;
}

void CGridModel::ReplaceCell(int row, int col, std::unique_ptr<CGridCellBase> cell)
{
    EnsureCell(row, col);
    m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(cell);
    CellChanged(row, col);
}

void CGridModel::CellChanged(int row, int col)
{
    if (m_bulk > 0) {
        m_bulkChanged = true;
        return;
    }
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i);
}

void CGridModel::RowsChanged(int firstRow, int lastRow)
{
    if (m_cols == 0 || firstRow > lastRow)
        return;
    if (m_bulk > 0) {
        m_bulkChanged = true;
        return;
    }
    emit dataChanged(index(firstRow, 0), index(lastRow, m_cols - 1));
}

void CGridModel::BeginBulk()
{
    ++m_bulk;
}

void CGridModel::EndBulk()
{
    if (m_bulk == 0 || --m_bulk > 0)
        return;
    if (m_bulkChanged) {
        m_bulkChanged = false;
        RowsChanged(0, GetRowCount() - 1);
    }
}

CGridDefaultCell& CGridModel::DefaultCell(bool fixedRow, bool fixedCol)
{
    return m_defaults[(fixedRow ? 2 : 0) + (fixedCol ? 1 : 0)];
}

const CGridDefaultCell& CGridModel::DefaultCell(bool fixedRow, bool fixedCol) const
{
    return m_defaults[(fixedRow ? 2 : 0) + (fixedCol ? 1 : 0)];
}

unsigned CGridModel::EffectiveFormat(int row, int col) const
{
    const CGridCellBase* cell = GetCell(row, col);
    if (cell && cell->HasFormat())
        return cell->GetFormat();
    return DefaultCell(row < m_fixedRows, col < m_fixedCols).GetFormat();
}

void CGridModel::SetEditable(bool editable)
{
    if (editable == m_editable)
        return;
    m_editable = editable;
    // Flags changed everywhere; views ask for them again on the next paint.
    RowsChanged(0, GetRowCount() - 1);
}

bool CGridModel::IsCellEditable(int row, int col) const
{
    if (!m_editable || !IsValid(row, col) || IsFixed(row, col))
        return false;
    const CGridCellBase* cell = GetCell(row, col);
    return !cell || !(cell->GetState() & GVIS_READONLY);
}
