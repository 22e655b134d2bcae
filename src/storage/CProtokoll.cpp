// Reading, checking and appending the booking log. The rules an entry must
// keep are in one function, Regelverstoss, which both the reader and
// Anfuegen ask, so the program can never write a log it would call broken.
#include "storage/CProtokoll.h"

#include <algorithm>
#include <cstring>

#include "core/BuchungenFormat.h"
#include "core/CFehler.h"
#include "storage/ProtokollFormat.h"

namespace fmt = protokoll_format;

namespace {

const char* const kBeschaedigt = "ist besch\xE4" "digt";
const char* const kFehlt = "fehlt";

template <class T>
T Lese(const char* p)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        v |= std::uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
    return static_cast<T>(v);
}

template <class T>
void Schreibe(std::string& out, T value)
{
    const auto u = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out += static_cast<char>(static_cast<unsigned char>(u >> (8 * i)));
}

// Walks bytes laid out as in "Buchungen.dat" without building anything.
class CSatzLeser {
public:
    CSatzLeser(const char* p, std::size_t n) : m_p(p), m_n(n) {}

    // Steps over one record; false when the bytes cannot be one.
    bool Satz()
    {
        if (!Weiter(8) || !Text() || !Text() || !Bool())
            return false;
        const int zeilen = I16();
        if (zeilen < 0)
            return false;
        for (int j = 0; j < zeilen; ++j)
            if (!Text() || !Text() || !Weiter(8 + 8 + 2))
                return false;
        return true;
    }
    bool Ende() const { return m_pos == m_n; }
    std::size_t Rest() const { return m_n - m_pos; }
    std::uint32_t U32()
    {
        if (!Weiter(4))
            return 0;
        return Lese<std::uint32_t>(m_p + m_pos - 4);
    }

private:
    bool Weiter(std::size_t k)
    {
        if (m_n - m_pos < k)
            return false;
        m_pos += k;
        return true;
    }
    int I16()
    {
        if (!Weiter(2))
            return -1;
        return Lese<std::int16_t>(m_p + m_pos - 2);
    }
    bool Text()
    {
        const int laenge = I16();
        return laenge >= 0 && Weiter(static_cast<std::size_t>(laenge));
    }
    bool Bool() { return Weiter(1) && static_cast<unsigned char>(m_p[m_pos - 1]) <= 1; }

    const char* m_p;
    std::size_t m_n;
    std::size_t m_pos = 0;
};

std::string Kopf(std::uint32_t anzahl)
{
    std::string kopf;
    Schreibe(kopf, fmt::kMagic);
    Schreibe(kopf, anzahl);
    kopf.append(fmt::kHashSize, '\0');
    return kopf;
}

} // namespace

CProtokoll::CProtokoll() : m_bytes(Kopf(0)) {}

CProtokoll::CProtokoll(std::string bytes) : m_bytes(std::move(bytes))
{
    Lesen();
}

const char* CProtokoll::ArtText(ProtokollArt art)
{
    switch (art) {
    case ProtokollArt::Umstellung: return "Festschreibung ein";
    case ProtokollArt::Uebernahme: return "\xDC" "bernahme";
    case ProtokollArt::Buchung: return "Buchung";
    case ProtokollArt::Storno: return "Storno";
    case ProtokollArt::Tagesabschluss: return "Kassenabschluss";
    }
    return "";
}

