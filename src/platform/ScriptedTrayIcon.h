#pragma once
// The tray double for tests: a tray that is there or not, as the test
// says, and remembers the tip and menu the window gave it.
#include "platform/TrayIcon.h"

#include <QString>

class ScriptedTrayIcon : public TrayIcon {
public:
    explicit ScriptedTrayIcon(bool available = true) : m_available(available) {}

    bool IsAvailable() const override { return m_available; }
    void Show(const QIcon& icon, const QString& tip, QMenu* menu, std::function<void()> onDoubleClick,
              std::function<void()> onMenu) override;

    void SetAvailable(bool available) { m_available = available; }
    bool IsShown() const { return m_shown; }
    const QString& Tip() const { return m_tip; }
    // The menu as it would open now (its items enabled for the moment).
    QMenu* OpenMenu();
    void DoubleClick();

private:
    bool m_available;
    bool m_shown = false;
    QString m_tip;
    QMenu* m_menu = nullptr;
    std::function<void()> m_onDoubleClick;
    std::function<void()> m_onMenu;
};
