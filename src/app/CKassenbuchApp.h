#pragma once
// Starting and ending the program around its main window: the program
// session (settings and VAT-rate table; the program cannot run without
// them), the window, the command line, and writing the settings back at
// the end.
// main() only makes the Qt application and calls Start, the event loop
// and Finish; tests drive the same steps with their doubles.
#include <QStringList>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class CKassenbuchDlg;
class CProgrammSitzung;
class CSettings;
class FileDialogs;
class ModalDialogs;
class UserMessages;

class CKassenbuchApp {
public:
    static const char* const FatalerFehler; // "Ein schwerwiegender Fehler ist aufgetreten. ..."

    CKassenbuchApp(std::filesystem::path programFolder, UserMessages& messages, FileDialogs& fileDialogs,
                   ModalDialogs& dialogs);
    ~CKassenbuchApp();

    // Starts the session, builds the main window, opens the file the
    // arguments (after the program's name) or the history name, and shows
    // the window unless told not to. false when the program must end at
    // once (the reason has been shown).
    bool Start(const QStringList& arguments, bool show = true);
    // Ends the window (an open cash book is saved) and writes the settings.
    void Finish();

    // The box for an error that nothing else caught; the open cash book is
    // left as it was on disk.
    void Fatal(const std::string& text);

    // Called with the window as soon as it exists, before any file is
    // opened (message boxes and file dialogs take it as their parent).
    void SetOnWindow(std::function<void(CKassenbuchDlg&)> hook) { m_onWindow = std::move(hook); }

    CKassenbuchDlg* Window() const { return m_window.get(); }
    // Null before Start and after a failed one.
    CSettings* Settings() const;

private:
    std::filesystem::path m_folder;
    UserMessages& m_messages;
    FileDialogs& m_fileDialogs;
    ModalDialogs& m_dialogs;
    std::unique_ptr<CProgrammSitzung> m_sitzung;
    std::unique_ptr<CKassenbuchDlg> m_window;
    std::function<void(CKassenbuchDlg&)> m_onWindow;
};
