#include "platform/ScriptedTrayIcon.h"

void ScriptedTrayIcon::Show(const QIcon&, const QString& tip, QMenu* menu, std::function<void()> onDoubleClick,
                            std::function<void()> onMenu)
{
    m_shown = m_available;
    m_tip = tip;
    m_menu = menu;
    m_onDoubleClick = std::move(onDoubleClick);
    m_onMenu = std::move(onMenu);
}

QMenu* ScriptedTrayIcon::OpenMenu()
{
    if (m_onMenu)
        m_onMenu();
    return m_menu;
}

void ScriptedTrayIcon::DoubleClick()
{
    if (m_onDoubleClick)
        m_onDoubleClick();
}
