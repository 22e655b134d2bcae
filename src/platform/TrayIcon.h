#pragma once
// The notification-area icon behind an interface: the Qt implementation
// is QSystemTrayIcon, the tests' double records what the window set up and
// lets a test double-click it or open its menu. Where the desktop has no
// tray at all, IsAvailable is false and the window never hides into it.
#include <functional>

class QIcon;
class QMenu;
class QString;

class TrayIcon {
public:
    virtual ~TrayIcon() = default;

    virtual bool IsAvailable() const = 0;
    // Shows the icon with its tip and its context menu. onDoubleClick runs
    // on a double-click of the icon; onMenu right before the menu opens,
    // so its items can be enabled for the moment.
    virtual void Show(const QIcon& icon, const QString& tip, QMenu* menu, std::function<void()> onDoubleClick,
                      std::function<void()> onMenu) = 0;
};
