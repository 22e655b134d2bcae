#pragma once
// The address of one grid cell, row and column 0-based; (-1, -1) stands for
// "no cell", e.g. when the grid has no focus cell.

struct CCellID {
    int row = -1;
    int col = -1;

    constexpr CCellID() = default;
    constexpr CCellID(int r, int c) : row(r), col(c) {}

    constexpr bool IsValid() const { return row >= 0 && col >= 0; }
    friend constexpr bool operator==(const CCellID&, const CCellID&) = default;
};
