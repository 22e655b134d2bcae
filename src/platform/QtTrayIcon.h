#pragma once
// TrayIcon with QSystemTrayIcon; the icon goes when this object goes.
#include "platform/TrayIcon.h"

#include <memory>

class QSystemTrayIcon;

class QtTrayIcon : public TrayIcon {
public:
    QtTrayIcon();
    ~QtTrayIcon() override;

    bool IsAvailable() const override;
    void Show(const QIcon& icon, const QString& tip, QMenu* menu, std::function<void()> onDoubleClick,
              std::function<void()> onMenu) override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};