std::string CProtokoll::Regelverstoss(ProtokollArt art, std::uint32_t bezug, const char* daten,
                                      std::uint32_t laenge, std::uint32_t& saetze) const
{
    saetze = 0;
    const std::size_t n = m_eintraege.size();
    const bool passt = n == 0 ? art == ProtokollArt::Umstellung
        : n == 1              ? art == ProtokollArt::Uebernahme
                              : art == ProtokollArt::Buchung || art == ProtokollArt::Storno
                || art == ProtokollArt::Tagesabschluss;
    if (!passt)
        return "steht an der falschen Stelle";
    CSatzLeser leser(daten, laenge);
    if (art == ProtokollArt::Uebernahme) {
        if (leser.U32() != buchungen_format::kMagic)
            return "enth\xE4lt keine Buchungen";
        const std::uint32_t anzahl = leser.U32();
        // Bounded by the bytes: each record takes at least its fixed part.
        if (anzahl > leser.Rest() / buchungen_format::kRecordFixedSize)
            return "enth\xE4lt keine Buchungen";
        for (std::uint32_t k = 0; k < anzahl; ++k)
            if (!leser.Satz())
                return "enth\xE4lt keine Buchungen";
        saetze = anzahl;
    } else if (art == ProtokollArt::Buchung || art == ProtokollArt::Storno) {
        if (!leser.Satz())
            return "enth\xE4lt keine Buchung";
        saetze = 1;
    }
    if (!leser.Ende() && art != ProtokollArt::Tagesabschluss)
        return kBeschaedigt;
    if (art == ProtokollArt::Storno) {
        if (bezug == 0 || bezug > m_satzBezug.size())
            return "storniert eine Buchung, die es nicht gibt";
        const std::int32_t ziel = m_satzBezug[bezug - 1];
        if (ziel < 0)
            return "storniert ein Storno";
        if (ziel > 0)
            return "storniert eine schon stornierte Buchung";
    } else if (art == ProtokollArt::Buchung && bezug != 0) {
        return kBeschaedigt;
    }
    return {};
}

void CProtokoll::Aufnehmen(const CProtokollEintrag& eintrag, std::uint32_t saetze)
{
    CProtokollEintrag e = eintrag;
    if (e.Art == ProtokollArt::Buchung || e.Art == ProtokollArt::Storno) {
        e.Satz = static_cast<std::int32_t>(m_satzBezug.size());
        const auto nummer = static_cast<std::int32_t>(m_satzBezug.size() + 1);
        if (e.Art == ProtokollArt::Storno) {
            m_satzBezug[e.Bezug - 1] = nummer;
            m_satzBezug.push_back(-static_cast<std::int32_t>(e.Bezug));
        } else {
            m_satzBezug.push_back(0);
        }
    } else if (e.Art == ProtokollArt::Uebernahme) {
        e.Satz = 0;
        m_uebernommen = static_cast<int>(saetze);
        m_satzBezug.resize(m_satzBezug.size() + saetze, 0);
    }
    m_eintraege.push_back(e);
}

