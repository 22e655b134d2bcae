// The journal's index checks, sums and its "Buchungen.dat" form.
#include "core/CBuchungen.h"

#include <algorithm>

#include <cstdint>
#include <cstdio>

#include "core/BuchungenFormat.h"
#include "core/CBinStream.h"
#include "core/CFehler.h"

// The sizing of kMaxFileSize, checked where the record types are known: a
// member of nothing but empty records, the shape that grows most, stays
// inside kMaxOpenMemory with its buffer.
static_assert(buchungen_format::kMaxFileSize
                      + buchungen_format::kMaxFileSize / buchungen_format::kRecordFixedSize
                            * sizeof(CBuchungssatz)
                  <= buchungen_format::kMaxOpenMemory,
              "a member at the size limit could take more memory than kMaxOpenMemory");
static_assert(sizeof(CBuchungszeile) <= 4 * buchungen_format::kLineFixedSize,
              "lines grow more than the size limit allows for");

namespace {

const char* const kIndexUngueltig = "GetItem: Index ung\xFCltig";
const char* const kZeileUngueltig = "GetItem: Buchungssatz-Index ung\xFCltig";

// Sums are kept unsigned so that they wrap around on overflow (as CBetrag
// does) instead of being undefined: only a crafted file comes near it.
std::uint64_t LineSum(const CBuchungssatz& satz, SumMode mode)
{
    std::uint64_t sum = 0;
    switch (mode) {
    case SumMode::Income:
        for (const CBuchungszeile& z : satz.Zeilen)
            sum += CBetrag::U(z.Einnahme.Raw());
        break;
    case SumMode::Expense:
        for (const CBuchungszeile& z : satz.Zeilen)
            sum -= CBetrag::U(z.Ausgabe.Raw());
        break;
    default: // Net, and any value that is neither of the others
        for (const CBuchungszeile& z : satz.Zeilen)
            sum += CBetrag::U(z.Einnahme.Raw()) - CBetrag::U(z.Ausgabe.Raw());
        break;
    }
    return sum;
}

template <class Pred>
CBetrag SumWhere(const std::vector<CBuchungssatz>& saetze, SumMode mode, Pred datumPasst)
{
    std::uint64_t sum = 0;
    for (const CBuchungssatz& satz : saetze)
        if (datumPasst(satz.Datum.Seconds()))
            sum += LineSum(satz, mode);
    return CBetrag(CBetrag::Wrap(sum));
}

std::string BuchungsName(int i, const CBuchungssatz& satz)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "Nr. %d vom %s", i + 1, satz.Datum.ToDisplay().c_str());
    return buf;
}

std::size_t CheckedTextSize(const std::string& text, int i, const CBuchungssatz& satz)
{
    if (text.size() > static_cast<std::size_t>(buchungen_format::kMaxTextLength))
        throw CFehler("Ein Text der Buchung " + BuchungsName(i, satz)
                      + " ist zu lang zum Speichern (h\xF6" "chstens 32767 Zeichen).");
    return text.size();
}

// Checks that every record fits the file's 16-bit lengths and counts and
// returns the exact size of the file, so that a refusal leaves the stream
// untouched and the write itself needs a single allocation.
std::size_t CheckedFileSize(const std::vector<CBuchungssatz>& saetze)
{
    namespace fmt = buchungen_format;
    std::size_t size = fmt::kHeaderSize;
    for (std::size_t k = 0; k < saetze.size(); ++k) {
        const CBuchungssatz& satz = saetze[k];
        const int i = static_cast<int>(k);
        if (satz.Zeilen.size() > static_cast<std::size_t>(fmt::kMaxLineCount))
            throw CFehler("Die Buchung " + BuchungsName(i, satz)
                          + " hat zu viele Zeilen zum Speichern (h\xF6" "chstens 32767).");
        size += fmt::kRecordFixedSize;
        size += CheckedTextSize(satz.Notiz, i, satz) + CheckedTextSize(satz.RgNr, i, satz);
        for (const CBuchungszeile& z : satz.Zeilen) {
            size += fmt::kLineFixedSize;
            size += CheckedTextSize(z.Bezeichnung, i, satz) + CheckedTextSize(z.Notiz, i, satz);
        }
    }
    return size;
}

