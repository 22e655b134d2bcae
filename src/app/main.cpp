// Kuvex - das Kassenbuch.
#include "app/CKassenbuchApp.h"
#include "app/CKuvexApplication.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtModalDialogs.h"
#include "platform/QtTrayIcon.h"
#include "platform/QtTranslations.h"
#include "platform/QtUserMessages.h"

#include <QFile>

#include <exception>

int main(int argc, char** argv)
{
    CKuvexApplication app(argc, argv);
    InstallGermanQtTranslations(app);
    QtUserMessages messages;
    QtFileDialogs dialogs;
    QtModalDialogs modal;
    QtTrayIcon tray;
    CKassenbuchApp kuvex(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString(), messages,
                         dialogs, modal, tray);
    kuvex.SetOnWindow([&](CKassenbuchDlg& window) {
        messages.SetParent(&window);
        dialogs.SetParent(&window);
    });
    app.SetFatalHandler([&](const std::string& text) { kuvex.Fatal(text); });

    int status = 1;
    try {
        QStringList arguments = QCoreApplication::arguments();
        arguments.removeFirst();
        if (kuvex.Start(arguments))
            status = app.exec();
        else
            status = kuvex.EndStatus();
        kuvex.Finish();
    } catch (const std::exception& fehler) {
        kuvex.Fatal(fehler.what());
        return 1;
    } catch (...) {
        kuvex.Fatal(std::string());
        return 1;
    }
    return status;
}
