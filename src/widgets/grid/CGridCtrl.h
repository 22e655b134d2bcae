#pragma once
// The table control behind every grid of the program: booking entry and
// booking list, receipt texts, VAT rates, monthly overview. A QTableView
// over a model of plain cell values (CGridModel); the first rows can be
// fixed heading rows, shown as the table's header so they never scroll.
//
// Cells are addressed by (row, column), 0-based, fixed rows included. Every
// operation on a cell outside the grid does nothing and reports failure:
// false, -1, an empty text, an invalid colour or a default value. Texts
// are Windows-1252 bytes, like every text of the cash book.
//
// Editing: EditCell (or a double-click, a click on the focus cell, F2 or a
// typed character) calls the overridable OnEditCell, which opens an
// in-cell editor on an editable cell; every change the user makes in it is
// reported to OnEditorChanged while it is open. When the edit ends (Tab, Enter, an
// arrow, Page Up/Down, Home, End, Escape, a click elsewhere, a choice in
// a drop-down list, EndEditing) OnEndEditCell runs the end-of-edit rule:
// an unchanged text stores nothing; a changed text is stored, checked by
// ValidateEdit, offered to the owner through endLabelEdit (a negative
// answer puts the old text back) and otherwise marks the cell modified.
// The keys that ended the edit then act on the grid through OnKeyDown and,
// when the focus moved to another editable cell, editing goes on there.
//
// Notifications reach the owner as signals from SendMessageToParent, which
// a derived grid may override. They follow the user's actions only; the
// program's own SetFocusCell, SetSelectedRange and the like stay silent, so
// the owner's handler may select rows without being called back.
#include "core/CBetrag.h"
#include "widgets/grid/CCellID.h"
#include "widgets/grid/CCellRange.h"
#include "widgets/grid/CGridCellBase.h"
#include "widgets/grid/CGridCellCombo.h"
#include "widgets/grid/GridDefs.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

#include <functional>

#include <cstdint>
#include <string>
#include <vector>

#if defined(__GNUC__)
#define GRID_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define GRID_PRINTF_FORMAT(fmt, args)
#endif

class CGridDefaultCell;
class CGridDelegate;
class CGridHeader;
class CGridModel;

class CGridCtrl : public QTableView {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // --- Size. A row height of 0 hides the row; any other height shows it.
    bool SetRowCount(int rows);
    int GetRowCount() const;
    bool SetColumnCount(int cols);
    int GetColumnCount() const;
    bool SetFixedRowCount(int rows);
    int GetFixedRowCount() const;
    bool SetFixedColumnCount(int cols);
    int GetFixedColumnCount() const;
    bool SetColumnWidth(int col, int width);
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;
    int GetDefaultRowHeight() const { return m_defaultRowHeight; }

    // --- Modes. In list mode a click selects whole rows; single-row
    // selection allows only one row (or cell) at a time.
    void SetListMode(bool on);
    bool GetListMode() const;
    void SetSingleRowSelection(bool on);
    bool GetSingleRowSelection() const;
    // A grid that is not editable opens no editor and ticks no box.
    void SetEditable(bool on);
    bool IsEditable() const;
    // Tab and Shift+Tab go on to the next (previous) editable cell, row by
    // row, passing read-only and hidden cells; with none left that way the
    // focus stays. Off (the default) they stop at every cell.
    void SetTabSkipsReadOnly(bool on);
    bool GetTabSkipsReadOnly() const;

    // --- Cell content.
    bool IsValid(int row, int col) const;
    bool IsCellFixed(int row, int col) const;
    // Editable grid, cell inside, not fixed, not read-only, row and column shown.
    bool IsCellEditable(int row, int col) const;
    // The cell for reading; an unwritten cell reads as an empty CGridCell.
    const CGridCellBase* GetCell(int row, int col) const;