void WriteRecord(CBinStream& stream, const CBuchungssatz& satz)
{
    stream.WriteI64(satz.Datum.Seconds());
    stream.WriteString(satz.Notiz); // Notiz before RgNr, as the file has always had it
    stream.WriteString(satz.RgNr);
    stream.WriteBool(satz.Aufteilung);
    stream.WriteU16(static_cast<std::uint16_t>(satz.Zeilen.size()));
    for (const CBuchungszeile& z : satz.Zeilen) {
        stream.WriteString(z.Bezeichnung);
        stream.WriteString(z.Notiz);
        stream.WriteI64(z.Einnahme.Raw());
        stream.WriteI64(z.Ausgabe.Raw());
        stream.WriteU16(static_cast<std::uint16_t>(z.UStID));
    }
}

CBuchungssatz ReadRecord(CBinStream& stream)
{
    CBuchungssatz satz;
    satz.Datum = CDatum(stream.ReadI64());
    satz.Notiz = stream.ReadString();
    satz.RgNr = stream.ReadString();
    satz.Aufteilung = stream.ReadBool();
    const int lines = stream.ReadI16();
    if (lines < 0)
        throw CFehler("Ung\xFCltige Anzahl an Buchungen");
    // Reserved once, but never beyond what the bytes left can hold: a
    // damaged count must not decide how much memory we take, and growing
    // line by line would leave up to half of the lines' room unused (a
    // record of 33 lines held room for 64), which is what let a crafted
    // member take eight times its size.
    satz.Zeilen.reserve(std::min<std::size_t>(static_cast<std::size_t>(lines),
                                              stream.Remaining() / buchungen_format::kLineFixedSize));
    for (int j = 0; j < lines; ++j) {
        CBuchungszeile z;
        z.Bezeichnung = stream.ReadString();
        z.Notiz = stream.ReadString();
        z.Einnahme = CBetrag(stream.ReadI64());
        z.Ausgabe = CBetrag(stream.ReadI64());
        z.UStID = stream.ReadI16();
        satz.Zeilen.push_back(std::move(z));
    }
    if (stream.IsFailed())
        throw CFehler("Fehler beim Lesen eines Buchungssatzes");
    return satz;
}

} // namespace

const CBuchungssatz& CBuchungen::GetItem(int i) const
{
    if (i < 0 || i >= GetCount())
        throw CFehler(kIndexUngueltig);
    return m_saetze[static_cast<std::size_t>(i)];
}

CBuchungssatz& CBuchungen::GetItem(int i)
{
    return const_cast<CBuchungssatz&>(static_cast<const CBuchungen&>(*this).GetItem(i));
}

const CBuchungszeile& CBuchungen::GetItem(int i, int j) const
{
    const CBuchungssatz& satz = GetItem(i);
    if (j < 0 || j >= static_cast<int>(satz.Zeilen.size()))
        throw CFehler(kZeileUngueltig);
    return satz.Zeilen[static_cast<std::size_t>(j)];
}

CBuchungszeile& CBuchungen::GetItem(int i, int j)
{
    return const_cast<CBuchungszeile&>(static_cast<const CBuchungen&>(*this).GetItem(i, j));
}

int CBuchungen::AddItem()
{
    CBuchungssatz satz;
    satz.Datum = CDatum::Now();
    m_saetze.push_back(std::move(satz));
    return GetCount() - 1;
}

void CBuchungen::RemoveItem(int i)
{
    GetItem(i);
    m_saetze.erase(m_saetze.begin() + i);
}

int CBuchungen::GetLineCount(int i) const
{
    return static_cast<int>(GetItem(i).Zeilen.size());
}

int CBuchungen::AddLine(int i)
{
    std::vector<CBuchungszeile>& zeilen = GetItem(i).Zeilen;
    zeilen.emplace_back();
    return static_cast<int>(zeilen.size()) - 1;
}

void CBuchungen::RemoveLine(int i, int j)
{
    GetItem(i, j);
    std::vector<CBuchungszeile>& zeilen = GetItem(i).Zeilen;
    zeilen.erase(zeilen.begin() + j);
}

bool CBuchungen::HasLineText(const std::string& text) const
{
    for (const CBuchungssatz& satz : m_saetze)
        for (const CBuchungszeile& z : satz.Zeilen)
            if (z.Bezeichnung == text)
                return true;
    return false;
}

CBetrag CBuchungen::GetLineSum(int i, SumMode mode) const
{
    return CBetrag(CBetrag::Wrap(LineSum(GetItem(i), mode)));
}

CBetrag CBuchungen::GetDaySum(CDatum day, SumMode mode) const
{
    const std::int64_t d = day.Seconds();
    return SumWhere(m_saetze, mode, [d](std::int64_t t) { return t == d; });
}

