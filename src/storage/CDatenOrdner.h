#pragma once
// Where the program's files are. Two layouts:
//
// - Portable (the build's bin/, a copy on a USB stick): "settings.xml" and
//   the other shipped files lie beside the programs. When that folder may
//   be written, everything stays there.
// - Installed (bin/kuvex with share/kuvex/ beside bin/), or a portable
//   folder the user may not write: the shipped folder is only read, and
//   every file the program writes lives in the user's folder
//   $XDG_DATA_HOME/kuvex (~/.local/share/kuvex), seeded from the shipped
//   copies on the first start. So two user accounts on one computer keep
//   their settings apart, and nothing is ever written under /usr.
//
// A file that is only read (country list, help, pictures) comes from the
// user's folder when the user put one there, else from the shipped one.
#include <filesystem>
#include <string>

class CDatenOrdner {
public:
    // The files the program writes back; copied into a new user folder.
    static constexpr const char* kBeschreibbar[] = {"settings.xml", "steuersaetze.xml", "export.xml"};
    // The folders the shipped settings name (cash books, backups, export).
    static constexpr const char* kOrdner[] = {"Kassen", "Backup", "Data/Export"};

    // The layout for programs living in programFolder.
    static CDatenOrdner Fuer(const std::filesystem::path& programFolder);
    // $XDG_DATA_HOME/kuvex, else ~/.local/share/kuvex.
    static std::filesystem::path BenutzerOrdner();

    CDatenOrdner(std::filesystem::path shipped, std::filesystem::path user);

    const std::filesystem::path& Geliefert() const { return m_geliefert; }
    // Where the program writes; the shipped folder in the portable layout.
    const std::filesystem::path& Benutzer() const { return m_benutzer; }
    bool IstGetrennt() const { return m_geliefert != m_benutzer; }

    // A file to read: the user's own copy when there is one, else the
    // shipped one (relative names only).
    std::filesystem::path Lesen(const std::string& relative) const;
    // Makes the user's folder and copies what is missing of the shipped
    // files the program writes. false when the folder cannot be made; the
    // session then says that "settings.xml" is missing.
    bool Einrichten() const;

private:
    std::filesystem::path m_geliefert;
    std::filesystem::path m_benutzer;
};
