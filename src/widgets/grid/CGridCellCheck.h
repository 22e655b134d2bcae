#pragma once
// A check-box cell. The tick is the cell's value; a text, when set, is
// shown beside the box.
#include "widgets/grid/CGridCell.h"

class CGridCellCheck : public CGridCell {
public:
    static constexpr GridCellKind Kind = GridCellKind::Check;
    GridCellKind GetKind() const override { return Kind; }

    bool GetCheck() const { return m_checked; }
    void SetCheck(bool checked) { m_checked = checked; }

private:
    bool m_checked = false;
};
