#pragma once
// One cash book: the journal, the receipt-text catalogue and the company
// record, and the ".kbx" file they live in (a ZIP archive, see KbxFormat.h).
// The document is written and read only as a whole.
//
// States: no document (no file name, no objects), open (all three objects
// present) and invalid (after a failed Open: file name set, objects
// missing; every Save then refuses). New, Open and Close leave any state.
//
// Saving never writes into the cash book itself: the archive goes to a
// temporary file beside it that replaces the old file in one rename, so a
// crash or a full disk leaves the previous version intact. While a cash
// book is open here, a lock beside it keeps other Kuvex programs from
// opening it too.
//
// A cash book may lock its bookings (GoBD): from then on it carries the
// booking log "Protokoll.dat", its journal only grows, a booking is undone
// by a reversal, and every booking enters the log the moment it is made.
// One that was changed outside the program (a broken chain, a journal
// that differs from the log, a missing log) opens read-only and says so in
// Manipulation().
#include "core/CKassenabschluesse.h"
#include "storage/CFileLock.h"
#include "storage/CProtokoll.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CBelegtexte;
class CBuchungen;
class CDatum;
class CFirma;
class UserMessages;

class CKassenbuch {
public:
    // Shown when another program (or another document here) has the file.
    static const char* const kDateiGesperrt;
    // Refusal of any change to a cash book opened read-only.
    static const char* const kNurLesen;

    explicit CKassenbuch(UserMessages& messages);
    ~CKassenbuch();
    CKassenbuch(const CKassenbuch&) = delete;
    CKassenbuch& operator=(const CKassenbuch&) = delete;

    // An empty journal, the default catalogue (with the accounts of chart
    // kontenrahmen, 3 or 4) and a blank company record under `path`;
    // nothing is written until Save. False (with a message, document
    // unchanged) only when another program has `path` open.
    bool New(const std::string& path, int kontenrahmen = 3);
    // Loads the archive at `path`. False when another program has it open
    // (message shown, document unchanged), when it cannot be opened (system
    // error shown, document unchanged), or when its content is missing or
    // damaged (nothing shown, document invalid, reason in LastError()).
    // `locked` runs once the lock is held and before the file is read.
    bool Open(const std::string& path, const std::function<void()>& locked = {});
    // Writes the whole document to its file name. Every failure is shown.
    bool Save();
    // Takes `path` as the file name, then Save. False without changing the
    // file name when another program has `path` open.
    bool SaveAs(const std::string& path);
    // Writes the document to another file, showing nothing: its own file
    // name and lock stay as they are. For the rescue copy after a fatal
    // error, when no further box should come between the user and the
    // error. False when there is no document or the file cannot be written.
    bool SaveCopy(const std::string& path);
    // Discards the document and lets go of the file.
    void Close();

    CBuchungen* GetBuchungen() { return m_buchungen.get(); }
    CFirma* GetFirma() { return m_firma.get(); }
    CBelegtexte* GetBelegtexte() { return m_belegtexte.get(); }
    const CBuchungen* GetBuchungen() const { return m_buchungen.get(); }
    const CFirma* GetFirma() const { return m_firma.get(); }
    const CBelegtexte* GetBelegtexte() const { return m_belegtexte.get(); }
    const std::string& GetFileName() const { return m_fileName; }
    // The daily closes; empty for a new cash book and for files without them.
    CKassenabschluesse& GetKassenabschluesse() { return m_abschluesse; }
    const CKassenabschluesse& GetKassenabschluesse() const { return m_abschluesse; }
    // The last closed day, a null date when none is closed.
    CDatum LetzterAbschlussTag() const { return m_abschluesse.LetzterTag(); }

    // All three objects are present.
    bool IsValid() const;
    // Valid and named: there is a cash book to work on and to save.
    bool IsOpen() const { return IsValid() && !m_fileName.empty(); }

