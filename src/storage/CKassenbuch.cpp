#include "storage/CKassenbuch.h"

#include <utility>

#include "core/BuchungenFormat.h"
#include "core/CAbschlussRegeln.h"
#include "core/CAtomicFile.h"
#include "core/CBelegtexte.h"
#include "core/CBinStream.h"
#include "core/CBuchungen.h"
#include "core/CFehler.h"
#include "core/CFirma.h"
#include "core/UserMessages.h"
#include "storage/CZipReader.h"
#include "storage/CZipWriter.h"
#include "storage/KbxFormat.h"
#include "storage/ProtokollFormat.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <unistd.h>
#include <filesystem>
#include <sstream>
#include <system_error>

namespace {

const char* const kDatenbankUngueltig = "Die Datenbank ist ung\xFCltig";
const char* const kDateinameUngueltig = "Der Dateiname ist ung\xFCltig";
const char* const kFehlerAnlegen = "Fehler beim Anlegen der Datei ";
const char* const kFehlerSpeichern = "Fehler beim speichern einer Datei";
const char* const kNichtAlleDaten = "Die Datei enth\xE4lt nicht alle ben\xF6tigten Daten";
const char* const kFehlerBuchungen = "Fehler beim lesen der Buchungen";
const char* const kFehlerFirma = "Fehler beim Lesen der Firma";
const char* const kFehlerBelegtexteLesen = "Fehler beim lesen der Belegtexte";
const char* const kFehlerBelegtexteParsen = "Fehler beim Lesen der Belegtexte";
const char* const kFehlerAbschluesse = "Fehler beim Lesen der Kassenabschl\xFCsse";
const char* const kFehlerProtokoll = "Fehler beim Lesen des Protokolls";
const char* const kNurLesenText = "Das Kassenbuch ist nur zum Lesen ge\xF6" "ffnet, weil es au\xDF" "erhalb von Kuvex "
                              "ver\xE4" "ndert wurde. Es kann nicht gespeichert werden.";

std::string Extract(CZipReader& zip, const char* member, std::uint64_t limit, const char* failure)
{
    std::string bytes;
    if (zip.Extract(member, limit, bytes) != CZipReader::Result::Ok)
        throw CFehler(failure);
    return bytes;
}

} // namespace

const char* const CKassenbuch::kNurLesen = kNurLesenText;

const char* const CKassenbuch::kDateiGesperrt =
    "Die Datei wird bereits von einem anderen Kuvex-Programm verwendet.";

CKassenbuch::CKassenbuch(UserMessages& messages) : m_messages(messages) {}

CKassenbuch::~CKassenbuch() = default;

bool CKassenbuch::IsValid() const
{
    return m_buchungen && m_firma && m_belegtexte;
}

bool CKassenbuch::LockFor(const std::string& path, CFileLock& fresh, bool& keepCurrent)
{
    keepCurrent = m_lock.IsHeld() && m_lock.LockedPath() == CFileLock::Normalise(path);
    if (keepCurrent)
        return true;
    if (fresh.Acquire(path) == CFileLock::Result::Busy) {
        m_messages.Error(kDateiGesperrt);
        return false;
    }
    return true;
}

void CKassenbuch::TakeLock(CFileLock& fresh, bool keepCurrent)
{
    if (!keepCurrent)
        m_lock = std::move(fresh);
}

void CKassenbuch::Discard()
{
    m_protokoll.reset();
    m_buchungen.reset();
    m_firma.reset();
    m_belegtexte.reset();
    m_abschluesse = CKassenabschluesse();
}

bool CKassenbuch::New(const std::string& path, int kontenrahmen)
{
    CFileLock fresh;
    bool keep = false;
    if (!path.empty() && !LockFor(path, fresh, keep))
        return false;
    Discard();
    m_fileName = path;
    if (path.empty())
        m_lock.Release();
    else
        TakeLock(fresh, keep);
    m_lastError.clear();
    m_buchungen = std::make_unique<CBuchungen>();
    m_belegtexte = std::make_unique<CBelegtexte>(kontenrahmen);
    m_firma = std::make_unique<CFirma>();
    return true;
}

void CKassenbuch::Close()
{
    Discard();
    m_fileName.clear();
    m_lock.Release();
}

