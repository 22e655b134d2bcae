#include "mainwindow/CKassenbuchSteuerung.h"

#include "core/UserMessages.h"
#include "export/CExportSettings.h"
#include "mainwindow/CWarteCursor.h"
#include "platform/FileDialogs.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CSettings.h"

#include <QFile>
#include <QTimer>

#include <filesystem>
#include <system_error>

namespace {

bool IstDatei(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

} // namespace

CKassenbuchSteuerung::CKassenbuchSteuerung(Fenster& fenster, CProgrammSitzung& sitzung, UserMessages& messages,
                                           FileDialogs& dialogs, QObject* parent)
    : QObject(parent)
    , m_fenster(fenster)
    , m_sitzung(sitzung)
    , m_settings(sitzung.Settings())
    , m_messages(messages)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("kassenbuchSteuerung"));
    m_autosave = new QTimer(this);
    m_autosave->setObjectName(QStringLiteral("timerAutosave"));
    m_autosave->setInterval(AutosaveIntervall);
    connect(m_autosave, &QTimer::timeout, this, &CKassenbuchSteuerung::AutosaveTick);
}

CKassenbuchSteuerung::~CKassenbuchSteuerung() = default;

CKassenbuch& CKassenbuchSteuerung::Dokument()
{
    return m_sitzung.Kassenbuch();
}

const CKassenbuch& CKassenbuchSteuerung::Dokument() const
{
    return m_sitzung.Kassenbuch();
}

std::string CKassenbuchSteuerung::ToPath(const QString& fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

QString CKassenbuchSteuerung::FromPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString CKassenbuchSteuerung::StartFolder() const
{
    return FromPath(m_settings.GetAbsolute(CSettings::KassenPath));
}

void CKassenbuchSteuerung::SetModified(bool modified)
{
    const bool changed = modified != m_modified;
    m_modified = modified;
    if (changed)
        emit modifiedChanged(modified);
}

bool CKassenbuchSteuerung::SaveDocument()
{
    CWarteCursor warten;
    return Dokument().Save();
}

bool CKassenbuchSteuerung::SaveBeforeLeaving()
{
    if (!IsOpen())
        return true;
    if (!m_fenster.SettlePendingEntry(SettleMode::Ask, true))
        return false;
    const bool saved = SaveDocument();
    if (saved)
        SetModified(false);
    return saved;
}

void CKassenbuchSteuerung::New()
{
    if (IsOpen() && !SaveBeforeLeaving())
        return;
    m_fenster.SetAvailable(false);
    const QString name = m_dialogs.SaveCashBook(StartFolder(), QString());
    m_fenster.SetAvailable(true);
    if (name.isEmpty())
        return;
    const std::string path = ToPath(name);
    // The receipt texts start with the accounts of the adviser's chart.
    const int kontenrahmen = CExportSettings(m_settings.GetAbsolute(CSettings::ExportFile)).Werte().Datev.Kontenrahmen;
    if (!Dokument().New(path, kontenrahmen)) {
        // The refused name (another program has it) leaves the previous cash
        // book loaded; it was saved just above, and with every command
        // switched off it could not be worked on, so it is closed as after a
        // failed open.
        Dokument().Close();
        SetModified(false);
        m_fenster.EnableAll(false);
        m_fenster.Refresh();
        return;
    }
    m_settings.AddToHistory(path);
    m_fenster.RebuildRecentMenu();
    SetModified(false);
    m_fenster.EnableAll(true);
    m_fenster.Refresh();
    m_fenster.CompanyCommand();
}

void CKassenbuchSteuerung::Open()
{
    m_fenster.ShowFromTray();
    if (!SaveBeforeLeaving())
        return;
    m_fenster.SetAvailable(false);
    const QString name = m_dialogs.OpenCashBook(StartFolder());
    m_fenster.SetAvailable(true);
    if (!name.isEmpty())
        OpenFile(ToPath(name));
}

bool CKassenbuchSteuerung::OpenFile(const std::string& path)
{
    if (path.empty()) {
        Dokument().Close();
        SetModified(false);
        m_fenster.EnableAll(false);
        m_fenster.Refresh();
        return true;
    }
    bool opened = false;
    {
        CWarteCursor warten;
        opened = m_sitzung.OpenFile(path);
    }
    if (!opened) {
        SetModified(false);
        m_fenster.EnableAll(false);
        m_messages.Error(CProgrammSitzung::FehlerBeimLaden);
        m_fenster.Refresh();
        return false;
    }
    m_settings.AddToHistory(path);
    m_fenster.RebuildRecentMenu();
    m_autosave->start();
    SetModified(false);
    m_fenster.Refresh();
    m_fenster.EnableAll(true);
    return true;
}

void CKassenbuchSteuerung::Save()
{
    if (!IsOpen() || !m_fenster.SettlePendingEntry(SettleMode::Ask, true))
        return;
    if (!SaveDocument())
        return;
    SetModified(false);
    m_fenster.Refresh();
}

void CKassenbuchSteuerung::SaveAs()
{
    if (!IsOpen())
        return;
    m_fenster.SetAvailable(false);
    const QString name = m_dialogs.SaveCashBook(StartFolder(), FromPath(Dokument().GetFileName()));
    m_fenster.SetAvailable(true);
    if (name.isEmpty())
        return;
    const std::string path = ToPath(name);
    bool saved = false;
    {
        CWarteCursor warten;
        saved = Dokument().SaveAs(path);
    }
    if (!saved)
        return;
    m_settings.AddToHistory(path);
    m_fenster.RebuildRecentMenu();
    SetModified(false);
    m_fenster.Refresh();
}

void CKassenbuchSteuerung::Close()
{
    if (!SaveBeforeLeaving())
        return;
    Dokument().Close();
    SetModified(false);
    m_fenster.EnableAll(false);
    m_fenster.Refresh();
}

void CKassenbuchSteuerung::OpenRecent(int i)
{
    const std::string path = m_settings.GetHistoryEntry(i);
    if (path == Dokument().GetFileName())
        return;
    // A file that has gone since it was used is passed over in silence.
    if (!IstDatei(path) || !SaveBeforeLeaving())
        return;
    OpenFile(path);
}

void CKassenbuchSteuerung::ProcessCommandLine(const QStringList& arguments)
{
    m_fenster.RebuildRecentMenu();
    bool tried = false;
    for (const QString& argument : arguments) {
        // "/hide" starts the program in the tray, whatever the close box is
        // set to do; it happens after the file below has been opened.
        if (argument == QLatin1String("/hide") || argument == QLatin1String("\\hide")) {
            QMetaObject::invokeMethod(this, [this] { m_fenster.HideIntoTray(); }, Qt::QueuedConnection);
            continue;
        }
        if (!tried && IstDatei(ToPath(argument))) {
            tried = true;
            // The history must name the file from any folder.
            std::error_code ec;
            const std::filesystem::path ganz = std::filesystem::absolute(ToPath(argument), ec).lexically_normal();
            OpenFile(ec ? ToPath(argument) : ganz.string());
        }
    }
    if (!tried)
        OpenFile(m_settings.GetHistoryEntry(0));
}

void CKassenbuchSteuerung::AutosaveTick()
{
    if (m_settings.GetAutosave())
        SaveNow();
}

void CKassenbuchSteuerung::SaveNow()
{
    if (!IsOpen())
        return;
    // A booking being typed stays open: this save neither commits nor
    // discards it, so only the title is redrawn afterwards.
    if (!SaveDocument())
        return;
    SetModified(false);
    m_fenster.RefreshTitle();
}
