#pragma once
// Opens a printed report in its preview window: reads what the main window
// offers at that moment, hides the main window while the preview is open
// and brings it back as it was when the preview closes, by "&Schließen"
// or by the window's close box alike. The window's command wraps this in
// its modal wrapper, which settles the booking being typed and marks the
// window unavailable meanwhile.
#include <memory>

class CDatenZugriff;
class CReportViewBase;
class FileDialogs;
class ModalDialogs;
class QWidget;
class UserMessages;

class CReportStarter {
public:
    enum class Bericht { Kassenbericht, Statistik, Protokoll };

    CReportStarter(Bericht bericht, const CDatenZugriff& zugriff, ModalDialogs& dialogs, FileDialogs& fileDialogs,
                   UserMessages& messages);

    // Runs the preview with `parent` (the main window) hidden; false when
    // the report had nothing to prepare from and no preview was shown.
    bool Open(QWidget* parent);
    // Any prepared report the same way: its preview with `parent` hidden.
    static bool Zeige(CReportViewBase& view, QWidget* parent, ModalDialogs& dialogs, FileDialogs& fileDialogs,
                      UserMessages& messages);

private:
    std::unique_ptr<CReportViewBase> MakeView() const;

    Bericht m_bericht;
    const CDatenZugriff& m_zugriff;
    ModalDialogs& m_dialogs;
    FileDialogs& m_fileDialogs;
    UserMessages& m_messages;
};
