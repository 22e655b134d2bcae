#pragma once
// The defaults a cell shows when it has none of its own: one for normal
// cells, one each for cells of fixed rows, fixed columns and the corner
// where both meet. Change them through CGridCtrl::GetDefaultCell, then
// redraw the grid.
#include "widgets/grid/GridDefs.h"

#include <QColor>

class CGridDefaultCell {
public:
    unsigned GetFormat() const { return m_format; }
    void SetFormat(unsigned format) { m_format = format; }

    const QColor& GetBackClr() const { return m_back; }
    void SetBackClr(const QColor& colour) { m_back = colour; }
    const QColor& GetTextClr() const { return m_fore; }
    void SetTextClr(const QColor& colour) { m_fore = colour; }

private:
    unsigned m_format = GVF_DEFAULT;
    QColor m_back;
    QColor m_fore;
};
