#include "reports/CReportPage.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

CReportPage::CReportPage(QPainter& painter, double width, double height, double dpiX, double dpiY, bool landscape)
    : m_painter(painter)
    , m_width(width)
    , m_height(height)
    , m_dpiX(dpiX)
    , m_dpiY(dpiY)
    , m_offset(CentringOffset(width, landscape))
{
}

double CReportPage::CentringOffset(double width, bool landscape)
{
    if (landscape)
        return width > 10.9 ? (width - 10.5) / 2.0 : 0.0;
    return width > 8.0 ? (width - 8.0) / 2.0 : 0.0;
}

QFont CReportPage::MakeFont(unsigned flags, int points) const
{
    QFont font(m_face);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * m_dpiY / 72.0))));
    font.setWeight((flags & Fett) ? QFont::Bold : QFont::Normal);
    font.setItalic(flags & Kursiv);
    font.setUnderline(flags & Unterstrichen);
    font.setStrikeOut(flags & Durchgestrichen);
    return font;
}

QFont CReportPage::SchriftFuer(unsigned flags, int points, const QString& text, double width) const
{
    QFont font = MakeFont(flags, points);
    // A little air, so that a shrunk amount does not touch its neighbour.
    const double platz = (width - 0.04) * m_dpiX;
    // Cut off, a wide amount would lose its leading digits.
    for (int px = font.pixelSize(); px > 1; px = std::max(1, px * 9 / 10)) {
        font.setPixelSize(px);
        if (QFontMetricsF(font, m_painter.device()).horizontalAdvance(text) <= platz)
            break;
    }
    return font;
}

int CReportPage::AlignmentOf(unsigned flags)
{
    int a = (flags & Zentriert) ? Qt::AlignHCenter : (flags & Rechts) ? Qt::AlignRight : Qt::AlignLeft;
    a |= (flags & VMitte) ? Qt::AlignVCenter : Qt::AlignTop;
    a |= (flags & Einzeilig) ? Qt::TextSingleLine : Qt::TextWordWrap;
    if (flags & Tabulatoren)
        a |= Qt::TextExpandTabs;
    if (flags & OhneClip)
        a |= Qt::TextDontClip;
    return a;
}

void CReportPage::PrintInRect(double top, double left, double bottom, double right, unsigned flags, int points,
                              const QString& text)
{
    if (left > m_width || top > m_height)
        return;
    const double l = left + m_offset;
    const double r = std::min(right + m_offset, m_width - m_offset);
    const QRectF rect(QPointF(ToDeviceX(l), ToDeviceY(top)), QPointF(ToDeviceX(r), ToDeviceY(bottom)));
    m_painter.save();
    if (flags & Rahmen)
        m_painter.drawRect(rect);
    m_painter.setFont((flags & Einzeilig) ? SchriftFuer(flags, points, text, rect.width() / m_dpiX)
                                          : MakeFont(flags, points));
    m_painter.setPen(m_colour);
    m_painter.drawText(rect, AlignmentOf(flags), text);
    m_painter.restore();
}

double CReportPage::PrintFormatted(double y, double x, unsigned flags, int points, const QString& text)
{
    const QFont font = MakeFont(flags, points);
    const QFontMetricsF metrics(font, m_painter.device());
    const double l = ToDeviceX(x + m_offset);
    const double breite = ToDeviceX(std::max(0.0, m_width - m_offset)) - l;
    const QRectF noetig = metrics.boundingRect(QRectF(0, 0, breite, 1e6), AlignmentOf(flags), text);
    PrintInRect(y, x, y + noetig.height() / m_dpiY, m_width, flags, points, text);
    return y + noetig.height() / m_dpiY;
}

void CReportPage::Line(double top, double left, double bottom, double right, int penWidth, Qt::PenStyle style)
{
    m_painter.save();
    QPen pen(m_colour);
    pen.setWidth(penWidth);
    pen.setStyle(style);
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(ToDeviceX(left + m_offset), ToDeviceY(top)),
                       QPointF(ToDeviceX(right + m_offset), ToDeviceY(bottom)));
    m_painter.restore();
}
