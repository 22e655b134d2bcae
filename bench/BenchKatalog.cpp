// The receipt-text catalogue section: a catalogue of 100,000 entries
// loaded from its member's bytes, listed for the entry grid, and one
// booking made with its last text the way the grid makes it.
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSections.h"
#include "BenchUtil.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsErfassung.h"

namespace {

constexpr int kEntries = 100000;
constexpr int kReps = 5;

std::string CatalogueBytes()
{
    CBelegtexte katalog;
    for (int i = katalog.GetCount(); i < kEntries; ++i) {
        const int k = katalog.AddEntry();
        katalog.SetBezeichnung(k, "Beleg " + std::to_string(i));
        katalog.SetEinAus(k, i % 2 ? 1 : -1);
        katalog.SetSort(k, i % 7);
    }
    std::ostringstream out;
    katalog.SaveStream(out);
    return out.str();
}

} // namespace

void BenchKatalog()
{
    const std::string bytes = CatalogueBytes();
    const std::string last = "Beleg " + std::to_string(kEntries - 1);
    std::vector<double> us = bench::TimeRuns(kReps, [&] {
        std::istringstream in(bytes);
        const CBelegtexte katalog(in);
        std::vector<std::string> auswahl;
        katalog.GetSelectionList(auswahl, 1);

        CErfassteBuchung b;
        b.Tag = 15;
        CErfassungsZeile z;
        z.Bezeichnung = last;
        const int k = katalog.FindByBezeichnung(last);
        CBuchungsErfassung::WendeBelegtextAn(z, katalog, k);
        z.UStID = katalog.GetUStID(k);
        (z.EinnahmeEditierbar ? z.Einnahme : z.Ausgabe) = CBetrag(123400);
        b.Zeilen.push_back(z);
        CBuchungen journal;
        CBuchungsErfassung::Commit(journal, b, 2024, 3);
        if (!katalog.LoadOk() || katalog.GetCount() != kEntries || auswahl.size() != std::size_t(kEntries)
            || journal.GetCount() != 1)
            std::fprintf(stderr, "katalog: wrong result\n");
    });
    bench::Report("catalogue_entries", static_cast<long long>(kEntries), "entries");
    bench::Report("catalogue_100k_ms", bench::Median(us) / 1000.0, "ms");
}
