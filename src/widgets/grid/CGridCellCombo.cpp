#include "widgets/grid/CGridCellCombo.h"

int CGridCellCombo::FindText() const
{
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (m_options[i] == GetText())
            return static_cast<int>(i);
    }
    return -1;
}
