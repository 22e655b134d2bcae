#pragma once
// Fonts and painting need a GUI application; kuvex-cli makes one on the
// offscreen platform, so it runs the same with or without a desktop.
#include <QGuiApplication>

#include <memory>

class CPdfUmgebung {
public:
    CPdfUmgebung()
    {
        // Qt's own notes (a missing runtime folder and the like) are not
        // kuvex-cli's messages; standard error carries only those.
        m_vorher = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        if (!QCoreApplication::instance())
            m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    ~CPdfUmgebung() { qInstallMessageHandler(m_vorher); }
    CPdfUmgebung(const CPdfUmgebung&) = delete;
    CPdfUmgebung& operator=(const CPdfUmgebung&) = delete;

private:
    int m_argc = 3;
    char m_name[10] = "kuvex-cli";
    char m_schalter[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_schalter, m_platform, nullptr};
    QtMessageHandler m_vorher = nullptr;
    std::unique_ptr<QGuiApplication> m_app;
};
