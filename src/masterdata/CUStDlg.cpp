#include "masterdata/CUStDlg.h"

#include "core/CSteuersaetze.h"
#include "masterdata/CStammdatenGrid.h"
#include "widgets/grid/GridDefs.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QColor kGrundFarbe(238, 238, 238);
const QColor kTextFarbe(34, 34, 34);

QToolButton* Pfeil(QWidget* parent, const char* name, Qt::ArrowType richtung)
{
    auto* knopf = new QToolButton(parent);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setArrowType(richtung);
    return knopf;
}

} // namespace

CUStDlg::CUStDlg(CSteuersaetze& steuersaetze, QWidget* parent) : QDialog(parent), m_steuersaetze(steuersaetze)
{
    setObjectName(QStringLiteral("ustDlg"));
    setWindowTitle(QStringLiteral("USt-Sätze einrichten"));
    BaueAuf();
    FuelleGrid();

    connect(m_land, &QComboBox::currentIndexChanged, this, &CUStDlg::Filtere);
    connect(m_auf, &QToolButton::clicked, this, [this] { Verschiebe(-1); });
    connect(m_ab, &QToolButton::clicked, this, [this] { Verschiebe(1); });
    connect(m_grid, &CStammdatenGrid::MoveRequested, this, &CUStDlg::Verschiebe);
    connect(m_speichern, &QPushButton::clicked, this, &CUStDlg::accept);
    connect(m_abbrechen, &QPushButton::clicked, this, &CUStDlg::reject);
}

CUStDlg::Land CUStDlg::LandCode(const std::string& land)
{
    if (land == "Deutschland")
        return Deutschland;
    if (land == "\xD6sterreich")
        return Oesterreich;
    if (land == "Schweiz")
        return Schweiz;
    return Alle;
}

void CUStDlg::BaueAuf()
{
    auto* label = new QLabel(QStringLiteral("Auswahl nach Land:"), this);
    label->setObjectName(QStringLiteral("labelLand"));
    m_land = new QComboBox(this);
    m_land->setObjectName(QStringLiteral("comboLand"));
    for (const char* name : {"<Alle>", "Deutschland", "Österreich", "Schweiz"})
        m_land->addItem(QString::fromUtf8(name));
    label->setBuddy(m_land);
    m_grid = new CStammdatenGrid(this);
    m_grid->setObjectName(QStringLiteral("gridUSt"));
    m_auf = Pfeil(this, "buttonAuf", Qt::UpArrow);
    m_ab = Pfeil(this, "buttonAb", Qt::DownArrow);
    m_speichern = new QPushButton(QStringLiteral("&Speichern"), this);
    m_speichern->setObjectName(QStringLiteral("buttonSpeichern"));
    m_speichern->setDefault(true);
    m_abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("buttonAbbrechen"));
    m_abbrechen->setAutoDefault(false);

    auto* filter = new QVBoxLayout;
    filter->addWidget(label);
    filter->addWidget(m_land);
    auto* oben = new QHBoxLayout;
    oben->addLayout(filter);
    oben->addStretch(1);
    auto* unten = new QHBoxLayout;
    unten->addWidget(m_auf);
    unten->addWidget(m_ab);
    unten->addStretch(1);
    unten->addWidget(m_speichern);
    unten->addWidget(m_abbrechen);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(oben);
    aussen->addWidget(m_grid, 1);
    aussen->addLayout(unten);
    resize(480, 420);
}

void CUStDlg::FuelleGrid()
{
    CStammdatenGrid& g = *m_grid;
    g.SetEditable(true);
    g.SetListMode(true);
    // The name takes the rest of the width.
    g.SetColumns({"Bezeichnung", "g\xFCltig ab", "%-Satz", "inaktiv"}, {0, 90, 50, 40});

    const std::vector<int> ids = m_steuersaetze.GetIdsBySort(true);
    g.BeginUpdate();
    g.SetRowCount(1 + static_cast<int>(ids.size()));
    for (int r = 1; r < g.GetRowCount(); ++r) {
        const int id = ids[static_cast<std::size_t>(r - 1)];
        g.SetCellType(r, Prozent, GridCellKind::Decimal);
        g.SetCellType(r, Inaktiv, GridCellKind::Check);
        g.SetItemText(r, Bezeichnung, m_steuersaetze.GetBezeichnung(id));
        g.SetItemData(r, Bezeichnung, id);
        const CDatum ab = m_steuersaetze.GetGueltigAb(id);
        // 1970 and before is "always" in the table: no date is shown.
        g.SetItemText(r, GueltigAb, ab.Year() > 1970 ? ab.ToDisplay() : std::string());
        g.SetItemData(r, GueltigAb, LandCode(m_steuersaetze.GetLand(id)));
        g.SetCellAmount(r, Prozent, m_steuersaetze.GetProzent(id));
        g.SetItemFormat(r, Prozent, GVF_RIGHT | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX);
        for (int col = Bezeichnung; col <= Prozent; ++col) {
            g.SetItemState(r, col, g.GetItemState(r, col) | GVIS_READONLY);
            g.SetItemBkColour(r, col, kGrundFarbe);
            g.SetItemFgColour(r, col, kTextFarbe);
        }
        g.SetCheck(r, Inaktiv, m_steuersaetze.IsInaktiv(id));
    }
    g.EndUpdate();
}

void CUStDlg::Filtere(int index)
{
    const int code = index < 0 ? Alle : index;
    for (int r = 1; r < m_grid->GetRowCount(); ++r)
        m_grid->ShowRow(r, code == Alle || m_grid->GetItemData(r, GueltigAb) == code);
    // Nothing stays selected that the user cannot see.
    const CCellID focus = m_grid->GetFocusCell();
    if (focus.IsValid() && !m_grid->IsRowShown(focus.row)) {
        m_grid->SetSelectedRange(-1, -1, -1, -1);
        m_grid->SetFocusCell(-1, -1);
    }
    m_grid->Redraw();
}

void CUStDlg::Verschiebe(int richtung)
{
    if (m_grid->MoveFocusRow(richtung) >= 0)
        m_grid->setFocus();
}

void CUStDlg::accept()
{
    for (int r = 1; r < m_grid->GetRowCount(); ++r) {
        const int id = m_grid->GetItemData(r, Bezeichnung);
        m_steuersaetze.SetInaktiv(id, m_grid->GetCheck(r, Inaktiv));
        m_steuersaetze.SetSort(id, r);
    }
    QDialog::accept();
}

void CUStDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit HilfeAngefordert(HilfeThema);
        return;
    }
    if (const int direction = CStammdatenGrid::MoveDirection(event->key(), event->modifiers())) {
        Verschiebe(direction);
        return;
    }
    QDialog::keyPressEvent(event);
}
