#include "app/CKassenbuchApp.h"

#include "core/UserMessages.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "storage/CSettings.h"

const char* const CKassenbuchApp::FatalerFehler =
    "Ein schwerwiegender Fehler ist aufgetreten. Das Programm wird beendet.";

CKassenbuchApp::CKassenbuchApp(std::filesystem::path programFolder, UserMessages& messages, FileDialogs& dialogs)
    : m_folder(std::move(programFolder))
    , m_messages(messages)
    , m_dialogs(dialogs)
{
}

CKassenbuchApp::~CKassenbuchApp() = default;

bool CKassenbuchApp::Start(const QStringList& arguments, bool show)
{
    m_settings = std::make_unique<CSettings>(m_folder, m_messages);
    if (!m_settings->Load()) {
        // Nothing was read, so there is nothing to write back either.
        m_settings.reset();
        return false;
    }
    m_window = std::make_unique<CKassenbuchDlg>(*m_settings, m_messages, m_dialogs);
    if (m_window->MussBeenden())
        return false;
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
    if (m_settings)
        m_settings->Save();
}

void CKassenbuchApp::Fatal(const std::string& text)
{
    m_messages.Error(std::string(FatalerFehler) + "\n" + text);
    if (m_window)
        m_window->VerwerfenOhneSpeichern();
}
