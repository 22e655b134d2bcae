#include "platform/QtTrayIcon.h"

#include <QMenu>
#include <QSystemTrayIcon>

QtTrayIcon::QtTrayIcon() = default;
QtTrayIcon::~QtTrayIcon() = default;

bool QtTrayIcon::IsAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayIcon::Show(const QIcon& icon, const QString& tip, QMenu* menu, std::function<void()> onDoubleClick,
                      std::function<void()> onMenu)
{
    if (!IsAvailable())
        return;
    m_icon = std::make_unique<QSystemTrayIcon>(icon);
    m_icon->setToolTip(tip);
    m_icon->setContextMenu(menu);
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated,
                     [onDoubleClick](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::DoubleClick && onDoubleClick)
                             onDoubleClick();
                     });
    if (menu && onMenu)
        QObject::connect(menu, &QMenu::aboutToShow, menu, onMenu);
    m_icon->show();
}
