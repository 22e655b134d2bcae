#include "widgets/grid/CGridCellDecimal.h"

std::string CGridCellDecimal::FormatAmount(CBetrag amount)
{
    return FormatBetragAnzeige(amount);
}

bool CGridCellDecimal::SetAmount(CBetrag amount)
{
    if (m_shown && amount == m_amount)
        return false;
    CGridCell::SetText(FormatAmount(amount));
    m_amount = amount;
    m_shown = true;
    return true;
}

void CGridCellDecimal::SetText(const std::string& text)
{
    CGridCell::SetText(text);
    m_amount = ParseBetrag(text);
    m_shown = !text.empty();
}