bool CKassenbuch::Open(const std::string& path, const std::function<void()>& locked)
{
    m_lastError.clear();
    // The lock comes first: whatever runs before the file is read (the
    // backup copies) must not touch a cash book another program has open.
    CFileLock fresh;
    bool keep = false;
    if (!LockFor(path, fresh, keep))
        return false;
    if (locked)
        locked();
    CZipReader zip;
    int error = 0;
    if (!zip.Open(path, error)) {
        m_messages.ShowSystemError(error);
        return false;
    }

    // From here on a failure leaves the document invalid.
    m_fileName = path;
    Discard();
    TakeLock(fresh, keep);
    const char* step = kNichtAlleDaten;
    try {
        Load(zip, step);
        return true;
    } catch (const CFehler& e) {
        m_lastError = e.what();
    } catch (const std::exception&) {
        // Out of memory or the like: the step that broke says what failed.
        m_lastError = step;
    }
    zip.Close();
    m_lock.Release();
    return false;
}

void CKassenbuch::Load(CZipReader& zip, const char*& step)
{
    std::uint64_t entries = 0;
    if (!zip.GetEntryCount(entries) || entries < static_cast<std::uint64_t>(kbx_format::kMinEntries))
        throw CFehler(kNichtAlleDaten);

    step = kFehlerBuchungen;
    // The journal's bytes stay until the log has been compared with them.
    CBinStream stream(Extract(zip, kbx_format::kBuchungen, buchungen_format::kMaxFileSize, kFehlerBuchungen));
    {
        auto buchungen = std::make_unique<CBuchungen>();
        if (!buchungen->Read(stream))
            throw CFehler(kFehlerBuchungen);
        m_buchungen = std::move(buchungen);
    }
    const std::string& journalBytes = stream.Bytes();
    // Right after the journal it refers to, before the document is whole.
    step = kFehlerAbschluesse;
    {
        // Older files have no closes; a member that is there must be whole.
        std::string bytes;
        const auto result = zip.Extract(kbx_format::kKassenabschluesse, kbx_format::kMaxXmlBytes, bytes);
        if (result != CZipReader::Result::NotFound
            && (result != CZipReader::Result::Ok || !m_abschluesse.Lesen(bytes, m_buchungen->GetCount())))
            throw CFehler(kFehlerAbschluesse);
    }
    step = kFehlerFirma;
    {
        std::istringstream in(Extract(zip, kbx_format::kFirma, kbx_format::kMaxXmlBytes, kFehlerFirma));
        auto firma = std::make_unique<CFirma>(in);
        if (!firma->LoadOk())
            throw CFehler(kFehlerFirma);
        m_firma = std::move(firma);
    }
    step = kFehlerBelegtexteParsen;
    {
        std::istringstream in(Extract(zip, kbx_format::kBelegtexte, kbx_format::kMaxXmlBytes, kFehlerBelegtexteLesen));
        auto belegtexte = std::make_unique<CBelegtexte>(in);
        if (!belegtexte->LoadOk())
            throw CFehler(kFehlerBelegtexteParsen);
        m_belegtexte = std::move(belegtexte);
    }
    step = kFehlerProtokoll;
    LoadProtokoll(zip, journalBytes);
    zip.Close();
}

void CKassenbuch::LoadProtokoll(CZipReader& zip, const std::string& journal)
{
    std::string bytes;
    switch (zip.Extract(kbx_format::kProtokoll, protokoll_format::kMaxFileSize, bytes)) {
    case CZipReader::Result::Ok:
        m_protokoll = std::make_unique<CProtokoll>(std::move(bytes));
        m_protokoll->PruefeJournal(journal);
        // A log means locked bookings whatever the company record says: the
        // flag goes back, so that the log cannot vanish unnoticed later.
        m_firma->SetGoBD();
        break;
    case CZipReader::Result::NotFound:
        // Saved by a program that knew nothing of the log: the flag it kept
        // says there was one.
        if (m_firma->IsGoBD()) {
            m_protokoll = std::make_unique<CProtokoll>();
            m_protokoll->MarkiereFehler(1, "fehlt");
        }
        break;
    default:
        throw CFehler(kFehlerProtokoll);
    }
}

std::string CKassenbuch::Manipulation() const
{
    if (!IsNurLesen())
        return {};
    const CProtokollFehler& f = m_protokoll->Fehler();
    return "Das Kassenbuch wurde au\xDF" "erhalb von Kuvex ver\xE4" "ndert: Eintrag Nr. " + std::to_string(f.Nr)
        + " " + f.Grund + ". Es wird nur zum Lesen ge\xF6" "ffnet.";
}

std::string CKassenbuch::Anmeldename()
{
    for (const char* name : {"LOGNAME", "USER"})
        if (const char* wert = std::getenv(name); wert && *wert)
            return wert;
    if (const passwd* pw = getpwuid(geteuid()))
        return pw->pw_name;
    return {};
}

void CKassenbuch::PruefeSchreibbar() const
{
    if (!IsValid())
        throw CFehler(kDatenbankUngueltig);
    if (IsNurLesen())
        throw CFehler(kNurLesen);
}

