// The daily close at 200,000 bookings in a cash book with fixed bookings:
// the count sheet made from the journal (the book's balance at the end of
// the day), the checks (an earlier open day, a till going negative), the
// difference booked, the close recorded and entered in the booking log.
// One close must take far less than a frame (16 ms).
#include <algorithm>
#include <cstdio>

#include "BenchSections.h"
#include "BenchUtil.h"
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
    CDatum erster = journal.GetItem(0).Datum;
    CDatum letzter = erster;
    for (int i = 0; i < journal.GetCount(); ++i) {
        erster = std::min(erster, journal.GetItem(i).Datum);
        letzter = std::max(letzter, journal.GetItem(i).Datum);
    }
    // A shop that has closed every day so far, with its bookings fixed,
    // closes its last day (and then the quiet days after it).
    kasse.SchalteGoBDEin();
    for (CDatum tag = erster.Midnight(); tag < letzter.Midnight(); tag = tag.NextDay()) {
        CKassenabschluss a;
        a.Tag = tag;
        kasse.GetKassenabschluesse().Hinzufuegen(a);
    }
    CDatum tag = letzter.Midnight();
    const CDatum heute = CDatum::FromYMD(2099, 12, 31);
    const std::vector<double> us = bench::TimeRuns(7, [&] {
        CKassenabschluss a = CZaehlprotokoll::Erstelle(journal, tag, "EUR", CZaehlprotokoll::LeereZaehlung("EUR"),
                                                       CBetrag());
        bench::g_sink += CTagesabschluss::Schliesse(kasse, a, heute, 0).Buchung;
        tag = tag.NextDay();
    });
    bench::Report("close_ms", bench::Median(us) / 1000.0, "ms");
}