CBetrag CBuchungen::GetSumBefore(CDatum date, SumMode mode) const
{
    const std::int64_t d = date.Seconds();
    return SumWhere(m_saetze, mode, [d](std::int64_t t) { return t < d; });
}

CBetrag CBuchungen::GetRangeSum(CDatum from, CDatum to, SumMode mode) const
{
    const std::int64_t a = from.Seconds();
    const std::int64_t b = to.Seconds();
    if (a > b)
        return CBetrag();
    // a <= t <= b as one unsigned comparison: a month is a small share of
    // the journal, so this branch is rarely taken and well predicted, where
    // the two separate tests were mispredicted on about every other record.
    const std::uint64_t width = static_cast<std::uint64_t>(b) - static_cast<std::uint64_t>(a);
    return SumWhere(m_saetze, mode, [a, width](std::int64_t t) {
        return static_cast<std::uint64_t>(t) - static_cast<std::uint64_t>(a) <= width;
    });
}

CBetrag CBuchungen::GetRunningBalance(CDatum from, CDatum day) const
{
    CBetrag result = GetSumBefore(from, SumMode::Net);
    WalkDailyBalance(from, day, [&result](CDatum, CBetrag balance) {
        result = balance;
        return true;
    });
    return result;
}

std::uint64_t CBuchungen::FileSize() const
{
    namespace fmt = buchungen_format;
    std::uint64_t size = fmt::kHeaderSize;
    for (const CBuchungssatz& satz : m_saetze) {
        size += fmt::kRecordFixedSize + satz.Notiz.size() + satz.RgNr.size();
        for (const CBuchungszeile& z : satz.Zeilen)
            size += fmt::kLineFixedSize + z.Bezeichnung.size() + z.Notiz.size();
    }
    return size;
}

std::string CBuchungen::MeldungZuGross(std::uint64_t fileSize)
{
    // Bytes with thousands points, so that a journal just over the limit
    // does not read as the same number as the limit.
    std::string bytes = std::to_string(fileSize);
    for (int pos = static_cast<int>(bytes.size()) - 3; pos > 0; pos -= 3)
        bytes.insert(static_cast<std::size_t>(pos), 1, '.');
    return "Die Buchungen w\xE4ren mit " + bytes + " Bytes zu gro\xDF f\xFCr eine Kassendatei (h\xF6"
           "chstens " + std::to_string(buchungen_format::kMaxFileSize >> 20)
        + " MB). Bitte legen Sie f\xFCr weitere Buchungen eine neue Kasse an.";
}

bool CBuchungen::Write(CBinStream& stream) const
{
    if (stream.IsFailed())
        return false;
    // Refused here rather than at the next open: a file the reader turns
    // away would take every booking in it with it.
    const std::size_t size = CheckedFileSize(m_saetze);
    if (size > buchungen_format::kMaxFileSize)
        throw CFehler(MeldungZuGross(size));
    stream.Reserve(size);

    stream.WriteU32(buchungen_format::kMagic);
    stream.WriteU32(static_cast<std::uint32_t>(m_saetze.size()));
    for (const CBuchungssatz& satz : m_saetze)
        WriteRecord(stream, satz);
    return true;
}

std::string CBuchungen::SatzBytes(int i) const
{
    const std::vector<CBuchungssatz> einer{GetItem(i)};
    CBinStream stream;
    stream.Reserve(CheckedFileSize(einer) - buchungen_format::kHeaderSize);
    WriteRecord(stream, einer.front());
    return stream.TakeBytes();
}

bool CBuchungen::Read(CBinStream& stream, std::string* error)
{
    if (stream.IsFailed())
        return false;
    try {
        if (stream.ReadU32() != buchungen_format::kMagic)
            throw CFehler("Ung\xFCltige Datei");
        const std::uint32_t count = stream.ReadU32();
        Clear();
        // The count alone is never trusted for reserving: a record takes at
        // least kRecordFixedSize bytes, so the bytes actually present bound
        // what a damaged count can make us reserve. Reserving at all matters:
        // growing record by record made opening 200,000 bookings several
        // times slower than inflating them.
        const std::size_t possible = stream.Remaining() / buchungen_format::kRecordFixedSize;
        m_saetze.reserve(std::min<std::size_t>(count, possible));
        for (std::uint32_t k = 0; k < count; ++k)
            m_saetze.push_back(ReadRecord(stream));
    } catch (const CFehler& e) {
        if (error)
            *error = e.what();
        return false;
    }
    return true;
}
