#include "masterdata/CBelegtexteDlg.h"

#include "common/CDatenZugriff.h"
#include "core/CBelegtexte.h"
#include "core/CBetrag.h"
#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"
#include "masterdata/CStammdatenGrid.h"
#include "widgets/grid/GridDefs.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

const char* const CBelegtexteDlg::FrageEintrag = "Wollen Sie diesen Eintrag wirklich l\xF6schen";
const char* const CBelegtexteDlg::FrageEintraege = "Wollen Sie diese Eintr\xE4ge wirklich l\xF6schen";
const char* const CBelegtexteDlg::SystemtextWarnung =
    "Sie haben versuch den Systemtext \"%s\" zu l\xF6schen. L\xF6schen wird ignoriert";
const char* const CBelegtexteDlg::LeereZeile =
    "Eine leere Zeile wurde entdeckt, wollen sie diese Zeile l\xF6schen?";
const char* const CBelegtexteDlg::DoppelterText =
    "Eine Kurzbezeichnung darf nur einmal vorkommen. \xC4ndern Sie den Text!";

namespace {

const char* const kEinnahmen = "Einnahmen";
const char* const kAusgaben = "Ausgaben";
const char* const kAufteilung = "Aufteilung";
// Column 1 keeps whether a row has been deleted.
constexpr std::int32_t kGeloescht = 1;
const QColor kSystemFarbe(221, 221, 221);

QPushButton* NeuerKnopf(QWidget* parent, const char* name, const QString& text)
{
    auto* knopf = new QPushButton(text, parent);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setAutoDefault(false);
    return knopf;
}

QToolButton* Pfeil(QWidget* parent, const char* name, Qt::ArrowType richtung)
{
    auto* knopf = new QToolButton(parent);
    knopf->setObjectName(QString::fromLatin1(name));
    knopf->setArrowType(richtung);
    return knopf;
}

std::string ArtText(int einAus)
{
    return einAus == 1 ? kEinnahmen : einAus == -1 ? kAusgaben : kAufteilung;
}

} // namespace

CBelegtexteDlg::CBelegtexteDlg(CDatenZugriff& zugriff, UserMessages& messages, QWidget* parent)
    : QDialog(parent)
    , m_zugriff(zugriff)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("belegtexteDlg"));
    setWindowTitle(QStringLiteral("Belegtexte für das Kassenbuch"));
    if (const CSteuersaetze* steuer = m_zugriff.GetSteuersaetze())
        steuer->GetSelectionList(&m_ustTexte, &m_ustIds);
    BaueAuf();
    FuelleGrid();

    connect(m_neu, &QPushButton::clicked, this, &CBelegtexteDlg::NeueZeile);
    connect(m_loeschen, &QPushButton::clicked, this, &CBelegtexteDlg::LoescheZeilen);
    connect(m_auf, &QToolButton::clicked, this, [this] { Verschiebe(-1); });
    connect(m_ab, &QToolButton::clicked, this, [this] { Verschiebe(1); });
    connect(m_grid, &CStammdatenGrid::MoveRequested, this, &CBelegtexteDlg::Verschiebe);
    connect(m_grid, &CGridCtrl::endLabelEdit, this, &CBelegtexteDlg::UStBearbeitet, Qt::DirectConnection);
    connect(m_grid, &CGridCtrl::endLabelEdit, this, &CBelegtexteDlg::KontoBearbeitet, Qt::DirectConnection);
    connect(m_speichern, &QPushButton::clicked, this, &CBelegtexteDlg::accept);
    connect(m_abbrechen, &QPushButton::clicked, this, &CBelegtexteDlg::reject);
}

void CBelegtexteDlg::BaueAuf()
{
    m_grid = new CStammdatenGrid(this);
    m_grid->setObjectName(QStringLiteral("gridBelegtexte"));
    m_neu = NeuerKnopf(this, "buttonNeu", QStringLiteral("&Neu"));
    m_loeschen = NeuerKnopf(this, "buttonLoeschen", QStringLiteral("&Löschen"));
    m_auf = Pfeil(this, "buttonAuf", Qt::UpArrow);
    m_ab = Pfeil(this, "buttonAb", Qt::DownArrow);
    m_speichern = NeuerKnopf(this, "buttonSpeichern", QStringLiteral("&Speichern"));
    m_speichern->setDefault(true);
    m_abbrechen = NeuerKnopf(this, "buttonAbbrechen", QStringLiteral("&Abbrechen"));

    auto* oben = new QHBoxLayout;
    oben->addStretch(1);
    oben->addWidget(m_neu);
    oben->addWidget(m_loeschen);
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
    resize(700, 400);
}

