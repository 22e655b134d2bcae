#pragma once
// What the program needs before and while a cash book is open, the same for
// the window and for kuvex-cli: "settings.xml" of the program's folder, the
// VAT-rate table it names (the program does not run without either), and
// the open cash book with its lock and its backup copies. Both front ends
// start, open and end through this one class, so they cannot drift apart.
#include "storage/CBackups.h"
#include "storage/CDatenOrdner.h"
#include "storage/CKassenbuch.h"
#include "storage/CSettings.h"

#include <filesystem>
#include <memory>
#include <string>

class CSteuersaetze;
class UserMessages;

class CProgrammSitzung {
public:
    // After the VAT-rate file's name as the settings give it.
    static const char* const SteuersatzFehlt;  // " nicht gefunden. Das Programm wird beendet."
    // Shown by the front ends when a cash book does not open.
    static const char* const FehlerBeimLaden;  // "Fehler beim Laden der Datei"

    // programFolder is where the programs are; the files may live elsewhere
    // (see CDatenOrdner).
    CProgrammSitzung(const std::filesystem::path& programFolder, UserMessages& messages,
                     CBackups::Clock backupClock = CBackups::Clock());
    ~CProgrammSitzung();
    CProgrammSitzung(const CProgrammSitzung&) = delete;
    CProgrammSitzung& operator=(const CProgrammSitzung&) = delete;

    // Loads the settings, then the VAT-rate table. false, with the reason
    // shown, when the program must end: no settings file, or no VAT-rate
    // file where the settings say.
    bool Start();
    // Lets go of the cash book (unsaved; the front end saves first) and
    // writes the settings back (only after a successful Start).
    bool End();

    const CDatenOrdner& Ordner() const { return m_ordner; }
    CSettings& Settings() { return m_settings; }
    const CSettings& Settings() const { return m_settings; }
    // Only after a successful Start.
    CSteuersaetze& Steuersaetze() { return *m_steuersaetze; }
    const CSteuersaetze& Steuersaetze() const { return *m_steuersaetze; }
    // Writes the VAT-rate table back to the file the settings name.
    bool SaveSteuersaetze();

    CKassenbuch& Kassenbuch() { return m_kassenbuch; }
    const CKassenbuch& Kassenbuch() const { return m_kassenbuch; }

    // Opens the cash book at path: its lock first, then the backup copies
    // of the file as it is on disk, then the file itself. false when the
    // file is missing, locked or does not load; no cash book is open then
    // (a damaged one says why in Kassenbuch().LastError()). One that was
    // changed outside the program opens read-only; with `warnen` the
    // warning naming the first bad entry of its log is shown.
    bool OpenFile(const std::string& path, bool warnen = true);

    // After a fatal error: the open cash book as it is in memory, written
    // beside its file as "<name>.rettung.kbx" (or "<name>.rettung.2.kbx",
    // ".3", ... when that is taken), so the bookings typed since the last
    // save survive while the file itself stays as it was. Never writes
    // over the cash book or an earlier rescue copy. The path written, or
    // empty when no cash book is open or nothing could be written.
    std::string SchreibeRettungskopie();
    // The name of rescue copy `nummer` (1 is the one without a number).
    static std::string Rettungsname(const std::string& cashBook, int nummer);

private:
    UserMessages& m_messages;
    CDatenOrdner m_ordner;
    CSettings m_settings;
    CBackups::Clock m_backupClock;
    std::unique_ptr<CSteuersaetze> m_steuersaetze;
    CKassenbuch m_kassenbuch;
    bool m_started = false;
};