    bool SetItemText(int row, int col, const std::string& text);
    bool SetItemTextFmt(int row, int col, const char* format, ...) GRID_PRINTF_FORMAT(4, 5);
    std::string GetItemText(int row, int col) const;
    bool SetItemFormat(int row, int col, unsigned format);
    unsigned GetItemFormat(int row, int col) const;
    bool SetItemData(int row, int col, std::int32_t data);
    std::int32_t GetItemData(int row, int col) const;  // -1 outside
    // An invalid colour goes back to the default.
    bool SetItemBkColour(int row, int col, const QColor& colour = QColor());
    QColor GetItemBkColour(int row, int col) const;
    bool SetItemFgColour(int row, int col, const QColor& colour = QColor());
    QColor GetItemFgColour(int row, int col) const;
    // Stores GVIS_READONLY, GVIS_MODIFIED and other bits of the caller's;
    // GVIS_SELECTED and GVIS_FOCUSED are read from the view, never stored.
    bool SetItemState(int row, int col, unsigned state);
    unsigned GetItemState(int row, int col) const;

    // A new kind takes over text, format, data value, colours and state;
    // the same kind again keeps the cell as it is.
    bool SetCellType(int row, int col, GridCellKind kind);
    template <class Cell>
    bool SetCellType(int row, int col) { return SetCellType(row, col, Cell::Kind); }
    GridCellKind GetCellType(int row, int col) const;

    // --- Kind-specific values; false (or 0, -1) when the cell is of another kind.
    bool SetComboOptions(int row, int col, const std::vector<std::string>& options);
    std::vector<std::string> GetComboOptions(int row, int col) const;
    bool SetComboStyle(int row, int col, CGridCellCombo::Style style);
    bool SetCheck(int row, int col, bool checked = true);
    bool GetCheck(int row, int col) const;
    bool SetCellAmount(int row, int col, CBetrag amount);
    CBetrag GetCellAmount(int row, int col) const;
    bool SetCellNumber(int row, int col, int number);
    int GetCellNumber(int row, int col) const;  // -1 when not a numeric cell
    bool SetNumericRange(int row, int col, int minimum, int maximum);
    bool SetNumericShowZero(int row, int col, bool show);

    // --- Defaults of normal cells (false, false) and of fixed cells; call
    // Redraw after changing them.
    CGridDefaultCell& GetDefaultCell(bool fixedRow, bool fixedCol);
    // The background of all fixed cells (fixed rows, fixed columns, corner).
    void SetFixedBkColor(const QColor& colour);
    // The background of the area not covered by cells.
    void SetGridBkColor(const QColor& colour);

    // --- Selection. Fixed cells are never focused nor selected.
    CCellID GetFocusCell() const;
    // (-1, -1) removes the focus cell.
    bool SetFocusCell(int row, int col);
    bool SetFocusCell(CCellID cell) { return SetFocusCell(cell.row, cell.col); }
    // The smallest range holding every selected cell; invalid when none is.
    CCellRange GetSelectedCellRange() const;
    bool IsCellSelected(int row, int col) const;
    // Replaces the selection; (-1, -1, -1, -1) clears it.
    bool SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol);
    bool SetSelectedRange(const CCellRange& range)
    {
        return SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol);
    }

    // --- Rows: exchanges text, format, data value and state of every
    // column, and the tick where both cells are check boxes; kinds and
    // colours stay where they are.
    bool SwapRows(int row1, int row2);

    // --- Painting.
    void Redraw();
    bool RedrawCell(int row, int col);
    bool RedrawRow(int row);
    bool EnsureVisible(int row, int col);

    // --- Filling many cells: between BeginUpdate and EndUpdate cell
    // changes are announced to the view once, at EndUpdate. Calls nest.
    void BeginUpdate();
    void EndUpdate();
    // Rows first..last are filled by `filler` (with SetItemText and the
    // like) only when they are first shown or read.
    void SetRowFiller(int first, int last, std::function<void(int row)> filler);

    // --- Editing.
    // Asks OnEditCell to start editing; key as for OnEditCell. true when an
    // editor is open on the cell afterwards.
    bool EditCell(int row, int col, int key = 0);
    // Ends the open edit as a click elsewhere would (end-of-edit rule).
    void EndEditing();
    bool IsEditing() const;
    CCellID GetEditCell() const;

