#include "app/CKassenbuchApp.h"

#include "app/CEndeSignal.h"
#include "app/CSharedInstance.h"
#include "core/UserMessages.h"
#include "core/Windows1252.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "platform/CDesktopDateien.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CSettings.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSessionManager>

const char* const CKassenbuchApp::FatalerFehler =
    "Ein schwerwiegender Fehler ist aufgetreten. Das Programm wird beendet.";
const char* const CKassenbuchApp::Gerettet = "Die Buchungen wurden gesichert in: ";
const char* const CKassenbuchApp::OhneSplash = "--no-splash";

CKassenbuchApp::CKassenbuchApp(std::filesystem::path programFolder, UserMessages& messages,
                               FileDialogs& fileDialogs, ModalDialogs& dialogs, TrayIcon& tray, Optionen optionen)
    : m_folder(std::move(programFolder))
    , m_messages(messages)
    , m_fileDialogs(fileDialogs)
    , m_dialogs(dialogs)
    , m_tray(tray)
    , m_optionen(std::move(optionen))
{
}

CKassenbuchApp::~CKassenbuchApp() = default;

CSettings* CKassenbuchApp::Settings() const
{
    return m_sitzung ? &m_sitzung->Settings() : nullptr;
}

QIcon CKassenbuchApp::Symbol(const std::filesystem::path& programFolder)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::filesystem::path file = programFolder / "icons" / ("kuvex-" + std::to_string(size) + ".png");
        if (std::filesystem::exists(file))
            icon.addFile(QString::fromStdString(file.string()), QSize(size, size));
    }
    return icon;
}

bool CKassenbuchApp::Start(const QStringList& given, bool show)
{
    QStringList arguments = given;
    int splashMs = m_optionen.splashMs;
    if (arguments.removeAll(QString::fromLatin1(OhneSplash)) > 0)
        splashMs = 0;

    m_status = 1;
    m_instanz = std::make_unique<CSharedInstance>(
        m_messages, m_optionen.kanal.isEmpty() ? CSharedInstance::DefaultName() : m_optionen.kanal);
    if (!m_instanz->CheckSingleInstance(arguments)) {
        m_status = m_instanz->HatUebergeben() ? 0 : 1;
        m_instanz.reset();
        return false;
    }

    // The settings and the VAT-rate table come before the picture, so a
    // box saying that one is missing is not hidden behind it.
    m_sitzung = std::make_unique<CProgrammSitzung>(m_folder, m_messages);
    const std::filesystem::path shipped = m_sitzung->Ordner().Geliefert();
    const std::string program = QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    if (m_optionen.dateiTyp)
        desktop_dateien::RegistriereDateiTyp(desktop_dateien::DataHome(), program,
                                             (shipped / "icons" / "kuvex-256.png").string());
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(Symbol(shipped));
    if (!m_sitzung->Start()) {
        // The reason has been shown; nothing was read that could be written back.
        m_sitzung.reset();
        return false;
    }

    CSplashWnd splash(m_sitzung->Settings().GetReadPath("Splash.bmp"));
    if (splashMs > 0)
        splash.Zeige();
    m_window = std::make_unique<CKassenbuchDlg>(*m_sitzung, m_messages, m_fileDialogs, m_dialogs, m_tray);
    if (m_onWindow)
        m_onWindow(*m_window);
    // A window hidden in the tray is not the last one to close, so Qt
    // would keep its event loop running: the program ends here instead.
    QObject::connect(m_window.get(), &CKassenbuchDlg::Beendet, [] { QCoreApplication::exit(0); });
    // Asked to end by the desktop: what is booked reaches the disk before
    // anything else happens.
    CKassenbuchDlg* fenster = m_window.get();
    m_ende = std::make_unique<CEndeSignal>([fenster] {
        fenster->Steuerung().SaveNow();
        QCoreApplication::exit(0);
    });
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QObject::connect(gui, &QGuiApplication::commitDataRequest, fenster,
                         [fenster](QSessionManager&) { fenster->Steuerung().SaveNow(); });
    if (splashMs > 0)
        splash.WarteUndSchliesse(splashMs);
    if (show)
        m_window->show();
    m_window->ProcessCommandLine(arguments);
    // Only now may a later start wake this copy: its window is there and
    // done with the file it was started with.
    CKassenbuchDlg* window = m_window.get();
    CSharedInstance* instanz = m_instanz.get();
    m_instanz->PublishMainWindow([window, instanz](int flags) { window->Aufwecken(flags, instanz->GetSharedPath()); });
    m_status = 0;
    return true;
}

void CKassenbuchApp::Finish()
{
    m_ende.reset();
    m_window.reset();
    if (m_sitzung)
        m_sitzung->End();
    m_instanz.reset();
}

void CKassenbuchApp::Fatal(const std::string& text)
{
    std::string meldung = FatalerFehler;
    if (!text.empty())
        meldung += "\n" + text;
    const std::string rettung = m_sitzung ? m_sitzung->SchreibeRettungskopie() : std::string();
    if (!rettung.empty())
        meldung += "\n" + std::string(Gerettet) + Windows1252::FromUtf8Lossy(rettung);
    m_messages.Error(meldung);
    if (m_window)
        m_window->VerwerfenOhneSpeichern();
    m_status = 1;
}
