#include "widgets/grid/CGridComboEditor.h"

#include <QAbstractItemView>
#include <QKeyEvent>

CGridComboEditor::CGridComboEditor(QWidget* parent)
    : QComboBox(parent)
{
    // Installed after the combo box's own filters, so these run first and
    // see the release or Enter that is about to pick an option.
    view()->installEventFilter(this);
    view()->viewport()->installEventFilter(this);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
        if (m_pickInList) {
            m_pickInList = false;
            emit optionPicked();
        }
    });
}

bool CGridComboEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == view()->viewport()) {
        m_pickInList = true;
    } else if (event->type() == QEvent::KeyPress && watched == view()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        m_pickInList = key == Qt::Key_Return || key == Qt::Key_Enter;
    } else if (event->type() == QEvent::Show && watched == view()) {
        m_pickInList = false;
    }
    return QComboBox::eventFilter(watched, event);
}
