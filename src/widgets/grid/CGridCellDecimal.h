#pragma once
// An amount cell. Setting the amount writes it as the screen shows money
// everywhere (two decimals, "." thousands, "," decimals: 1.234,50); setting
// the amount it already shows again leaves the text alone. A text written
// into the cell (by the user or the program) sets the amount it reads as.
#include "core/CBetrag.h"
#include "widgets/grid/CGridCell.h"

class CGridCellDecimal : public CGridCell {
public:
    static constexpr GridCellKind Kind = GridCellKind::Decimal;
    GridCellKind GetKind() const override { return Kind; }

    CBetrag GetAmount() const { return m_amount; }
    // false when the cell already showed this amount and nothing changed.
    bool SetAmount(CBetrag amount);

    void SetText(const std::string& text) override;

    // The text an amount is shown as.
    static std::string FormatAmount(CBetrag amount);

private:
    CBetrag m_amount;
    bool m_shown = false;  // the text stands for m_amount (not empty)
};
