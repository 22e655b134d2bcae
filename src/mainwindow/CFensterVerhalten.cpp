#include "mainwindow/CFensterVerhalten.h"

#include "platform/CDesktopDateien.h"
#include "platform/TrayIcon.h"
#include "storage/CSettings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenu>

#include <cstring>

const char* const CFensterVerhalten::TrayTipp = "Kuvex - das Kassenbuch";

CFensterVerhalten::CFensterVerhalten(Fenster& fenster, QMainWindow& window, CSettings& settings, TrayIcon& tray)
    : QObject(&window)
    , m_fenster(fenster)
    , m_window(window)
    , m_settings(settings)
    , m_tray(tray)
{
    m_menue = new QMenu(QStringLiteral("Tray-Menu"), &window);
    m_menue->setObjectName(QStringLiteral("trayMenue"));
    QAction* anzeigen = m_menue->addAction(QStringLiteral("Anzeigen"));
    anzeigen->setObjectName(QStringLiteral("trayAnzeigen"));
    connect(anzeigen, &QAction::triggered, this, &CFensterVerhalten::Anzeigen);
    m_oeffnen = Eintrag(QStringLiteral("&Öffnen..."), "actionOeffnen");
    m_oeffnen->setObjectName(QStringLiteral("trayOeffnen"));
    Eintrag(QStringLiteral("&Info"), "actionInfo")->setObjectName(QStringLiteral("trayInfo"));
    m_menue->addSeparator();
    m_beenden = Eintrag(QStringLiteral("&Beenden"), "actionBeenden");
    m_beenden->setObjectName(QStringLiteral("trayBeenden"));
}

CFensterVerhalten::~CFensterVerhalten() = default;

QAction* CFensterVerhalten::Eintrag(const QString& text, const char* name)
{
    QAction* action = m_menue->addAction(text);
    connect(action, &QAction::triggered, this, [this, name] { m_fenster.RunCommandNamed(name); });
    return action;
}

void CFensterVerhalten::Starte()
{
    m_tray.Show(QApplication::windowIcon(), QString::fromUtf8(TrayTipp), m_menue, [this] { DoppelKlick(); },
                [this] { MenueOeffnet(); });
    WendeStayOnTopAn();
}

void CFensterVerhalten::OptionGeaendert(const char* option)
{
    if (std::strcmp(option, CSettings::StayOnTop) == 0) {
        WendeStayOnTopAn();
    } else if (std::strcmp(option, CSettings::Autostart) == 0) {
        // The entry says what close-to-tray said when it was written; a
        // later change of that setting leaves it alone.
        if (m_settings.GetAutostart())
            desktop_dateien::SchreibeAutostart(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString(),
                                              m_settings.GetCloseToTray());
        else
            desktop_dateien::EntferneAutostart();
    }
}

bool CFensterVerhalten::SchliessenAbfangen()
{
    if (!m_settings.GetCloseToTray())
        return false;
    Verstecken();
    return true;
}

void CFensterVerhalten::Verstecken()
{
    if (!m_fenster.IsAvailable() || m_hidden || !m_fenster.SettlePendingEntry(SettleMode::Ask, true))
        return;
    if (m_tray.IsAvailable()) {
        // Windows of its own (the help) would stay on screen: Qt hides
        // only the widgets inside a window with it.
        m_versteckt.clear();
        for (QWidget* kind : m_window.findChildren<QWidget*>()) {
            if (kind->isWindow() && kind->isVisible()) {
                m_versteckt.emplace_back(kind);
                kind->hide();
            }
        }
        m_window.hide();
        m_window.lower();
    } else {
        m_window.showMinimized();
    }
    m_hidden = true;
}

void CFensterVerhalten::Zeigen()
{
    Anzeigen();
    if (m_hidden) {
        m_hidden = false;
        WendeStayOnTopAn();
    }
    m_window.raise();
    m_window.activateWindow();
}

void CFensterVerhalten::Anzeigen()
{
    m_window.showNormal();
    for (const QPointer<QWidget>& kind : m_versteckt) {
        if (kind)
            kind->show();
    }
    m_versteckt.clear();
}

void CFensterVerhalten::DoppelKlick()
{
    if (m_hidden)
        Zeigen();
    else
        Verstecken();
}

void CFensterVerhalten::MenueOeffnet()
{
    const bool frei = m_fenster.IsAvailable();
    m_oeffnen->setEnabled(frei);
    m_beenden->setEnabled(frei);
}

void CFensterVerhalten::WendeStayOnTopAn()
{
    const bool oben = m_settings.GetStayOnTop();
    if (m_window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == oben)
        return;
    // Changing the flag hides a shown window; it comes back where it was,
    // without taking the focus from whatever the user is typing into.
    const bool sichtbar = m_window.isVisible();
    const QRect wo = m_window.geometry();
    m_window.setWindowFlag(Qt::WindowStaysOnTopHint, oben);
    if (sichtbar) {
        m_window.setGeometry(wo);
        m_window.setAttribute(Qt::WA_ShowWithoutActivating, true);
        m_window.show();
        m_window.setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}
