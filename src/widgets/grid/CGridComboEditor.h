#pragma once
// The in-cell editor of a drop-down cell. It tells the grid when the user
// picked an option in the open list (by mouse or with Enter there), so the
// edit ends at once as it does in a list box; choosing by typing a letter
// into the closed box only moves the choice.
#include <QComboBox>

class CGridComboEditor : public QComboBox {
    Q_OBJECT
public:
    explicit CGridComboEditor(QWidget* parent = nullptr);

signals:
    void optionPicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_pickInList = false;
};
