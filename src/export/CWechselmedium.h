#pragma once
// The stand-in for drive A: on a desktop without one: the first removable
// medium the desktop has mounted for the user, under /media/USER or
// /run/media/USER, in the order of the system's mount table.
#include <filesystem>
#include <optional>
#include <string>

class CWechselmedium {
public:
    // The mount point of the first such medium in the text of a mount
    // table (/proc/self/mounts form, "\040" for a blank), or nothing.
    static std::optional<std::filesystem::path> Finde(const std::string& mountTabelle, const std::string& benutzer);
    // The same for the running system and user.
    static std::optional<std::filesystem::path> Erstes();
};
