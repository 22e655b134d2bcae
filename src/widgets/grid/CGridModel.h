#pragma once
// The cells of a grid as a Qt table model. Rows hold plain cell values,
// created only when something is written into them (an unwritten cell is an
// empty plain-text cell), so a grid of thousands of rows costs little until
// it is filled. Between BeginBulk and EndBulk cell changes are gathered and
// announced as one dataChanged, which keeps filling thousands of rows fast;
// changes of the row or column count are always announced at once.
#include "widgets/grid/CGridCellBase.h"
#include "widgets/grid/CGridDefaultCell.h"

#include <QAbstractTableModel>

#include <functional>
#include <memory>
#include <vector>

class CGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CGridModel(QObject* parent = nullptr);
    ~CGridModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetColumnCount() const { return m_cols; }
    void SetRowCount(int rows);
    void SetColumnCount(int cols);
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedCols; }
    void SetFixedRowCount(int rows);
    void SetFixedColumnCount(int cols);

    bool IsValid(int row, int col) const
    {
        return row >= 0 && col >= 0 && row < GetRowCount() && col < m_cols;
    }
    bool IsFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }

    // Rows first..last get their cells from `filler` only when something
    // first reads or writes one of them: a list of thousands of rows then
    // costs only the rows shown. Replaces any earlier filler.
    void SetRowFiller(int first, int last, std::function<void(int row)> filler);

    // nullptr for a cell never written (an empty plain cell) or outside.
    const CGridCellBase* GetCell(int row, int col) const;
    // The cell, created as a plain cell when never written; row and col
    // must be valid.
    CGridCellBase& EnsureCell(int row, int col);
    void ReplaceCell(int row, int col, std::unique_ptr<CGridCellBase> cell);

    // Announces a changed cell or rows (deferred while a bulk update runs).
    void CellChanged(int row, int col);
    void RowsChanged(int firstRow, int lastRow);
    void BeginBulk();
    void EndBulk();

    CGridDefaultCell& DefaultCell(bool fixedRow, bool fixedCol);
    const CGridDefaultCell& DefaultCell(bool fixedRow, bool fixedCol) const;
    unsigned EffectiveFormat(int row, int col) const;

    bool IsEditable() const { return m_editable; }
    void SetEditable(bool editable);
    // Valid, not fixed, grid editable and the cell not read-only.
    bool IsCellEditable(int row, int col) const;

private:
    using Row = std::vector<std::unique_ptr<CGridCellBase>>;

    // A row still waiting for its filler gets its cells now.
    void FillIfPending(int row) const;

    std::vector<Row> m_rows;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    bool m_editable = true;
    int m_bulk = 0;
    bool m_bulkChanged = false;
    // [fixedRow * 2 + fixedCol]
    CGridDefaultCell m_defaults[4];
    std::vector<char> m_pending;
    std::function<void(int)> m_filler;
};
