#include "core/CBuchungsGenerator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/BuchungenFormat.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CDatum.h"
#include "core/CFehler.h"
#include "core/CMsvcRand.h"

const char* const CBuchungsGenerator::MeldungKeineBelegtexte =
    "Es sind keine Belegtexte vorhanden.";

namespace {

struct Eintrag {
    std::string Bezeichnung;
    int UStID = 0;
    bool Einnahme = false;
};

// At most how many bytes `count` generated bookings add to the file: each
// is one record with one line, its note "Buchung #i" and a receipt text of
// at most `bezeichnung` bytes. Only the receipt text is drawn at random, so
// the notes are counted exactly.
std::uint64_t Zuwachs(int count, std::size_t bezeichnung)
{
    namespace fmt = buchungen_format;
    const std::uint64_t n = static_cast<std::uint64_t>(count);
    std::uint64_t bytes = n * (fmt::kRecordFixedSize + fmt::kLineFixedSize + bezeichnung + 9);
    // One digit for every i, one more from 10 on, from 100 on, ...
    for (std::uint64_t ab = 1; ab <= n; ab *= 10)
        bytes += n - (ab == 1 ? 0 : ab);
    return bytes;
}

} // namespace

void CBuchungsGenerator::GenerateBookings(CBuchungen& journal, const CBelegtexte& katalog,
                                          int count, std::uint32_t seed)
{
    // Every "Beleg" counts, whatever its flags. Reading the few entries
    // once keeps 200,000 draws from walking the XML document each time.
    const int k = katalog.GetCount();
    if (k <= 0)
        throw CFehler(MeldungKeineBelegtexte);
    if (count < 1)
        return;
    std::vector<Eintrag> eintraege(static_cast<std::size_t>(k));
    std::size_t laengsteBezeichnung = 0;
    for (int e = 0; e < k; ++e) {
        eintraege[e].Bezeichnung = katalog.GetBezeichnung(e);
        eintraege[e].UStID = katalog.GetUStID(e);
        eintraege[e].Einnahme = katalog.GetEinAus(e) == 1;
        laengsteBezeichnung = std::max(laengsteBezeichnung, eintraege[e].Bezeichnung.size());
    }
    // Refused before the first booking is made: a journal the file cannot
    // hold could not be saved, and half a run is no use either.
    const std::uint64_t groesse = journal.FileSize() + Zuwachs(count, laengsteBezeichnung);
    if (groesse > buchungen_format::kMaxFileSize)
        throw CFehler(CBuchungen::MeldungZuGross(groesse));

    const std::int64_t start = CDatum::FromYMD(2003, 1, 1).Seconds();
    const std::int64_t ende = CDatum::FromYMD(2005, 12, 31).Seconds();
    const std::int64_t schritt = (ende - start) / count;

    CMsvcRand rand(seed);
    int einnahmen = 1;
    int ausgaben = 1;
    std::int64_t t = start;
    // The local midnight of t, recomputed only when t leaves that day:
    // converting every moment through the time-zone rules would dominate
    // a run of 200,000 bookings.
    CDatum tag = CDatum(t).Midnight();
    CDatum naechsterTag = tag.NextDay();
    char notiz[32];
    for (int i = 0; i < count; ++i) {
        if (t >= naechsterTag.Seconds()) {
            tag = CDatum(t).Midnight();
            naechsterTag = tag.NextDay();
        }
        const int satz = journal.AddItem();
        journal.GetItem(satz).Datum = tag;
        CBuchungszeile& zeile = journal.GetItem(satz, journal.AddLine(satz));
        const Eintrag& e = eintraege[static_cast<std::size_t>(rand.Next() % k)];
        zeile.Bezeichnung = e.Bezeichnung;
        zeile.UStID = static_cast<std::int16_t>(e.UStID);
        std::snprintf(notiz, sizeof notiz, "Buchung #%d", i);
        journal.GetItem(satz).Notiz = notiz;
        // The amount is up to 100 times the ratio of the other direction's
        // count to this one's, which keeps receipts and payments of a similar
        // size overall; the product is taken left to right as written.
        const double x = rand.Next() / 32767.0;
        if (e.Einnahme) {
            const double verhaeltnis = static_cast<double>(ausgaben) / einnahmen;
            zeile.Einnahme = CBetrag(static_cast<std::int64_t>(std::floor(x * verhaeltnis * 100 * 10000)));
            ++einnahmen;
        } else {
            const double verhaeltnis = static_cast<double>(einnahmen) / ausgaben;
            zeile.Ausgabe = CBetrag(static_cast<std::int64_t>(std::floor(x * verhaeltnis * 100 * 10000)));
            ++ausgaben;
        }
        t += schritt;
    }
}
