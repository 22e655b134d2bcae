#pragma once
// The booking log of a cash book whose bookings are locked: every booking,
// reversal and daily close in order, numbered without gaps and chained by
// SHA-256, so that a change made outside the program shows (the bytes are
// described in ProtokollFormat.h). The log keeps its file form in memory
// and appends to it; saving writes those bytes as they are.
//
// Reading stops at the first entry that is damaged, out of order or
// breaks the rules of reversal; the entries before it stay readable, and
// Fehler() names the bad one. A broken log is never appended to.
#include <cstdint>
#include <string>
#include <vector>

#include "storage/CSha256.h"

enum class ProtokollArt : std::uint16_t {
    Umstellung = 1,     // the switch to locked bookings; always entry 1
    Uebernahme = 2,     // the journal as it stood at the switch; always entry 2
    Buchung = 3,
    Storno = 4,
    Tagesabschluss = 5, // a daily close; its payload is the close's own bytes
};

// The first entry that does not hold, or Nr 0 when the log is sound.
struct CProtokollFehler {
    std::uint32_t Nr = 0;
    std::string Grund;  // e.g. "ist besch\xE4" "digt", completes "Eintrag Nr. N ..."
};

struct CProtokollEintrag {
    std::int64_t Zeit = 0;          // capture time, UTC seconds
    std::uint64_t Anfang = 0;       // offset of the entry in Bytes()
    std::uint64_t Daten = 0;        // offset of its payload
    std::uint32_t DatenLaenge = 0;
    std::uint32_t Bezug = 0;        // reversal: the booking number it reverses
    std::int32_t Satz = -1;         // booking, reversal: its journal index
    ProtokollArt Art = ProtokollArt::Buchung;
    std::uint16_t BenutzerLaenge = 0;
};

class CProtokoll {
public:
    // An empty log: the header alone.
    CProtokoll();
    // Reads `bytes` (at most protokoll_format::kMaxFileSize). Never throws
    // for bad data: what is wrong is in Fehler().
    explicit CProtokoll(std::string bytes);

    const CProtokollFehler& Fehler() const { return m_fehler; }
    bool IstInOrdnung() const { return m_fehler.Nr == 0; }

    // Compares the journal's "Buchungen.dat" with the log: its records must
    // be those of the opening entry followed by every booking and reversal,
    // byte for byte. Records the first mismatch in Fehler() (unless an
    // earlier entry is already bad) and returns whether all held.
    bool PruefeJournal(const std::string& buchungenDat);
    // The same comparison without recording it.
    CProtokollFehler VergleicheJournal(const std::string& buchungenDat) const;
    // Marks the log broken at entry `nr` (e.g. a log that is missing).
    void MarkiereFehler(std::uint32_t nr, std::string grund) { m_fehler = {nr, std::move(grund)}; }

    // Appends an entry and returns its number. Raises CFehler, changing
    // nothing, when the log is broken, the entry breaks the rules (a
    // reversal of a reversal, of a booking reversed before or of one that
    // does not exist) or the log would outgrow kMaxFileSize. The payload of
    // a booking or reversal must be the record's bytes.
    std::uint32_t Anfuegen(ProtokollArt art, const std::string& nutzdaten, std::int64_t zeit,
                           const std::string& benutzer, std::uint32_t bezug = 0);

    int GetCount() const { return static_cast<int>(m_eintraege.size()); }
    const CProtokollEintrag& GetEintrag(int i) const { return m_eintraege.at(static_cast<std::size_t>(i)); }
    std::string Benutzer(int i) const;
    std::string Nutzdaten(int i) const;
    CSha256::Wert Hash(int i) const;
    // The last entry's hash in hex, or "" for an empty log.
    std::string LetzterHash() const;

    // Journal records the log accounts for (opening entry, bookings, reversals).
    int GetSatzCount() const { return static_cast<int>(m_satzBezug.size()); }
    // Records of the opening entry: those booked before the switch.
    int Uebernommen() const { return m_uebernommen; }
    // For booking number `satz` + 1: the booking that reverses it, or 0.
    std::uint32_t StorniertDurch(int satz) const;
    // For booking number `satz` + 1: the booking it reverses, or 0.
    std::uint32_t StorniertBuchung(int satz) const;

    // The file form, ready to be stored as "Protokoll.dat".
    const std::string& Bytes() const { return m_bytes; }

    static const char* ArtText(ProtokollArt art);

private:
    void Lesen();
    // Checks what an entry of `art` with `bezug` and `nutzdaten` would do
    // to the log and returns why it may not, or "" when it may.
    std::string Regelverstoss(ProtokollArt art, std::uint32_t bezug, const char* daten,
                              std::uint32_t laenge, std::uint32_t& saetze) const;
    // Takes an entry whose bytes are in m_bytes into the index.
    void Aufnehmen(const CProtokollEintrag& e, std::uint32_t saetze);

    std::string m_bytes;
    std::vector<CProtokollEintrag> m_eintraege;
    // Per journal record: > 0 reversed by that booking number, < 0 the
    // reversal of booking number -value, 0 neither.
    std::vector<std::int32_t> m_satzBezug;
    CProtokollFehler m_fehler;
    int m_uebernommen = 0;
    CSha256 m_sha;
};