signals:
    // An in-cell edit changed the text of (row, col); set *answer to a
    // negative value to put the old text back. Connect directly.
    void endLabelEdit(int row, int col, int* answer);
    // The focus cell or the selection changed through the user; (row, col)
    // is the focus cell afterwards.
    void selChanged(int row, int col);

protected:
    // The overridable steps of editing, in this order.
    //
    // Start of an in-cell edit of (row, col), asked by the user or by
    // EditCell. point is where the mouse started it ((-1, -1) otherwise);
    // key is 0 for the mouse and the program, a character code (>= 0x20,
    // below 0x01000000) when typing started it, else the Qt::Key that did.
    // A derived grid may refuse, redirect or prepare the cell, then call
    // this to open the editor; it opens none on a cell that is not editable.
    virtual void OnEditCell(int row, int col, QPoint point, int key);
    // End of an in-cell edit with the editor's text (the end-of-edit rule).
    virtual void OnEndEditCell(int row, int col, const std::string& text);
    // Whether a changed text may stay; the plain grid accepts everything.
    virtual bool ValidateEdit(int row, int col, const std::string& text);
    // The user changed what the open editor of (row, col) holds (typed,
    // deleted, chose another option) while the edit goes on; filling the
    // editor when it opens is no such change. The plain grid ignores it.
    virtual void OnEditorChanged(int row, int col);
    // A key pressed in the grid, or the key that ended an edit. Override to
    // handle keys (Enter, say) before the grid does; call this for the rest.
    virtual void OnKeyDown(int key, int repeatCount, Qt::KeyboardModifiers modifiers);
    // Delivers a notification (GVN_ENDLABELEDIT, GVN_SELCHANGED) to the owner
    // and returns its answer.
    virtual int SendMessageToParent(int row, int col, int code);

    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

protected slots:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class CGridDelegate;
    class UserAction;

    QModelIndex IndexOf(int row, int col) const;
    CGridCellBase* MutableCell(int row, int col);
    template <class Cell>
    Cell* MutableCellOf(int row, int col);
    template <class Cell>
    const Cell* CellOf(int row, int col) const;
    void CellChanged(int row, int col);

    void ApplyRowHeight(int row);
    void UpdateHeader();
    void OnRowCountChanged(int oldRows);

    // Editing machinery (CGridCtrlEdit.cpp).
    void EditorCreated(QWidget* editor, const QModelIndex& index);
    void EditorChangedByUser(const QWidget* editor);
    bool IsEditorOf(const QObject* object) const;
    void EditorKeyPressed(int key, Qt::KeyboardModifiers modifiers);
    void CancelEditing();
    bool FinishEdit(bool cancel);
    bool CanEditInPlace(int row, int col) const;
    bool ToggleCheckByUser(int row, int col);
    void ForwardKeyToView(int key, Qt::KeyboardModifiers modifiers);

    // Selection bookkeeping for notifications (CGridCtrlSelection.cpp).
    void BeginUserAction();
    void EndUserAction();

    CGridModel* m_model = nullptr;
    CGridDelegate* m_delegate = nullptr;
    CGridHeader* m_header = nullptr;
    std::vector<int> m_rowHeights;
    int m_defaultRowHeight = 20;
    bool m_listMode = false;
    bool m_singleRow = false;
    bool m_tabSkipsReadOnly = false;
    int m_updateDepth = 0;

    QPointer<QWidget> m_editor;
    QPointer<QWidget> m_closedEditor;  // closed by us; Qt may still ask to close it
    QPersistentModelIndex m_editIndex;
    bool m_keyAccepted = true;
    CCellID m_pressCell;
    bool m_pressOnFocus = false;

    int m_userActionDepth = 0;
    CCellID m_actionFocus;
    QItemSelection m_actionSelection;
};
