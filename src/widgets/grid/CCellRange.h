#pragma once
// A rectangle of grid cells from (minRow, minCol) to (maxRow, maxCol), both
// corners included. The default range is invalid: it stands for "nothing
// selected".
#include "widgets/grid/CCellID.h"

struct CCellRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    constexpr CCellRange() = default;
    constexpr CCellRange(int r1, int c1, int r2, int c2) : minRow(r1), minCol(c1), maxRow(r2), maxCol(c2) {}

    constexpr bool IsValid() const
    {
        return minRow >= 0 && minCol >= 0 && maxRow >= minRow && maxCol >= minCol;
    }
    constexpr bool Contains(int row, int col) const
    {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    constexpr CCellID GetTopLeft() const { return CCellID(minRow, minCol); }
    constexpr CCellID GetBottomRight() const { return CCellID(maxRow, maxCol); }
    friend constexpr bool operator==(const CCellRange&, const CCellRange&) = default;
};
