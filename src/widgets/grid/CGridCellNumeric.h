#pragma once
// A whole-number cell. The number is read back from the text (empty reads
// as 0, so does a text without leading digits); setting 0 shows an empty
// text unless the cell is told to show zeros. The range only limits how
// many digits the in-cell editor takes: a number outside it is stored as
// typed, and the program checks the bounds itself.
#include "widgets/grid/CGridCell.h"

#include <climits>

class CGridCellNumeric : public CGridCell {
public:
    static constexpr GridCellKind Kind = GridCellKind::Numeric;
    GridCellKind GetKind() const override { return Kind; }

    int GetNumber() const;
    void SetNumber(int number);

    bool GetShowZero() const { return m_showZero; }
    void SetShowZero(bool show) { m_showZero = show; }

    void SetRange(int minimum, int maximum)
    {
        m_min = minimum;
        m_max = maximum;
    }
    int GetMinimum() const { return m_min; }
    int GetMaximum() const { return m_max; }

    // The leading whole number of text; 0 when there is none. Values past
    // the range of int are clamped.
    static int ParseNumber(const std::string& text);

private:
    bool m_showZero = false;
    int m_min = -999999999;
    int m_max = 999999999;
};
