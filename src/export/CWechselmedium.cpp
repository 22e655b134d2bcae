#include "export/CWechselmedium.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

// The table writes blanks, tabs, line feeds and backslashes in paths as
// three octal digits after a backslash.
std::string Entschluessele(const std::string& feld)
{
    std::string text;
    for (std::size_t i = 0; i < feld.size(); ++i) {
        const bool oktal = feld[i] == '\\' && i + 3 < feld.size()
                           && feld.substr(i + 1, 3).find_first_not_of("01234567") == std::string::npos;
        if (oktal) {
            text += static_cast<char>(std::stoi(feld.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            text += feld[i];
        }
    }
    return text;
}

std::string Benutzer()
{
    if (const char* name = std::getenv("USER"); name && *name)
        return name;
    if (const passwd* pw = getpwuid(getuid()))
        return pw->pw_name;
    return std::string();
}

} // namespace

std::optional<std::filesystem::path> CWechselmedium::Finde(const std::string& mountTabelle, const std::string& benutzer)
{
    if (benutzer.empty())
        return std::nullopt;
    const std::string wurzeln[] = {"/media/" + benutzer + "/", "/run/media/" + benutzer + "/"};
    std::istringstream zeilen(mountTabelle);
    std::string zeile;
    while (std::getline(zeilen, zeile)) {
        std::istringstream felder(zeile);
        std::string geraet, ziel;
        if (!(felder >> geraet >> ziel))
            continue;
        const std::string pfad = Entschluessele(ziel);
        for (const std::string& wurzel : wurzeln) {
            // Only a folder right below the root is a medium; a deeper
            // mount belongs to something else.
            if (pfad.size() > wurzel.size() && pfad.compare(0, wurzel.size(), wurzel) == 0
                && pfad.find('/', wurzel.size()) == std::string::npos)
                return std::filesystem::path(pfad);
        }
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> CWechselmedium::Erstes()
{
    std::ifstream in("/proc/self/mounts");
    std::ostringstream text;
    text << in.rdbuf();
    return Finde(text.str(), Benutzer());
}
