#include "platform/CDesktopDateien.h"

#include "core/CAtomicFile.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <cstdlib>

namespace fs = std::filesystem;

namespace desktop_dateien {

namespace {

fs::path XdgOrdner(const char* variable, const char* unterHome)
{
    if (const char* wert = std::getenv(variable); wert && *wert == '/')
        return fs::path(wert);
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / unterHome;
}

bool SchreibeDatei(const fs::path& datei, const std::string& inhalt)
{
    std::error_code ec;
    fs::create_directories(datei.parent_path(), ec);
    return CAtomicFile::Replace(datei, inhalt);
}

// Tells a desktop tool about the new files, without waiting for it.
void Aktualisiere(const char* tool, const fs::path& ordner)
{
    const QString programm = QStandardPaths::findExecutable(QString::fromLatin1(tool));
    if (!programm.isEmpty())
        QProcess::startDetached(programm, {QString::fromStdString(ordner.string())});
}

std::string Eintrag(const std::string& exec, const std::string& icon, const std::string& weitere)
{
    return std::string("[Desktop Entry]\nType=Application\nName=") + kName +
           "\nGenericName=Kassenbuch\nComment=Kassenbuch f\xC3\xBCr kleine Betriebe\nExec=" + exec +
           "\nIcon=" + icon + "\nTerminal=false\n" + weitere;
}

} // namespace

fs::path ConfigHome() { return XdgOrdner("XDG_CONFIG_HOME", ".config"); }
fs::path DataHome() { return XdgOrdner("XDG_DATA_HOME", ".local/share"); }

std::string ExecArgument(const std::string& path)
{
    // Inside the quotes a quote, backquote, dollar and backslash take a
    // backslash; "%" is doubled, since the desktop expands field codes
    // before it splits the line. The value as a whole is then a string
    // value, in which a backslash is written twice.
    std::string quoted = "\"";
    for (const char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (const char c : quoted) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '\n')
            value += "\\n";
        else if (c == '\t')
            value += "\\t";
        else if (c == '\r')
            value += "\\r";
        else
            value += c;
    }
    return value;
}

fs::path AutostartDatei()
{
    return ConfigHome() / "autostart" / "kuvex.desktop";
}

std::string AutostartBefehl(const std::string& programPath, bool hide)
{
    return ExecArgument(programPath) + (hide ? " /hide" : "");
}

bool SchreibeAutostart(const std::string& programPath, bool hide)
{
    return SchreibeDatei(AutostartDatei(), Eintrag(AutostartBefehl(programPath, hide), "kuvex",
                                                   "X-GNOME-Autostart-enabled=true\n"));
}

bool EntferneAutostart()
{
    std::error_code ec;
    fs::remove(AutostartDatei(), ec);
    return !ec;
}

bool RegistriereDateiTyp(const fs::path& dataHome, const std::string& programPath, const std::string& iconPath)
{
    const std::string mime = std::string(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"") + kMimeTyp + "\">\n"
        "    <comment>Kuvex cash book</comment>\n"
        "    <comment xml:lang=\"de\">Kuvex-Kassenbuch</comment>\n"
        "    <sub-class-of type=\"application/zip\"/>\n"
        "    <glob pattern=\"*.kbx\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n";
    const std::string desktop =
        Eintrag(ExecArgument(programPath) + " %f", iconPath,
                std::string("MimeType=") + kMimeTyp + ";\nCategories=Office;Finance;\n");
    const bool mimeOk = SchreibeDatei(dataHome / "mime" / "packages" / "kuvex.xml", mime);
    const bool desktopOk = SchreibeDatei(dataHome / "applications" / "kuvex.desktop", desktop);
    if (mimeOk)
        Aktualisiere("update-mime-database", dataHome / "mime");
    if (desktopOk)
        Aktualisiere("update-desktop-database", dataHome / "applications");
    return mimeOk && desktopOk;
}

} // namespace desktop_dateien
