#include "mainwindow/CTastaturFilter.h"

#include "mainwindow/CBefehlstabelle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

CTastaturFilter::CTastaturFilter(QWidget& window, Fenster& fenster)
    : m_window(window)
    , m_fenster(fenster)
{
    setObjectName(QStringLiteral("tastaturFilter"));
    for (const CBefehl& befehl : Befehlstabelle()) {
        if (!befehl.tasten)
            continue;
        const QList<QKeySequence> keys = QKeySequence::listFromString(QString::fromLatin1(befehl.tasten));
        // A key the menu shows is its action's shortcut; Qt handles it.
        for (qsizetype i = befehl.tasteImMenue ? 1 : 0; i < keys.size(); ++i)
            if (!keys[i].isEmpty())
                m_tasten.emplace_back(keys[i][0], &befehl);
    }
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

CTastaturFilter::~CTastaturFilter()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

const CBefehl* CTastaturFilter::CommandFor(QKeyCombination key) const
{
    for (const auto& [taste, befehl] : m_tasten)
        if (taste == key)
            return befehl;
    return nullptr;
}

bool CTastaturFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_window)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (!Handle(QKeyCombination(modifiers, Qt::Key(key->key()))))
        return false;
    key->accept();
    return true;
}

bool CTastaturFilter::Handle(QKeyCombination key)
{
    const CBefehl* befehl = CommandFor(key);
    if (!befehl)
        return false;
    // The date keys leave a booking with changes alone; the key then does
    // what it does in the focused control.
    if (befehl->tastenregel == Tastenregel::OhneAenderungen && m_fenster.GetEntryState() == EntryState::Changed)
        return false;
    m_fenster.RunCommand(*befehl);
    return true;
}
