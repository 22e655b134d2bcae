#include "widgets/grid/CGridCellBase.h"

#include "widgets/grid/CGridCell.h"
#include "widgets/grid/CGridCellCheck.h"
#include "widgets/grid/CGridCellCombo.h"
#include "widgets/grid/CGridCellDecimal.h"
#include "widgets/grid/CGridCellNumeric.h"

#include <utility>

std::unique_ptr<CGridCellBase> CGridCellBase::Create(GridCellKind kind)
{
    switch (kind) {
    case GridCellKind::Combo:
        return std::make_unique<CGridCellCombo>();
    case GridCellKind::Check:
        return std::make_unique<CGridCellCheck>();
    case GridCellKind::Decimal:
        return std::make_unique<CGridCellDecimal>();
    case GridCellKind::Numeric:
        return std::make_unique<CGridCellNumeric>();
    case GridCellKind::Text:
        break;
    }
    return std::make_unique<CGridCell>();
}

void CGridCellBase::TakeContent(const CGridCellBase& other)
{
    SetText(other.m_text);
    m_format = other.m_format;
    m_hasFormat = other.m_hasFormat;
    m_data = other.m_data;
    m_state = other.m_state;
    m_back = other.m_back;
    m_fore = other.m_fore;
}

void CGridCellBase::SwapContent(CGridCellBase& other)
{
    // Through SetText, so kinds that follow their text (amounts) stay true.
    const std::string mine = m_text;
    SetText(other.m_text);
    other.SetText(mine);
    std::swap(m_format, other.m_format);
    std::swap(m_hasFormat, other.m_hasFormat);
    std::swap(m_data, other.m_data);
    std::swap(m_state, other.m_state);
}
