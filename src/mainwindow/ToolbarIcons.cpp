#include "mainwindow/ToolbarIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>

namespace {

// Draws on a 16 × 16 grid at 1× and 2×, so the glyph stays sharp on
// high-resolution screens.
QIcon Drawn(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.setPen(QPen(QColor(40, 40, 40), 1));
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon Standard(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which);
}

void Sheet(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
}

} // namespace

QIcon MakeToolbarIcon(ToolbarIcon which)
{
    switch (which) {
    case ToolbarIcon::New: return Standard(QStyle::SP_FileIcon);
    case ToolbarIcon::Open: return Standard(QStyle::SP_DialogOpenButton);
    case ToolbarIcon::Save: return Standard(QStyle::SP_DialogSaveButton);
    case ToolbarIcon::Exit: return Standard(QStyle::SP_DialogCloseButton);
    case ToolbarIcon::Previous: return Standard(QStyle::SP_ArrowLeft);
    case ToolbarIcon::Next: return Standard(QStyle::SP_ArrowRight);
    case ToolbarIcon::Report:
        return Drawn([](QPainter& p) {
            // A printer: paper on top, body, output slot.
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QColor(150, 150, 160));
            p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 10.5, 7, 4));
        });
    case ToolbarIcon::Statistics:
        return Drawn([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(40, 90, 170));
            p.drawRect(QRectF(2, 9, 3, 6));
            p.setBrush(QColor(60, 150, 60));
            p.drawRect(QRectF(6.5, 5, 3, 10));
            p.setBrush(QColor(200, 60, 50));
            p.drawRect(QRectF(11, 2, 3, 13));
        });
    case ToolbarIcon::Export:
        return Drawn([](QPainter& p) {
            // A box with an arrow leaving it.
            p.setBrush(QColor(220, 190, 130));
            p.drawRect(QRectF(1.5, 8.5, 10, 6));
            p.setPen(QPen(QColor(30, 110, 40), 2));
            p.drawLine(QPointF(6, 10), QPointF(13, 3));
            QPainterPath head;
            head.moveTo(14.5, 1.5);
            head.lineTo(14.5, 7);
            head.lineTo(9, 1.5);
            head.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 110, 40));
            p.drawPath(head);
        });
    case ToolbarIcon::Company:
        return Drawn([](QPainter& p) {
            // A building with windows.
            p.setBrush(QColor(190, 190, 200));
            p.drawRect(QRectF(3.5, 1.5, 9, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(50, 80, 140));
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 2; ++col)
                    p.drawRect(QRectF(5 + col * 4, 3 + row * 3.5, 2, 2));
            p.setBrush(QColor(90, 60, 30));
            p.drawRect(QRectF(7, 12, 2, 2.5));
        });
    case ToolbarIcon::ReceiptTexts:
        return Drawn([](QPainter& p) {
            // A sheet with lines of text.
            Sheet(p);
            p.setPen(QPen(QColor(60, 60, 60), 1));
            for (int y = 4; y <= 12; y += 2)
                p.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
        });
    case ToolbarIcon::Today:
        return Drawn([](QPainter& p) {
            // A calendar sheet with the day marked.
            p.setBrush(Qt::white);
            p.drawRect(QRectF(1.5, 2.5, 13, 12));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 50, 40));
            p.drawRect(QRectF(2, 3, 12, 3));
            p.setBrush(QColor(40, 90, 170));
            p.drawRect(QRectF(6, 8, 4, 4));
        });
    }
    return QIcon();
}
