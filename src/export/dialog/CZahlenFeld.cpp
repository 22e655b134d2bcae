#include "export/dialog/CZahlenFeld.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QWheelEvent>

#include <algorithm>

CZahlenFeld::CZahlenFeld(int minimum, int maximum, QWidget* parent)
    : QLineEdit(parent), m_min(minimum), m_max(maximum)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), this));
    // Room for ten digits, not the page's width.
    setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000000")) + 16);
}

std::optional<int> CZahlenFeld::Zahl() const
{
    bool ok = false;
    const int zahl = text().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return zahl;
}

void CZahlenFeld::SetZahl(int zahl)
{
    setText(QString::number(zahl));
}

void CZahlenFeld::Schritt(int richtung)
{
    // Like a spin: from the number shown, or from the lower end when the
    // field holds none; never out of the range.
    const std::optional<int> zahl = Zahl();
    const long long neu = zahl ? static_cast<long long>(*zahl) + richtung : m_min;
    SetZahl(static_cast<int>(std::clamp<long long>(neu, m_min, m_max)));
    selectAll();
}

void CZahlenFeld::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        Schritt(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CZahlenFeld::wheelEvent(QWheelEvent* event)
{
    if (event->angleDelta().y() == 0) {
        QLineEdit::wheelEvent(event);
        return;
    }
    Schritt(event->angleDelta().y() > 0 ? 1 : -1);
}
