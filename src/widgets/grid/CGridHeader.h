#pragma once
// The grid's fixed rows, drawn as the table's column header so they stay
// in place while thousands of rows scroll below them. Each fixed row is
// painted from the model's cells (text, alignment, colours), so the fixed
// cells are set like any other cell. Clicking a heading does nothing;
// dragging a border resizes the column.
#include <QHeaderView>

#include <vector>

class CGridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit CGridHeader(QWidget* parent = nullptr);

    // Heights of the fixed rows, top to bottom (0 = the row is hidden).
    void SetRowHeights(std::vector<int> heights);
    int TotalHeight() const { return m_total; }

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    std::vector<int> m_heights;
    int m_total = 0;
};
