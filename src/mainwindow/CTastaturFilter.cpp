#include "mainwindow/CTastaturFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

CTastaturFilter::CTastaturFilter(QWidget& window, Ziel& ziel)
    : m_window(window)
    , m_ziel(ziel)
{
    setObjectName(QStringLiteral("tastaturFilter"));
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

CTastaturFilter::~CTastaturFilter()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool CTastaturFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!Handle(key->key(), key->modifiers()))
        return false;
    key->accept();
    return true;
}

bool CTastaturFilter::Handle(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool ruhig = m_ziel.EntryState() < 2; // no unsaved changes in the entry

    if (key == Qt::Key_Escape) {
        if (m_ziel.EntryState() != 0)
            m_ziel.DiscardEntry();
        return true;
    }
    if (ctrl) {
        switch (key) {
        case Qt::Key_J:
        case Qt::Key_M:
        case Qt::Key_T:
            if (!ruhig)
                return false;
            if (key == Qt::Key_J)
                m_ziel.FocusYearList();
            else if (key == Qt::Key_M)
                m_ziel.FocusMonthList();
            else
                m_ziel.FocusDayList();
            return true;
        case Qt::Key_H:
            if (!ruhig)
                return false;
            m_ziel.DateToday();
            return true;
        case Qt::Key_P:
            m_ziel.CashReport();
            return true;
        case Qt::Key_G:
            // The generator asks its own questions; the key itself means
            // nothing to any control, so it ends here.
            m_ziel.Generator();
            return true;
        default:
            return false;
        }
    }
    switch (key) {
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Home:
        if (!ruhig)
            return false;
        if (key == Qt::Key_PageDown)
            m_ziel.DateNext();
        else if (key == Qt::Key_PageUp)
            m_ziel.DatePrevious();
        else
            m_ziel.DateToday();
        return true;
    default:
        return false;
    }
}
