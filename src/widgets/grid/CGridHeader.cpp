#include "widgets/grid/CGridHeader.h"

#include <QPainter>

CGridHeader::CGridHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Interactive);
    setMinimumSectionSize(0);
}

void CGridHeader::SetRowHeights(std::vector<int> heights)
{
    m_heights = std::move(heights);
    m_total = 0;
    for (int h : m_heights)
        m_total += h > 0 ? h : 0;
    updateGeometry();
    viewport()->update();
}

QSize CGridHeader::sizeHint() const
{
    return QSize(length(), m_total);
}

void CGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QAbstractItemModel* m = model();
    if (!m || !rect.isValid())
        return;
    const QColor line = palette().color(QPalette::Mid);
    int y = rect.top();
    for (std::size_t r = 0; r < m_heights.size(); ++r) {
        const int h = m_heights[r];
        if (h <= 0)
            continue;
        const QRect cell(rect.left(), y, rect.width(), h);
        y += h;
        const QModelIndex index = m->index(static_cast<int>(r), logicalIndex);
        const QVariant back = m->data(index, Qt::BackgroundRole);
        const QVariant fore = m->data(index, Qt::ForegroundRole);
        const QVariant align = m->data(index, Qt::TextAlignmentRole);
        painter->fillRect(cell, back.canConvert<QBrush>() ? back.value<QBrush>() : palette().button());
        painter->setPen(fore.canConvert<QBrush>() ? fore.value<QBrush>().color() : palette().color(QPalette::ButtonText));
        const QRect textRect = cell.adjusted(3, 0, -3, 0);
        const QString text = painter->fontMetrics().elidedText(
            m->data(index, Qt::DisplayRole).toString(), Qt::ElideRight, textRect.width());
        painter->drawText(textRect, static_cast<int>(align.isValid() ? align.value<Qt::Alignment>() : Qt::AlignCenter), text);
        painter->setPen(line);
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    }
}
