#include "bookinggrids/CBuchungGrid.h"

#include "common/CDatenZugriff.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CFirma.h"
#include "widgets/grid/CGridDefaultCell.h"

#include <QResizeEvent>

#include <algorithm>

const QColor CBuchungGrid::KopfFarbe(0, 51, 170);
const QColor CBuchungGrid::NurLesenFarbe(221, 221, 221);

namespace {

constexpr int kBreiten[CBuchungGrid::Spaltenzahl] = {
    30, CBuchungGrid::StartBreiteBezeichnung, 140, 80, 85, 85, 40, 55};

// A window narrower than the fixed columns still leaves a usable text column.
constexpr int kMindestBreiteBezeichnung = 30;

} // namespace

CBuchungGrid::CBuchungGrid(CDatenZugriff& zugriff, QWidget* parent)
    : CGridCtrl(parent)
    , m_zugriff(zugriff)
{
    SetColumnCount(Spaltenzahl);
    SetRowCount(1);
    SetFixedRowCount(1);
    SetFixedColumnCount(0);

    const auto& koepfe = CBuchungsAbfrage::Spaltenkoepfe();
    for (int col = 0; col < Spaltenzahl; ++col) {
        SetColumnWidth(col, kBreiten[col]);
        SetItemText(0, col, koepfe[static_cast<std::size_t>(col)]);
        SetItemFormat(0, col, GVF_CENTER | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX);
    }
    SetFixedBkColor(KopfFarbe);
    GetDefaultCell(true, false).SetTextClr(Qt::white);
    GetDefaultCell(true, true).SetTextClr(Qt::white);
    SetGridBkColor(palette().color(QPalette::Button));
    Redraw();
}

std::string CBuchungGrid::GetWaehrung() const
{
    const CFirma* firma = Daten().GetFirma();
    return firma ? firma->GetWaehrung() : std::string();
}

void CBuchungGrid::AlignRow(int row)
{
    for (int col : {int(Tag), int(Einnahmen), int(Ausgaben), int(USt)})
        SetItemFormat(row, col, GVF_RIGHT | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX);
}

void CBuchungGrid::SetCellEditable(int row, int col)
{
    SetItemState(row, col, 0);
    SetItemBkColour(row, col, QColor(Qt::white));
}

void CBuchungGrid::SetCellReadOnly(int row, int col)
{
    SetItemState(row, col, GetItemState(row, col) | GVIS_READONLY);
    SetItemBkColour(row, col, NurLesenFarbe);
}

bool CBuchungGrid::IsCellReadOnly(int row, int col) const
{
    return (GetItemState(row, col) & GVIS_READONLY) != 0;
}

CBetrag CBuchungGrid::GetDecimalAmount(int row, int col) const
{
    // GetCellAmount already answers 0 for a cell of another kind.
    return GetCellAmount(row, col);
}

void CBuchungGrid::resizeEvent(QResizeEvent* event)
{
    CGridCtrl::resizeEvent(event);
    FitBezeichnung();
}

void CBuchungGrid::FitBezeichnung()
{
    const int rest = viewport()->width() - FesteBreiten;
    SetColumnWidth(Bezeichnung, std::max(kMindestBreiteBezeichnung, rest));
}
