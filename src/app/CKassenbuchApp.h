#pragma once
// Starting and ending the program around its main window: one copy per
// user (a later start hands its file to the running one and ends), the
// ".kbx" file type in the desktop, the program session (settings and
// VAT-rate table; the program cannot run without them), the start-up
// picture while the window is being built, the command line, and writing
// the settings back at the end. The program ends when the window accepts
// its close, shown or hidden in the tray, and when the desktop asks it to
// (SIGTERM, the session ending), the cash book saved first. An error nothing else caught ends the
// program with the fatal-error box, after the open cash book was written
// to a rescue copy beside it.
//
// main() only makes the Qt application and calls Start, the event loop
// and Finish; tests drive the same steps with their doubles.
#include "app/CSplashWnd.h"

#include <QIcon>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class CEndeSignal;
class CKassenbuchDlg;
class CProgrammSitzung;
class CSettings;
class CSharedInstance;
class FileDialogs;
class ModalDialogs;
class TrayIcon;
class UserMessages;

// What differs between the program and its tests.
struct StartOptionen {
    QString kanal;                      // the single-instance socket; empty: the user's
    int splashMs = CSplashWnd::Dauer;
    bool dateiTyp = true;               // write the file type into the desktop
};

class CKassenbuchApp {
public:
    static const char* const FatalerFehler; // "Ein schwerwiegender Fehler ist aufgetreten. ..."
    static const char* const Gerettet;      // before the rescue copy's name
    static const char* const OhneSplash;    // "--no-splash"

    using Optionen = StartOptionen;

    CKassenbuchApp(std::filesystem::path programFolder, UserMessages& messages, FileDialogs& fileDialogs,
                   ModalDialogs& dialogs, TrayIcon& tray, Optionen optionen = Optionen());
    ~CKassenbuchApp();

    // The steps of a start, with the arguments after the program's name.
    // false when the program must end at once: another copy runs (it was
    // told) or the reason has been shown; EndStatus says with which status.
    bool Start(const QStringList& arguments, bool show = true);
    int EndStatus() const { return m_status; }
    // Ends the window (an open cash book is saved) and writes the settings.
    void Finish();

    // The box for an error that nothing else caught (an empty text for
    // one that says nothing). The open cash book is written to a rescue
    // copy, whose name the box gives; the cash book file stays as it was.
    void Fatal(const std::string& text);

    // Called with the window as soon as it exists, before any file is
    // opened (message boxes and file dialogs take it as their parent).
    void SetOnWindow(std::function<void(CKassenbuchDlg&)> hook) { m_onWindow = std::move(hook); }

    CKassenbuchDlg* Window() const { return m_window.get(); }
    // Null before Start and after a failed one.
    CSettings* Settings() const;
    CSharedInstance* Instanz() const { return m_instanz.get(); }

    // The application icon from the program's folder, in all its sizes.
    static QIcon Symbol(const std::filesystem::path& programFolder);

private:
    std::filesystem::path m_folder;
    UserMessages& m_messages;
    FileDialogs& m_fileDialogs;
    ModalDialogs& m_dialogs;
    TrayIcon& m_tray;
    Optionen m_optionen;
    int m_status = 1;
    std::unique_ptr<CSharedInstance> m_instanz;
    std::unique_ptr<CProgrammSitzung> m_sitzung;
    std::unique_ptr<CKassenbuchDlg> m_window;
    std::unique_ptr<CEndeSignal> m_ende;
    std::function<void(CKassenbuchDlg&)> m_onWindow;
};