void CProtokoll::Lesen()
{
    const std::size_t groesse = m_bytes.size();
    const char* p = m_bytes.data();
    if (groesse < static_cast<std::size_t>(fmt::kHeaderSize) || Lese<std::uint32_t>(p) != fmt::kMagic
        || std::any_of(p + 8, p + fmt::kHeaderSize, [](char c) { return c != 0; })) {
        m_fehler = {1, kBeschaedigt};
        return;
    }
    const std::uint32_t anzahl = Lese<std::uint32_t>(p + 4);
    // A log always begins with the switch: without entries it is missing.
    if (anzahl == 0) {
        m_fehler = {1, kFehlt};
        return;
    }
    // A crafted count never decides what is reserved: each entry takes at
    // least kEntryFixedSize of the bytes that are there.
    m_eintraege.reserve(std::min<std::size_t>(anzahl, groesse / fmt::kEntryFixedSize));

    std::size_t pos = fmt::kHeaderSize;
    for (std::uint32_t k = 0; k < anzahl; ++k) {
        const std::uint32_t nr = k + 1;
        if (pos == groesse) {
            m_fehler = {nr, kFehlt};
            return;
        }
        const std::size_t rest = groesse - pos;
        if (rest < static_cast<std::size_t>(fmt::kEntryFixedSize)) {
            m_fehler = {nr, kBeschaedigt};
            return;
        }
        CProtokollEintrag e;
        e.Anfang = pos;
        const char* q = p + pos;
        const std::uint32_t gespeicherteNr = Lese<std::uint32_t>(q);
        e.Zeit = Lese<std::int64_t>(q + 4);
        e.Art = static_cast<ProtokollArt>(Lese<std::uint16_t>(q + 12));
        e.BenutzerLaenge = Lese<std::uint16_t>(q + 14);
        const std::size_t nachBenutzer = 16 + std::size_t(e.BenutzerLaenge);
        if (e.BenutzerLaenge > fmt::kMaxLoginLength || rest < nachBenutzer + 8) {
            m_fehler = {nr, kBeschaedigt};
            return;
        }
        e.Bezug = Lese<std::uint32_t>(q + nachBenutzer);
        e.DatenLaenge = Lese<std::uint32_t>(q + nachBenutzer + 4);
        const std::size_t ende = nachBenutzer + 8 + std::size_t(e.DatenLaenge);
        if (rest - nachBenutzer - 8 < std::size_t(e.DatenLaenge) + fmt::kHashSize) {
            m_fehler = {nr, kBeschaedigt};
            return;
        }
        e.Daten = pos + nachBenutzer + 8;
        // The previous hash sits right before the entry: one stretch to digest.
        const CSha256::Wert hash = m_sha(q - fmt::kHashSize, fmt::kHashSize + ende);
        if (std::memcmp(hash.data(), q + ende, fmt::kHashSize) != 0) {
            m_fehler = {nr, "stimmt nicht mit seiner Pr\xFC" "fsumme \xFC" "berein"};
            return;
        }
        if (gespeicherteNr != nr) {
            m_fehler = {nr, "hat eine falsche Nummer"};
            return;
        }
        std::uint32_t saetze = 0;
        std::string verstoss = Regelverstoss(e.Art, e.Bezug, p + e.Daten, e.DatenLaenge, saetze);
        if (!verstoss.empty()) {
            m_fehler = {nr, std::move(verstoss)};
            return;
        }
        Aufnehmen(e, saetze);
        pos += ende + fmt::kHashSize;
    }
    if (pos != groesse)
        m_fehler = {anzahl + 1, kBeschaedigt};
}

bool CProtokoll::PruefeJournal(const std::string& buchungenDat)
{
    if (m_fehler.Nr != 0)
        return false;
    m_fehler = VergleicheJournal(buchungenDat);
    return m_fehler.Nr == 0;
}

CProtokollFehler CProtokoll::VergleicheJournal(const std::string& buchungenDat) const
{
    // Walks the entries in order and compares each one's records with the
    // journal's bytes at the same place. A broken log accounts for only
    // some of the records; it is called broken at its own bad entry.
    if (m_fehler.Nr != 0)
        return m_fehler;
    std::size_t pos = buchungen_format::kHeaderSize;
    const bool kopfGut = buchungenDat.size() >= pos
        && Lese<std::uint32_t>(buchungenDat.data() + 4) == m_satzBezug.size();
    for (std::size_t k = 0; k < m_eintraege.size(); ++k) {
        const CProtokollEintrag& e = m_eintraege[k];
        std::size_t von = e.Daten;
        std::size_t laenge = e.DatenLaenge;
        if (e.Art == ProtokollArt::Uebernahme) {
            von += buchungen_format::kHeaderSize;
            laenge -= buchungen_format::kHeaderSize;
        } else if (e.Art != ProtokollArt::Buchung && e.Art != ProtokollArt::Storno) {
            continue;
        }
        if (!kopfGut || buchungenDat.size() - pos < laenge
            || buchungenDat.compare(pos, laenge, m_bytes, von, laenge) != 0)
            return {static_cast<std::uint32_t>(k + 1), "passt nicht zu den Buchungen"};
        pos += laenge;
    }
    if (pos != buchungenDat.size())
        // The journal holds more than the log: the entry for it is missing.
        return {static_cast<std::uint32_t>(m_eintraege.size()) + 1, kFehlt};
    return {};
}