void CKassenbuch::SchalteGoBDEin()
{
    PruefeSchreibbar();
    if (IsGoBD())
        throw CFehler("Die Buchungen dieses Kassenbuchs sind bereits festgeschrieben.");
    CBinStream stream;
    m_buchungen->Write(stream);
    const std::int64_t jetzt = m_uhr ? m_uhr() : std::time(nullptr);
    auto protokoll = std::make_unique<CProtokoll>();
    protokoll->Anfuegen(ProtokollArt::Umstellung, {}, jetzt, Anmeldename());
    protokoll->Anfuegen(ProtokollArt::Uebernahme, stream.Bytes(), jetzt, Anmeldename());
    m_firma->SetGoBD();
    m_protokoll = std::move(protokoll);
}

void CKassenbuch::ProtokolliereNeueBuchungen()
{
    if (!IsGoBD())
        return;
    PruefeSchreibbar();
    const int erste = m_protokoll->GetSatzCount();
    try {
        for (int i = erste; i < m_buchungen->GetCount(); ++i)
            m_protokoll->Anfuegen(ProtokollArt::Buchung, m_buchungen->SatzBytes(i),
                                  m_uhr ? m_uhr() : std::time(nullptr), Anmeldename());
    } catch (const CFehler&) {
        // The log and the journal must agree: what could not be logged is
        // not booked.
        while (m_buchungen->GetCount() > m_protokoll->GetSatzCount())
            m_buchungen->RemoveItem(m_buchungen->GetCount() - 1);
        throw;
    }
}

int CKassenbuch::Storniere(int satz, CDatum tag)
{
    if (!IsGoBD())
        throw CFehler("Nur festgeschriebene Buchungen werden storniert.");
    PruefeSchreibbar();
    const std::string nr = std::to_string(satz + 1);
    if (satz < 0 || satz >= m_protokoll->GetSatzCount())
        throw CFehler("Die Buchung Nr. " + nr + " gibt es nicht.");
    if (m_protokoll->StorniertBuchung(satz))
        throw CFehler("Die Buchung Nr. " + nr + " ist ein Storno; ein Storno kann nicht storniert werden.");
    if (const std::uint32_t durch = m_protokoll->StorniertDurch(satz))
        throw CFehler("Die Buchung Nr. " + nr + " ist bereits durch Nr. " + std::to_string(durch) + " storniert.");
    // Nothing dated on a closed day is undone, and no reversal empties the till.
    if (const auto gesperrt = CAbschlussRegeln::PruefeStorno(*m_buchungen, m_abschluesse, satz, tag))
        throw CFehler(*gesperrt);
    // Whatever was booked before still goes into the log first, so the
    // reversal's number is its place in the journal.
    ProtokolliereNeueBuchungen();

    CBuchungssatz storno = m_buchungen->GetItem(satz);
    storno.Datum = tag;
    storno.Notiz = "Storno zu Nr. " + nr;
    for (CBuchungszeile& z : storno.Zeilen) {
        z.Einnahme = CBetrag() - z.Einnahme;
        z.Ausgabe = CBetrag() - z.Ausgabe;
    }
    // An ordinary booking shows one note, its line's.
    if (!storno.Aufteilung && !storno.Zeilen.empty())
        storno.Zeilen.front().Notiz = storno.Notiz;
    const int neu = m_buchungen->AddItem();
    m_buchungen->GetItem(neu) = std::move(storno);
    try {
        m_protokoll->Anfuegen(ProtokollArt::Storno, m_buchungen->SatzBytes(neu),
                              m_uhr ? m_uhr() : std::time(nullptr), Anmeldename(),
                              static_cast<std::uint32_t>(satz + 1));
    } catch (const CFehler&) {
        m_buchungen->RemoveItem(neu);
        throw;
    }
    return neu;
}

std::uint32_t CKassenbuch::Protokolliere(ProtokollArt art, const std::string& nutzdaten, std::uint32_t bezug)
{
    if (!IsGoBD())
        throw CFehler("Die Buchungen dieses Kassenbuchs sind nicht festgeschrieben.");
    PruefeSchreibbar();
    ProtokolliereNeueBuchungen();
    return m_protokoll->Anfuegen(art, nutzdaten, m_uhr ? m_uhr() : std::time(nullptr), Anmeldename(), bezug);
}

bool CKassenbuch::SaveAs(const std::string& path)
{
    CFileLock fresh;
    bool keep = false;
    if (!path.empty() && !LockFor(path, fresh, keep))
        return false;
    // The document moves to the new name only once the file has been
    // written there: after a failed save-as every later save (the one at
    // the end too) must still reach the file the user has open.
    std::string oldName = std::exchange(m_fileName, path);
    CFileLock oldLock;
    if (!keep) {
        oldLock = std::move(m_lock);
        m_lock = std::move(fresh);
    }
    if (Save())
        return true;
    m_fileName = std::move(oldName);
    if (!keep)
        m_lock = std::move(oldLock);
    return false;
}

