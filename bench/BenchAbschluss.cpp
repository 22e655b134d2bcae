// The daily close at 200,000 bookings: the count sheet made from the
// journal (the book's balance at the end of the day), the checks of a cash
// book with fixed bookings (an earlier open day, a till going negative),
// the difference booked and the close recorded. One close must take far
// less than a frame (16 ms).
#include <cstdio>

#include "BenchSections.h"
#include "BenchUtil.h"
#include "core/CAbschlussRegeln.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsGenerator.h"
#include "core/UserMessages.h"
#include "storage/CKassenbuch.h"
#include "storage/CTagesabschluss.h"

namespace {

class StilleMeldungen : public UserMessages {
public:
    Answer Show(const std::string& text, Icon, Buttons, const std::string&) override
    {
        std::fprintf(stderr, "abschluss: %s\n", text.c_str());
        return Answer::Ok;
    }
    void ShowSystemError(int) override {}
};

} // namespace

void BenchAbschluss()
{
    StilleMeldungen meldungen;
    CKassenbuch kasse(meldungen);
    kasse.New("");
    CBuchungen& journal = *kasse.GetBuchungen();
    CBuchungsGenerator::GenerateBookings(journal, *kasse.GetBelegtexte(), 200000, 4711);
    CDatum letzter;
    for (int i = 0; i < journal.GetCount(); ++i)
        letzter = std::max(letzter, journal.GetItem(i).Datum);
    CDatum tag = letzter.Midnight();
    const CDatum heute = CDatum::FromYMD(2099, 12, 31);
    const std::vector<double> us = bench::TimeRuns(7, [&] {
        CKassenabschluss a = CZaehlprotokoll::Erstelle(journal, tag, "EUR", CZaehlprotokoll::LeereZaehlung("EUR"),
                                                       CBetrag());
        // What a cash book with fixed bookings asks besides.
        bench::g_sink += CAbschlussRegeln::OffenerTagDavor(journal, kasse.GetKassenabschluesse(), tag).has_value();
        const CBestandsAenderung aenderung[] = {{a.Tag, a.Differenz}};
        bench::g_sink += CAbschlussRegeln::ErsterNegativerTag(journal, aenderung).has_value();
        bench::g_sink += CTagesabschluss::Schliesse(kasse, a, heute, 0).Buchung;
        tag = tag.NextDay();
    });
    bench::Report("close_ms", bench::Median(us) / 1000.0, "ms");
}
