#pragma once
// The plain kind of grid cell: editable text and nothing more.
#include "widgets/grid/CGridCellBase.h"

class CGridCell : public CGridCellBase {
public:
    static constexpr GridCellKind Kind = GridCellKind::Text;
    GridCellKind GetKind() const override { return Kind; }
};