    // --- Locked bookings (GoBD) ---------------------------------------------
    // Whether this cash book locks and logs its bookings.
    bool IsGoBD() const { return m_protokoll != nullptr; }
    // The booking log, or null while the bookings are not locked.
    const CProtokoll* GetProtokoll() const { return m_protokoll.get(); }
    // The last day a close has locked, a null date while nothing is locked
    // (no close yet, or bookings not locked: closes then lock nothing).
    CDatum GesperrtBis() const { return IsGoBD() ? LetzterAbschlussTag() : CDatum(); }
    // Opened read-only because it was changed outside the program: nothing
    // may be booked or saved.
    bool IsNurLesen() const { return m_protokoll && !m_protokoll->IstInOrdnung(); }
    // The warning naming the first bad entry after such an open, else "".
    std::string Manipulation() const;
    // Locks the bookings for good: the flag in the company record, the
    // switch and the journal as it stands as the log's first two entries.
    // Raises CFehler (changing nothing) when they are locked already or the
    // journal cannot be logged.
    void SchalteGoBDEin();
    // Logs every journal record that is not in the log yet, as a booking of
    // now. Raises CFehler when the log refuses one; those records are then
    // taken out of the journal again. Does nothing while not locked.
    void ProtokolliereNeueBuchungen();
    // Reverses booking `satz` with a booking dated `tag` that carries its
    // lines with negated amounts and the note "Storno zu Nr. N", and logs
    // it. Returns the reversal's index. Raises CFehler with the reason when
    // the booking may not be reversed.
    int Storniere(int satz, CDatum tag);
    // Appends any other entry (a daily close) to the log; returns its
    // number. Raises CFehler when not locked or the log refuses it.
    std::uint32_t Protokolliere(ProtokollArt art, const std::string& nutzdaten, std::uint32_t bezug = 0);
    // Capture time and login name of the entries; the program's are the
    // clock and the user who runs it. For tests.
    void SetUhr(std::function<std::int64_t()> uhr) { m_uhr = std::move(uhr); }
    static std::string Anmeldename();

    // Why the last Open failed when it showed nothing itself (e.g. "Fehler
    // beim lesen der Buchungen"); empty after a success or a shown failure.
    // Lets a front end without boxes print what the program would show.
    const std::string& LastError() const { return m_lastError; }

    // Called with each member's name right before it is stored; an
    // exception from it counts as a failed write. Lets tests break a save
    // half-way; empty in the program.
    using StoreHook = std::function<void(const std::string& member)>;
    void SetStoreHook(StoreHook hook) { m_storeHook = std::move(hook); }

private:
    // Gets this document the lock of `path`: on true, `fresh` holds a new
    // lock, or stays empty when the current one already covers `path`
    // (keepCurrent) or no lock file can be made there (the document then
    // goes on unlocked). False, with the message shown, when someone else
    // holds it.
    bool LockFor(const std::string& path, CFileLock& fresh, bool& keepCurrent);
    // Makes the result of LockFor this document's lock.
    void TakeLock(CFileLock& fresh, bool keepCurrent);
    void Discard();
    // Steps of Open after the archive is open; raise CFehler. `step` holds
    // the failure text of the step under way.
    void Load(class CZipReader& zip, const char*& step);
    // The archive written to path; with report, every failure is shown.
    bool Write(const std::string& path, bool report);
    // Shows why a save failed, then "Fehler beim speichern einer Datei".
    bool SaveFailed(const std::exception& e);
    // Reads the log after the journal; `journal` is "Buchungen.dat".
    void LoadProtokoll(class CZipReader& zip, const std::string& journal);
    void PruefeSchreibbar() const;

    UserMessages& m_messages;
    std::unique_ptr<CBuchungen> m_buchungen;
    std::unique_ptr<CFirma> m_firma;
    std::unique_ptr<CBelegtexte> m_belegtexte;
    CKassenabschluesse m_abschluesse;
    std::string m_fileName;
    CFileLock m_lock;
    std::string m_lastError;
    StoreHook m_storeHook;
    std::unique_ptr<CProtokoll> m_protokoll;
    std::function<std::int64_t()> m_uhr;
};
