#include "reports/CMonatsUebersichtDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/CDatenZugriff.h"
#include "common/IDatumAuswahl.h"
#include "core/CFirma.h"
#include "platform/Cp1252.h"
#include "platform/Monatsnamen.h"
#include "reports/CMonatsUebersichtZeilen.h"
#include "widgets/grid/CGridCtrl.h"

namespace {

constexpr int kBreiten[] = {58, 50, 95, 95, 95};

QLabel* FetterText(QWidget* parent, const char* name, const QString& text, int punkte)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSize(punkte);
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

CMonatsUebersichtDlg::CMonatsUebersichtDlg(const CDatenZugriff& zugriff, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("monatsUebersichtDlg"));
    setWindowTitle(QStringLiteral("Kassen-Monatsübersicht"));
    // The column widths are pixels made for a small dialog font; with the
    // desktop's larger one "Mo, 01." would not fit its column.
    setFont(QFont(QStringLiteral("Arial"), 8));

    m_titel = FetterText(this, "labelTitel", QStringLiteral("Monat Jahr - POS-Kasse"), 13);
    m_waehrung = FetterText(this, "labelWaehrung", QStringLiteral("alle Werte in EUR"), 11);
    m_waehrung->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    m_grid = new CGridCtrl(this);
    m_grid->setObjectName(QStringLiteral("gridMonatsuebersicht"));
    m_grid->SetColumnCount(CMonatsUebersichtZeilen::Spalten);
    m_grid->SetRowCount(1);
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(0);
    m_grid->SetListMode(true);
    // Nothing typed here would ever be read back.
    m_grid->SetEditable(false);
    m_grid->SetFixedBkColor(QColor(240, 240, 0));
    const auto& koepfe = CMonatsUebersichtZeilen::Spaltenkoepfe();
    for (int c = 0; c < CMonatsUebersichtZeilen::Spalten; ++c) {
        m_grid->SetColumnWidth(c, kBreiten[c]);
        m_grid->SetItemText(0, c, koepfe[static_cast<std::size_t>(c)]);
        m_grid->SetItemFormat(0, c, GVF_CENTER | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX);
    }

    auto* schliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    schliessen->setObjectName(QStringLiteral("buttonSchliessen"));
    schliessen->setDefault(true);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(m_titel, 1);
    kopf->addWidget(m_waehrung);
    auto* fuss = new QHBoxLayout;
    fuss->addStretch(1);
    fuss->addWidget(schliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kopf);
    layout->addWidget(m_grid, 1);
    layout->addLayout(fuss);
    resize(440, 420);

    Fuelle(zugriff);
}

void CMonatsUebersichtDlg::Fuelle(const CDatenZugriff& zugriff)
{
    const IDatumAuswahl* auswahl = zugriff.GetDatumAuswahl();
    const CBuchungen* journal = zugriff.GetBuchungen();
    const CFirma* firma = zugriff.GetFirma();
    if (!auswahl || !journal || !firma)
        return;
    const int monat = auswahl->GetMonth();
    const int jahr = auswahl->GetYear();
    CMonatsUebersichtZeilen zeilen;
    zeilen.Baue(*journal, jahr, monat);

    m_grid->BeginUpdate();
    m_grid->SetRowCount(static_cast<int>(zeilen.Zeilen().size()) + 1);
    m_titel->setText(QStringLiteral("%1 %2 - POS-Kasse").arg(Monatsnamen::Name(monat)).arg(jahr));
    m_waehrung->setText(QStringLiteral("alle Werte in %1").arg(Cp1252::ToQString(firma->GetWaehrung())));
    int row = 1;
    for (const CMonatsUebersichtZeilen::Zeile& z : zeilen.Zeilen()) {
        const QColor farbe(z.Hintergrund.r, z.Hintergrund.g, z.Hintergrund.b);
        for (int c = 0; c < CMonatsUebersichtZeilen::Spalten; ++c) {
            if (c > 0)
                m_grid->SetItemFormat(row, c, GVF_RIGHT | GVF_VCENTER | GVF_SINGLELINE | GVF_NOPREFIX);
            m_grid->SetItemText(row, c, z.Texte[static_cast<std::size_t>(c)]);
            m_grid->SetItemBkColour(row, c, farbe);
        }
        ++row;
    }
    m_grid->EndUpdate();
    m_grid->Redraw();
}
