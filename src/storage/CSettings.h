#pragma once
// The program's settings ("settings.xml" in the program's folder): the six
// on/off options of the main window, the names of the data files and
// folders shipped beside the program (relative to that folder) and the list
// of recently used cash books. Loaded once at start, changed in memory and
// written back as a whole when the program ends.
//
// The history has the length the file gives it: entries are never added or
// removed, only shifted, so a file without "File" elements keeps no
// history at all.
#include "core/CXmlDokument.h"

#include <filesystem>
#include <string>

class UserMessages;

class CSettings : public CXmlDokument {
public:
    static constexpr const char* FileName = "settings.xml";

    // Parent of the six option flags.
    static constexpr const char* OptionsPath = "Settings/Settings";
    static constexpr const char* Monthmode = "Monthmode";
    static constexpr const char* Autostart = "Autostart";
    static constexpr const char* StayOnTop = "StayOnTop";
    static constexpr const char* CloseToTray = "CloseToTray";
    static constexpr const char* Autosave = "Autosave";
    static constexpr const char* WarnNegative = "WarnNegative";

    static constexpr const char* KassenPath = "Settings/Paths/Kassen";
    static constexpr const char* BackupPath = "Settings/Paths/Backup";
    static constexpr const char* LaenderFile = "Settings/Files/Laender";
    static constexpr const char* SteuersatzFile = "Settings/Files/Steuersatz";
    static constexpr const char* ExportFile = "Settings/Files/Export";
    static constexpr const char* LogoLink = "Settings/Logo/Link";
    static constexpr const char* HistoryPath = "Settings/FileHistory";

    // Relative names resolve against programFolder; with a shipped folder
    // as well, a file that is not in programFolder is read from there.
    CSettings(std::filesystem::path programFolder, UserMessages& messages,
              std::filesystem::path shippedFolder = {});

    // Reads "settings.xml". A missing file is shown as an error and gives
    // false: the program cannot run without it. A file that cannot be
    // parsed leaves an empty store (every value at its default) and true.
    bool Load();
    // Writes the whole document back, replacing the file in one step. A
    // store whose file could not be parsed is not written, so the broken
    // file stays for the user to repair instead of being emptied.
    bool Save() const;

    std::filesystem::path GetProgramFolder() const { return m_folder; }
    // A file beside the program to read (pictures, help): the user's own
    // when there is one, else the shipped one.
    std::filesystem::path GetReadPath(const std::string& relative) const;
    std::filesystem::path GetFilePath() const { return m_folder / FileName; }

    // Flags by name (one of the six constants above); switching one on
    // creates its element.
    bool GetOption(const char* name) const { return GetFlag(OptionsPath, name); }
    bool SetOption(const char* name, bool on) { return SetFlag(OptionsPath, name, on); }

    bool GetMonthmode() const { return GetOption(Monthmode); }
    bool GetAutostart() const { return GetOption(Autostart); }
    bool GetStayOnTop() const { return GetOption(StayOnTop); }
    bool GetCloseToTray() const { return GetOption(CloseToTray); }
    bool GetAutosave() const { return GetOption(Autosave); }
    bool GetWarnNegative() const { return GetOption(WarnNegative); }
    void SetMonthmode(bool on) { SetOption(Monthmode, on); }
    void SetAutostart(bool on) { SetOption(Autostart, on); }
    void SetStayOnTop(bool on) { SetOption(StayOnTop, on); }
    void SetCloseToTray(bool on) { SetOption(CloseToTray, on); }
    void SetAutosave(bool on) { SetOption(Autosave, on); }
    void SetWarnNegative(bool on) { SetOption(WarnNegative, on); }

    // The stored texts ("" when absent).
    std::string GetKassenPath() const { return GetString(KassenPath); }
    std::string GetBackupPath() const { return GetString(BackupPath); }
    std::string GetLaenderFile() const { return GetString(LaenderFile); }
    std::string GetSteuersatzFile() const { return GetString(SteuersatzFile); }
    std::string GetExportFile() const { return GetString(ExportFile); }
    std::string GetLogoLink() const { return GetString(LogoLink); }

    // The program folder joined with the value at key; "\" and "/" in the
    // value both count as separators.
    std::string GetAbsolute(const std::string& key) const;

    int GetHistoryCount() const;
    // Text of entry k without leading and trailing blanks, "" when there
    // is no such entry.
    std::string GetHistoryEntry(int k) const;
    // Sets entry k; nothing happens when it does not exist.
    void SetHistoryEntry(int k, const std::string& text);
    // Moves path to the top, the entries above its old place (or all, for
    // a new path, dropping the last) one down. Paths compare exactly,
    // after trimming; the list ends at the first blank entry, and entries
    // behind it are cleared.
    void AddToHistory(const std::string& path);

private:
    static std::string EntryPath(int k);

    std::filesystem::path m_folder;
    std::filesystem::path m_shipped;
    UserMessages& m_messages;
    bool m_parsed = false;
};
