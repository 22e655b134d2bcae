#include "storage/CProgrammSitzung.h"

#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"

#include <cerrno>
#include <system_error>

namespace fs = std::filesystem;

const char* const CProgrammSitzung::SteuersatzFehlt = " nicht gefunden. Das Programm wird beendet.";
const char* const CProgrammSitzung::FehlerBeimLaden = "Fehler beim Laden der Datei";

CProgrammSitzung::CProgrammSitzung(const fs::path& programFolder, UserMessages& messages,
                                   CBackups::Clock backupClock)
    : m_messages(messages)
    , m_ordner(CDatenOrdner::Fuer(programFolder))
    , m_settings(m_ordner.Benutzer(), messages, m_ordner.IstGetrennt() ? m_ordner.Geliefert() : fs::path())
    , m_backupClock(backupClock ? std::move(backupClock) : CBackups::SystemClock())
    , m_kassenbuch(messages)
{
}

CProgrammSitzung::~CProgrammSitzung() = default;

bool CProgrammSitzung::Start()
{
    m_ordner.Einrichten();
    if (!m_settings.Load())
        return false;
    // Without its VAT rates the program cannot book anything: it says which
    // file it looked for, as the settings name it, and ends.
    const std::string path = m_settings.GetAbsolute(CSettings::SteuersatzFile);
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(path), ec)) {
        m_messages.Error(m_settings.GetSteuersatzFile() + SteuersatzFehlt);
        return false;
    }
    m_steuersaetze = std::make_unique<CSteuersaetze>(path);
    m_started = true;
    return true;
}

bool CProgrammSitzung::End()
{
    // Whatever was to be saved has been; the lock goes with the program.
    m_kassenbuch.Close();
    return m_started && m_settings.Save();
}

bool CProgrammSitzung::SaveSteuersaetze()
{
    if (!m_steuersaetze)
        return false;
    if (m_steuersaetze->SaveFile())
        return true;
    // A write-protected table stays as it is; the system's text says why.
    m_messages.ShowSystemError(errno);
    return false;
}

bool CProgrammSitzung::OpenFile(const std::string& path, bool warnen)
{
    std::error_code ec;
    const bool opened = !path.empty() && fs::is_regular_file(fs::path(path), ec)
        && m_kassenbuch.Open(path, [&] {
               CBackups(m_settings.GetAbsolute(CSettings::BackupPath), m_messages, m_backupClock).MakeBackups(path);
           });
    // A failed open may leave the previous cash book in place or a
    // half-loaded one behind; neither may stay open.
    if (!opened)
        m_kassenbuch.Close();
    else if (warnen && m_kassenbuch.IsNurLesen())
        m_messages.Show(m_kassenbuch.Manipulation(), UserMessages::Icon::Warning, UserMessages::Buttons::Ok);
    return opened;
}

std::string CProgrammSitzung::Rettungsname(const std::string& cashBook, int nummer)
{
    std::filesystem::path pfad(cashBook);
    std::string stamm = pfad.filename().string();
    if (pfad.extension() == ".kbx")
        stamm = pfad.stem().string();
    const std::string zahl = nummer > 1 ? "." + std::to_string(nummer) : "";
    return (pfad.parent_path() / (stamm + ".rettung" + zahl + ".kbx")).string();
}

std::string CProgrammSitzung::SchreibeRettungskopie()
{
    if (!m_kassenbuch.IsOpen())
        return {};
    // A thousand earlier rescues of one cash book would mean something else is wrong.
    for (int nummer = 1; nummer <= 1000; ++nummer) {
        const std::string name = Rettungsname(m_kassenbuch.GetFileName(), nummer);
        std::error_code ec;
        // Anything already there under the name, even a dangling link, is kept.
        if (std::filesystem::symlink_status(name, ec).type() != std::filesystem::file_type::not_found)
            continue;
        return m_kassenbuch.SaveCopy(name) ? name : std::string();
    }
    return {};
}