std::uint32_t CProtokoll::Anfuegen(ProtokollArt art, const std::string& nutzdaten, std::int64_t zeit,
                                   const std::string& benutzer, std::uint32_t bezug)
{
    if (!IstInOrdnung())
        throw CFehler("Das Protokoll ist besch\xE4" "digt; es kann nichts mehr angef\xFC" "gt werden.");
    const std::string name = benutzer.substr(0, fmt::kMaxLoginLength);
    const std::uint64_t neu = std::uint64_t(m_bytes.size()) + fmt::kEntryFixedSize + name.size() + nutzdaten.size();
    if (neu > fmt::kMaxFileSize)
        throw CFehler("Das Protokoll der Buchungen w\xFC" "rde zu gro\xDF f\xFC" "r eine Kassendatei (h\xF6" "chstens "
                      + std::to_string(fmt::kMaxFileSize >> 20)
                      + " MB). Bitte legen Sie f\xFC" "r weitere Buchungen eine neue Kasse an.");
    std::uint32_t saetze = 0;
    const std::string verstoss = Regelverstoss(art, bezug, nutzdaten.data(),
                                               static_cast<std::uint32_t>(nutzdaten.size()), saetze);
    if (!verstoss.empty())
        throw CFehler("Der Eintrag wird nicht ins Protokoll aufgenommen: er " + verstoss + ".");

    const auto nr = static_cast<std::uint32_t>(m_eintraege.size() + 1);
    CProtokollEintrag e;
    e.Anfang = m_bytes.size();
    e.Zeit = zeit;
    e.Art = art;
    e.Bezug = bezug;
    e.BenutzerLaenge = static_cast<std::uint16_t>(name.size());
    e.DatenLaenge = static_cast<std::uint32_t>(nutzdaten.size());
    Schreibe(m_bytes, nr);
    Schreibe(m_bytes, zeit);
    Schreibe(m_bytes, static_cast<std::uint16_t>(art));
    Schreibe(m_bytes, e.BenutzerLaenge);
    m_bytes += name;
    Schreibe(m_bytes, bezug);
    Schreibe(m_bytes, e.DatenLaenge);
    e.Daten = m_bytes.size();
    m_bytes += nutzdaten;
    const std::size_t von = static_cast<std::size_t>(e.Anfang) - fmt::kHashSize;
    const CSha256::Wert hash = m_sha(m_bytes.data() + von, m_bytes.size() - von);
    m_bytes.append(reinterpret_cast<const char*>(hash.data()), hash.size());
    const std::string kopf = Kopf(nr);
    m_bytes.replace(0, 8, kopf, 0, 8);
    Aufnehmen(e, saetze);
    return nr;
}

std::string CProtokoll::Benutzer(int i) const
{
    const CProtokollEintrag& e = GetEintrag(i);
    return m_bytes.substr(static_cast<std::size_t>(e.Anfang) + 16, e.BenutzerLaenge);
}

std::string CProtokoll::Nutzdaten(int i) const
{
    const CProtokollEintrag& e = GetEintrag(i);
    return m_bytes.substr(static_cast<std::size_t>(e.Daten), e.DatenLaenge);
}

CSha256::Wert CProtokoll::Hash(int i) const
{
    const CProtokollEintrag& e = GetEintrag(i);
    CSha256::Wert wert{};
    std::memcpy(wert.data(), m_bytes.data() + e.Daten + e.DatenLaenge, wert.size());
    return wert;
}

std::string CProtokoll::LetzterHash() const
{
    return m_eintraege.empty() ? std::string() : CSha256::Hex(Hash(GetCount() - 1));
}

std::uint32_t CProtokoll::StorniertDurch(int satz) const
{
    if (satz < 0 || satz >= GetSatzCount())
        return 0;
    const std::int32_t v = m_satzBezug[static_cast<std::size_t>(satz)];
    return v > 0 ? static_cast<std::uint32_t>(v) : 0;
}

std::uint32_t CProtokoll::StorniertBuchung(int satz) const
{
    if (satz < 0 || satz >= GetSatzCount())
        return 0;
    const std::int32_t v = m_satzBezug[static_cast<std::size_t>(satz)];
    return v < 0 ? static_cast<std::uint32_t>(-v) : 0;
}
