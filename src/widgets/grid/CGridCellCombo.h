#pragma once
// A drop-down cell: the caller gives the option list; the chosen option
// becomes the cell's text. In drop-down-list style (the default, and the
// only style the cash book uses) the user can only pick an option; in
// drop-down style he may also type a text of his own.
#include "widgets/grid/CGridCell.h"

#include <string>
#include <vector>

class CGridCellCombo : public CGridCell {
public:
    enum class Style { DropDown, DropDownList };

    static constexpr GridCellKind Kind = GridCellKind::Combo;
    GridCellKind GetKind() const override { return Kind; }

    const std::vector<std::string>& GetOptions() const { return m_options; }
    void SetOptions(std::vector<std::string> options) { m_options = std::move(options); }

    Style GetStyle() const { return m_style; }
    void SetStyle(Style style) { m_style = style; }

    // Position of the cell's text in the option list, -1 when not there.
    int FindText() const;

private:
    std::vector<std::string> m_options;
    Style m_style = Style::DropDownList;
};
