#pragma once
// The grid of the receipt-text and VAT-rate dialogs: a list of records, one
// per row below the heading, whose order the user changes by moving the
// focused row past its visible neighbours (the arrow buttons, Ctrl+Up and
// Ctrl+Down). Hidden rows (deleted, or left out by a filter) are skipped,
// never moved: row heights stay with the positions, so swapping a hidden
// row with a shown one would show the one and hide the other.
#include "widgets/grid/CGridCtrl.h"

#include <vector>

class CStammdatenGrid : public CGridCtrl {
    Q_OBJECT
public:
    explicit CStammdatenGrid(QWidget* parent = nullptr);

    // -1 for Ctrl+Up, +1 for Ctrl+Down, 0 for any other key: the keys that
    // move a row, in the grid and anywhere else in its dialog.
    static int MoveDirection(int key, Qt::KeyboardModifiers modifiers);

    bool IsRowShown(int row) const { return row >= GetFixedRowCount() && GetRowHeight(row) > 0; }
    // The nearest shown row from row in direction (-1 up, +1 down), or -1.
    int NextShownRow(int row, int direction) const;
    // Swaps the focused row with the nearest shown row in direction and
    // keeps the focus and selection on it; the row it landed on, or -1
    // when nothing moved (no focus, a hidden row, the end of the list).
    int MoveFocusRow(int direction);
    // Focuses and selects the whole row, and scrolls to it.
    void SelectRow(int row, int col = 0);
    // Shows or hides row, at the heading's height when shown.
    void ShowRow(int row, bool shown);
    // Heading row 0 with these titles (centred) and the columns at these
    // widths, each widened to show its whole title in the grid's font; the
    // column of width 0 takes what the others leave of the grid's width,
    // whenever that changes.
    void SetColumns(const std::vector<const char*>& titles, const std::vector<int>& widths);

signals:
    // Ctrl+Up (-1) or Ctrl+Down (+1), also while a cell is being edited.
    void MoveRequested(int direction);

protected:
    void OnKeyDown(int key, int repeatCount, Qt::KeyboardModifiers modifiers) override;
    bool viewportEvent(QEvent* event) override;

private:
    void FitFillColumn();

    int m_fillColumn = -1;
    int m_rest = 0;
};