void CBelegtexteDlg::FuelleGrid()
{
    CStammdatenGrid& g = *m_grid;
    g.SetEditable(true);
    g.SetListMode(true);
    // "Info" takes the rest of the width.
    g.SetColumns({"Bezeichnung", "Info", "Art", "USt/%", "inaktiv", "Statistik", "Konto"}, {190, 0, 92, 60, 40, 50, 60});

    const CBelegtexte* katalog = m_zugriff.GetBelegtexte();
    const int anzahl = katalog ? katalog->GetCount() : 0;
    // The display order; entries with equal keys keep catalogue order. The
    // keys are read once: each read walks the document to its entry.
    std::vector<int> schluessel(static_cast<std::size_t>(anzahl));
    for (int i = 0; i < anzahl; ++i)
        schluessel[static_cast<std::size_t>(i)] = katalog->GetSort(i);
    std::vector<int> folge(static_cast<std::size_t>(anzahl));
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&schluessel](int a, int b) {
        return schluessel[static_cast<std::size_t>(a)] < schluessel[static_cast<std::size_t>(b)];
    });
    g.BeginUpdate();
    g.SetRowCount(1 + anzahl);
    for (int r = 1; r <= anzahl; ++r) {
        RichteZeileEin(r);
        FuelleZeile(r, folge[static_cast<std::size_t>(r - 1)]);
    }
    g.EndUpdate();
    // The first row has the focus frame, so "&Löschen" has a row to take.
    if (anzahl > 0)
        g.SetFocusCell(1, Bezeichnung);
}

void CBelegtexteDlg::RichteZeileEin(int row)
{
    CStammdatenGrid& g = *m_grid;
    g.SetCellType(row, Art, GridCellKind::Combo);
    g.SetComboStyle(row, Art, CGridCellCombo::Style::DropDownList);
    g.SetComboOptions(row, Art, {kAusgaben, kEinnahmen});
    g.SetCellType(row, USt, GridCellKind::Combo);
    g.SetComboStyle(row, USt, CGridCellCombo::Style::DropDownList);
    g.SetComboOptions(row, USt, m_ustTexte);
    g.SetItemFormat(row, USt, GVF_RIGHT | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX);
    g.SetCellType(row, Inaktiv, GridCellKind::Check);
    g.SetCellType(row, Statistik, GridCellKind::Check);
    g.SetItemData(row, Bezeichnung, -1);
    g.SetItemData(row, Info, 0);
    g.SetItemData(row, USt, 0);
}

void CBelegtexteDlg::FuelleZeile(int row, int eintrag)
{
    CStammdatenGrid& g = *m_grid;
    const CBelegtexte& katalog = *m_zugriff.GetBelegtexte();
    const CSteuersaetze* steuer = m_zugriff.GetSteuersaetze();
    const int ustId = katalog.GetUStID(eintrag);
    g.SetItemText(row, Bezeichnung, katalog.GetBezeichnung(eintrag));
    g.SetItemData(row, Bezeichnung, eintrag);
    g.SetItemText(row, Info, katalog.GetInfo(eintrag));
    g.SetItemText(row, Art, ArtText(katalog.GetEinAus(eintrag)));
    g.SetItemText(row, USt, FormatBetragAnzeige(steuer ? steuer->GetProzent(ustId) : CBetrag()));
    g.SetItemData(row, USt, ustId);
    g.SetCheck(row, Inaktiv, katalog.IsInaktiv(eintrag));
    g.SetCheck(row, Statistik, katalog.IsStatistik(eintrag));
    g.SetItemText(row, Konto, katalog.GetKonto(eintrag));
    if (katalog.IsSystem(eintrag)) {
        for (int col = Bezeichnung; col <= Inaktiv; ++col)
            g.SetItemState(row, col, g.GetItemState(row, col) | GVIS_READONLY);
    }
    FaerbeZeile(row);
}

bool CBelegtexteDlg::IstSystemZeile(int row) const
{
    const CBelegtexte* katalog = m_zugriff.GetBelegtexte();
    const int eintrag = m_grid->GetItemData(row, Bezeichnung);
    return katalog && eintrag >= 0 && katalog->IsSystem(eintrag);
}

void CBelegtexteDlg::FaerbeZeile(int row)
{
    // Colours stay with the grid's positions when rows are swapped; the
    // grey must follow the system text.
    const QColor farbe = IstSystemZeile(row) ? kSystemFarbe : QColor();
    for (int col = 0; col < SpaltenZahl; ++col)
        m_grid->SetItemBkColour(row, col, farbe);
}

