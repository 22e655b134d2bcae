#pragma once
// The daily closes of a cash book, in the order of their days, and their
// member "Kassenabschluesse.xml":
//
//   <Kassenabschluesse>
//     <Kassenabschluss>
//       <Datum>2026-12-09</Datum> <Zeitpunkt>UTC seconds</Zeitpunkt>
//       <Waehrung>EUR</Waehrung>
//       <Zaehlung><Posten Nennwert="50,0000" Anzahl="2"/>...</Zaehlung>
//       <Gezaehlt>..</Gezaehlt> <Kassenbestand>..</Kassenbestand> <Differenz>..</Differenz>
//       <Buchung>journal index or -1</Buchung>
//       <Protokoll><Nr>..</Nr><Hash>16 hex digits</Hash></Protokoll>   (only with a log entry)
//     </Kassenabschluss>
//   </Kassenabschluesse>
//
// Amounts have four decimals after a comma. The reader takes nothing on
// trust: every value must have its exact form, the days must rise, the
// sums must add up and a difference booking must exist in the journal.
#include <optional>
#include <string>
#include <vector>

#include "core/CKassenabschluss.h"

class CKassenabschluesse {
public:
    // Twenty-seven years of daily closes. The bound keeps the member, at
    // about 1,1 KB a close, below kbx_format::kMaxXmlBytes, so whatever is
    // saved opens again.
    static constexpr std::size_t kMaxEintraege = 10000;

    const std::vector<CKassenabschluss>& Alle() const { return m_eintraege; }
    bool Leer() const { return m_eintraege.empty(); }
    // The last closed day, or a null date when no day is closed.
    CDatum LetzterTag() const;
    // The close of exactly this day.
    const CKassenabschluss* Fuer(CDatum tag) const;
    // Appends a close; raises CFehler unless its day is later than the last one.
    void Hinzufuegen(CKassenabschluss abschluss);
    // Takes back the last close (one whose log entry could not be written).
    void EntferneLetzten()
    {
        if (!m_eintraege.empty())
            m_eintraege.pop_back();
    }
    // The ProtokollNr and hash of the last close, once its log entry is written.
    void SetzeProtokoll(std::uint64_t nr, const std::string& hash);

    // The member's bytes (Windows-1252 under an ISO-8859-1 declaration).
    std::string Schreiben() const;
    // One close alone in the same form, for a log entry.
    static std::string Schreiben(const CKassenabschluss& abschluss);
    // Replaces the content; false (content unchanged) on any damage, with
    // the reason in *fehler. `buchungen` is the journal's record count.
    bool Lesen(const std::string& bytes, int buchungen, std::string* fehler = nullptr);

private:
    std::vector<CKassenabschluss> m_eintraege;
};
