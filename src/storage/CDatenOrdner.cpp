#include "storage/CDatenOrdner.h"

#include <cstdlib>
#include <unistd.h>

namespace fs = std::filesystem;

fs::path CDatenOrdner::BenutzerOrdner()
{
    if (const char* wert = std::getenv("XDG_DATA_HOME"); wert && *wert == '/')
        return fs::path(wert) / "kuvex";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / ".local" / "share" / "kuvex";
}

CDatenOrdner CDatenOrdner::Fuer(const fs::path& programFolder)
{
    std::error_code ec;
    const fs::path installiert = programFolder.parent_path() / "share" / "kuvex";
    if (!fs::exists(programFolder / "settings.xml", ec) && fs::exists(installiert / "settings.xml", ec))
        return CDatenOrdner(installiert, BenutzerOrdner());
    // A portable folder the user may not write behaves like an installed one.
    // (A write-protected file in a writable folder is not such a case: it
    // is refused when saved, with the system's reason.)
    if (::access(programFolder.c_str(), W_OK) != 0)
        return CDatenOrdner(programFolder, BenutzerOrdner());
    return CDatenOrdner(programFolder, programFolder);
}

CDatenOrdner::CDatenOrdner(fs::path shipped, fs::path user)
    : m_geliefert(std::move(shipped))
    , m_benutzer(std::move(user))
{
}

fs::path CDatenOrdner::Lesen(const std::string& relative) const
{
    std::error_code ec;
    const fs::path eigen = m_benutzer / relative;
    if (!IstGetrennt() || fs::exists(eigen, ec))
        return eigen;
    return m_geliefert / relative;
}

bool CDatenOrdner::Einrichten() const
{
    if (!IstGetrennt())
        return true;
    std::error_code ec;
    fs::create_directories(m_benutzer, ec);
    if (!fs::is_directory(m_benutzer, ec))
        return false;
    for (const char* datei : kBeschreibbar) {
        if (!fs::exists(m_benutzer / datei, ec) && fs::exists(m_geliefert / datei, ec)) {
            fs::copy_file(m_geliefert / datei, m_benutzer / datei, ec);
            // The shipped copy may be read-only; the user's must not be.
            fs::permissions(m_benutzer / datei, fs::perms::owner_read | fs::perms::owner_write,
                            fs::perm_options::add, ec);
        }
    }
    for (const char* ordner : kOrdner)
        fs::create_directories(m_benutzer / ordner, ec);
    return true;
}