bool CBelegtexteDlg::IstGeloescht(int row) const
{
    return m_grid->GetItemData(row, Info) == kGeloescht;
}

void CBelegtexteDlg::MarkiereGeloescht(int row)
{
    m_grid->SetItemData(row, Info, kGeloescht);
    m_grid->ShowRow(row, false);
}

void CBelegtexteDlg::UStBearbeitet(int row, int col, int* answer)
{
    if (col != USt)
        return;
    const std::string text = m_grid->GetItemText(row, col);
    const auto it = std::find(m_ustTexte.begin(), m_ustTexte.end(), text);
    if (it == m_ustTexte.end()) {
        *answer = -1;
        return;
    }
    const int id = m_ustIds[static_cast<std::size_t>(it - m_ustTexte.begin())];
    const CSteuersaetze* steuer = m_zugriff.GetSteuersaetze();
    m_grid->SetItemText(row, col, FormatBetragAnzeige(steuer ? steuer->GetProzent(id) : CBetrag()));
    m_grid->SetItemData(row, col, id);
}

// An account is up to eight digits (DATEV's longest), or nothing; any
// other text goes back to what the cell held.
void CBelegtexteDlg::KontoBearbeitet(int row, int col, int* answer)
{
    if (col != Konto)
        return;
    const std::string text = m_grid->GetItemText(row, col);
    const bool ziffern = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!ziffern || text.size() > 8)
        *answer = -1;
}

void CBelegtexteDlg::NeueZeile()
{
    const int row = m_grid->GetRowCount();
    m_grid->SetRowCount(row + 1);
    RichteZeileEin(row);
    m_grid->SelectRow(row, Bezeichnung);
    m_grid->setFocus();
}

void CBelegtexteDlg::LoescheZeilen()
{
    if (m_grid->IsEditing())
        m_grid->EndEditing();
    const CCellRange range = m_grid->GetSelectedCellRange();
    std::vector<int> zeilen;
    for (int r = range.IsValid() ? range.minRow : 1; range.IsValid() && r <= range.maxRow; ++r) {
        // Rows already deleted are hidden; they are not asked about again.
        if (m_grid->IsCellSelected(r, Bezeichnung) && m_grid->IsRowShown(r))
            zeilen.push_back(r);
    }
    // Nothing selected: the row with the focus frame is the one meant.
    const CCellID fokus = m_grid->GetFocusCell();
    if (zeilen.empty() && fokus.row >= 1 && m_grid->IsRowShown(fokus.row))
        zeilen.push_back(fokus.row);
    if (zeilen.empty())
        return;
    const char* frage = zeilen.size() == 1 ? FrageEintrag : FrageEintraege;
    if (m_messages.Show(frage, UserMessages::Icon::Question, UserMessages::Buttons::YesNo)
        != UserMessages::Answer::Yes)
        return;
    for (int r : zeilen) {
        if (IstSystemZeile(r)) {
            std::string text = SystemtextWarnung;
            text.replace(text.find("%s"), 2, m_grid->GetItemText(r, Bezeichnung));
            m_messages.Show(text, UserMessages::Icon::Warning, UserMessages::Buttons::Ok, "Warnung");
            continue;
        }
        MarkiereGeloescht(r);
    }
    // The focus must not stay on a hidden row: moving it would bring the
    // deleted row back into view.
    m_grid->SetSelectedRange(-1, -1, -1, -1);
    int naechste = m_grid->IsRowShown(zeilen.back()) ? zeilen.back() : m_grid->NextShownRow(zeilen.back(), 1);
    if (naechste < 0)
        naechste = m_grid->NextShownRow(zeilen.back(), -1);
    if (naechste > 0)
        m_grid->SelectRow(naechste);
    else
        m_grid->SetFocusCell(-1, -1);
    m_grid->Redraw();
}

void CBelegtexteDlg::Verschiebe(int richtung)
{
    const CCellID vorher = m_grid->GetFocusCell();
    const int ziel = m_grid->MoveFocusRow(richtung);
    if (ziel < 0)
        return;
    FaerbeZeile(vorher.row);
    FaerbeZeile(ziel);
    m_grid->setFocus();
}

void CBelegtexteDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        emit HilfeAngefordert(HilfeThema);
        return;
    }
    // Ctrl+Up and Ctrl+Down move the row wherever the focus is.
    if (const int direction = CStammdatenGrid::MoveDirection(event->key(), event->modifiers())) {
        Verschiebe(direction);
        return;
    }
    QDialog::keyPressEvent(event);
}
