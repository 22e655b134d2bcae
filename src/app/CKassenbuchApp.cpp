#include "app/CKassenbuchApp.h"

#include "core/UserMessages.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CSettings.h"

const char* const CKassenbuchApp::FatalerFehler =
    "Ein schwerwiegender Fehler ist aufgetreten. Das Programm wird beendet.";

CKassenbuchApp::CKassenbuchApp(std::filesystem::path programFolder, UserMessages& messages,
                               FileDialogs& fileDialogs, ModalDialogs& dialogs)
    : m_folder(std::move(programFolder))
    , m_messages(messages)
    , m_fileDialogs(fileDialogs)
    , m_dialogs(dialogs)
{
}

CKassenbuchApp::~CKassenbuchApp() = default;

CSettings* CKassenbuchApp::Settings() const
{
    return m_sitzung ? &m_sitzung->Settings() : nullptr;
}

bool CKassenbuchApp::Start(const QStringList& arguments, bool show)
{
    m_sitzung = std::make_unique<CProgrammSitzung>(m_folder, m_messages);
    if (!m_sitzung->Start()) {
        // The reason has been shown; nothing was read that could be written back.
        m_sitzung.reset();
        return false;
    }
    m_window = std::make_unique<CKassenbuchDlg>(*m_sitzung, m_messages, m_fileDialogs, m_dialogs);
    if (m_onWindow)
        m_onWindow(*m_window);
    if (show)
        m_window->show();
    m_window->ProcessCommandLine(arguments);
    return true;
}

void CKassenbuchApp::Finish()
{
    m_window.reset();
    if (m_sitzung)
        m_sitzung->End();
}

void CKassenbuchApp::Fatal(const std::string& text)
{
    m_messages.Error(std::string(FatalerFehler) + "\n" + text);
    if (m_window)
        m_window->VerwerfenOhneSpeichern();
}
