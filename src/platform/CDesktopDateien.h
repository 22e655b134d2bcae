#pragma once
// The program's entries in the desktop: the autostart entry under
// $XDG_CONFIG_HOME/autostart and the ".kbx" file type (a shared-mime-info
// type and a desktop entry that opens such files with this program) under
// $XDG_DATA_HOME. These are the desktop's stand-ins for the registry
// values of a Windows program. Every file is written whole or not at all;
// a failure is silent, since none of this stops the user from working.
#include <filesystem>
#include <string>

namespace desktop_dateien {

inline constexpr const char* kMimeTyp = "application/x-kuvex-kassenbuch";
inline constexpr const char* kName = "Kuvex - das Kassenbuch";

// $XDG_CONFIG_HOME, else ~/.config (and $XDG_DATA_HOME, else
// ~/.local/share); a relative value is ignored, as the desktop does.
std::filesystem::path ConfigHome();
std::filesystem::path DataHome();

// One argument of an Exec line: in double quotes with the quoting rules
// of desktop entries applied, so blanks, quotes, "$", "%" and backslashes
// in a folder name reach the program unchanged. The case is kept: Linux
// file names are case-sensitive.
std::string ExecArgument(const std::string& path);

// The autostart entry's file, and its command: the quoted program path,
// then " /hide" when the program is to start in the tray.
std::filesystem::path AutostartDatei();
std::string AutostartBefehl(const std::string& programPath, bool hide);
bool SchreibeAutostart(const std::string& programPath, bool hide);
bool EntferneAutostart();

// Writes the file type and the desktop entry that opens such files with
// programPath (icon: iconPath) under dataHome, then lets the desktop's
// databases know when their tools are installed.
bool RegistriereDateiTyp(const std::filesystem::path& dataHome, const std::string& programPath,
                         const std::string& iconPath);

} // namespace desktop_dateien
