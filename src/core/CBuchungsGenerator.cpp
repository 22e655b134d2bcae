#include "core/CBuchungsGenerator.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

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
    for (int e = 0; e < k; ++e) {
        eintraege[e].Bezeichnung = katalog.GetBezeichnung(e);
        eintraege[e].UStID = katalog.GetUStID(e);
        eintraege[e].Einnahme = katalog.GetEinAus(e) == 1;
    }

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
