#include "mainwindow/CSummenPanel.h"

#include "core/CKassenSummen.h"
#include "platform/Cp1252.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace {

QString Text(CBetrag betrag)
{
    return Cp1252::ToQString(FormatBetragAnzeige(betrag));
}

} // namespace

CSummenPanel::CSummenPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("summenPanel"));
    static const char* const captions[4] = {"Übertrag", "Summe der Einnahmen", "- Summe der Ausgaben",
                                            "Kassenbestand"};
    static const char* const names[4] = {"Uebertrag", "Einnahmen", "Ausgaben", "Kassenbestand"};

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(1, 110);
    int row = 0;
    for (int i = 0; i < 4; ++i) {
        if (i == 3) {
            // The etched line under the payments: what follows is their result.
            auto* line = new QFrame(this);
            line->setObjectName(QStringLiteral("linieUnterAusgaben"));
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 3);
        }
        auto* caption = new QLabel(QString::fromUtf8(captions[i]), this);
        caption->setObjectName(QStringLiteral("caption") + QLatin1String(names[i]));
        m_betrag[i] = new QLabel(QStringLiteral("0,00"), this);
        m_betrag[i]->setObjectName(QStringLiteral("label") + QLatin1String(names[i]));
        m_betrag[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_waehrung[i] = new QLabel(QStringLiteral("-"), this);
        m_waehrung[i]->setObjectName(QStringLiteral("labelWaehrung") + QString::number(i));
        grid->addWidget(caption, row, 0);
        grid->addWidget(m_betrag[i], row, 1);
        grid->addWidget(m_waehrung[i], row, 2);
        ++row;
    }
    QFont fett = m_betrag[3]->font();
    fett.setBold(true);
    m_betrag[3]->setFont(fett);
}

void CSummenPanel::Zeige(const CKassenSummen& summen)
{
    m_betrag[0]->setText(Text(summen.Uebertrag()));
    m_betrag[1]->setText(Text(summen.Einnahmen()));
    m_betrag[2]->setText(Text(summen.Ausgaben()));
    m_betrag[3]->setText(Text(summen.Kassenbestand()));

    // The exact amount decides the colour, not its rounded text.
    m_rot = summen.IstNegativ();
    QPalette palette = m_betrag[3]->palette();
    palette.setColor(QPalette::WindowText,
                     m_rot ? QColor(255, 0, 0) : this->palette().color(QPalette::ButtonText));
    m_betrag[3]->setPalette(palette);
    m_betrag[3]->repaint();
}

void CSummenPanel::SetWaehrung(const QString& waehrung)
{
    for (QLabel* label : m_waehrung)
        label->setText(waehrung);
}