bool CKassenbuch::Save()
{
    if (!IsValid()) {
        m_messages.Error(kDatenbankUngueltig);
        return false;
    }
    if (m_fileName.empty()) {
        m_messages.Error(kDateinameUngueltig);
        return false;
    }
    if (IsNurLesen()) {
        m_messages.Error(kNurLesen);
        return false;
    }
    // A document that could not be locked when it was named (e.g. its
    // folder did not exist yet) tries again, so it never overwrites a file
    // another program has opened in the meantime.
    if (!m_lock.IsHeld()) {
        CFileLock fresh;
        bool keep = false;
        if (!LockFor(m_fileName, fresh, keep))
            return false;
        TakeLock(fresh, keep);
    }

    return Write(m_fileName, true);
}

bool CKassenbuch::SaveCopy(const std::string& path)
{
    if (!IsValid() || path.empty() || path == m_fileName)
        return false;
    return Write(path, false);
}

bool CKassenbuch::Write(const std::string& path, bool report)
{
    // The journal is encoded before any file is touched: a journal the
    // file cannot hold (a text too long, more than the reader accepts) is
    // refused while the old file and its folder are exactly as they were.
    std::string journal;
    std::string abschluesse;
    try {
        CBinStream stream;
        if (!m_buchungen->Write(stream))
            throw CFehler(kFehlerSpeichern);
        journal = stream.TakeBytes();
        if (!m_abschluesse.Leer())
            abschluesse = m_abschluesse.Schreiben();
        if (abschluesse.size() > kbx_format::kMaxXmlBytes)
            throw CFehler(kFehlerSpeichern);
        // Nothing leaves the program that its own log would call changed.
        if (m_protokoll && m_protokoll->IstInOrdnung()) {
            if (m_protokoll->VergleicheJournal(journal).Nr != 0)
                throw CFehler("Die Buchungen stimmen nicht mit dem Protokoll \xFC" "berein.");
        }
    } catch (const std::exception& e) {
        return report ? SaveFailed(e) : false;
    }

    CAtomicFile file(path);
    CZipWriter zip;
    if (!file.Create()) {
        // A file that is there but write-protected (or sits in a folder the
        // user may not change) is a failed save, not a failed creation: the
        // system says why, in its words.
        const int error = errno;
        std::error_code ec;
        if (!report) {
            return false;
        } else if (error == EACCES && std::filesystem::exists(std::filesystem::path(path), ec)) {
            m_messages.ShowSystemError(error);
            m_messages.Error(kFehlerSpeichern);
        } else {
            m_messages.Error(kFehlerAnlegen + path);
        }
        return false;
    }
    if (!zip.Create(file.TempPath().string())) {
        if (report)
            m_messages.Error(kFehlerAnlegen + path);
        return false;
    }
    try {
        auto store = [&](const char* member, const std::string& bytes) {
            if (m_storeHook)
                m_storeHook(member);
            if (!zip.AddMember(member, bytes, CZipWriter::Now()))
                throw CFehler(kFehlerSpeichern);
        };
        store(kbx_format::kBuchungen, journal);
        {
            std::ostringstream out;
            if (!m_belegtexte->SaveStream(out))
                throw CFehler(kFehlerSpeichern);
            store(kbx_format::kBelegtexte, out.str());
        }
        {
            std::ostringstream out;
            if (!m_firma->SaveStream(out))
                throw CFehler(kFehlerSpeichern);
            store(kbx_format::kFirma, out.str());
        }
        if (m_protokoll)
            store(kbx_format::kProtokoll, m_protokoll->Bytes());
        if (!abschluesse.empty())
            store(kbx_format::kKassenabschluesse, abschluesse);
        if (!zip.Close() || !file.Commit())
            throw CFehler(kFehlerSpeichern);
    } catch (const std::exception& e) {
        // The temporary file goes with `file`; the cash book is untouched.
        return report ? SaveFailed(e) : false;
    }
    return true;
}

bool CKassenbuch::SaveFailed(const std::exception& e)
{
    // A refusal of the journal itself (a text too long, a journal too
    // large) says what is wrong; without that the user could not know
    // what to change, and every later save would fail the same way.
    if (dynamic_cast<const CFehler*>(&e) && std::string(e.what()) != kFehlerSpeichern)
        m_messages.Error(e.what());
    m_messages.Error(kFehlerSpeichern);
    return false;
}
