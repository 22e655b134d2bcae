// The booking list's period query: 200,000 generated bookings (the
// program's own generator, fixed seed) and the query for their busiest
// month, the work behind every month switch of the list. Measured against
// the floor of any such query: one walk over the journal that only counts
// the bookings in range. Also the eight column texts of that month's rows
// (VAT rates from the table beside the benchmark, when there is one).
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "BenchSections.h"
#include "BenchDaten.h"
#include "BenchUtil.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CBuchungsGenerator.h"
#include "core/CSteuersaetze.h"
#include "core/CXmlDokument.h"

namespace {

constexpr int kBookings = 200000;
constexpr int kRuns = 21;

// The VAT-rate file named by "settings.xml" beside the benchmark (the
// build's program folder); an empty table when there is none.
std::string SteuersatzDatei()
{
    std::error_code ec;
    const std::filesystem::path ordner = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    CXmlDokument settings;
    if (ec || !settings.LoadFile((ordner / "settings.xml").string()))
        return std::string();
    return (ordner / settings.GetString("Settings/Files/Steuersatz")).string();
}

} // namespace

void BenchListe()
{
    CBuchungen journal;
    CBuchungsGenerator::GenerateBookings(journal, CBelegtexte(), kBookings, 1);

    const bench::Monat busiest = bench::BusiestMonth(journal);
    const CPeriode monat = CPeriode::Monat(busiest.jahr, busiest.monat);

    // The list keeps one query object, so its buffers are warm after the
    // first switch; the first run is reported on its own.
    CBuchungsAbfrage abfrage;
    const auto erster = bench::TimeRuns(1, [&] {
        bench::g_sink = bench::g_sink + static_cast<long long>(abfrage.Abfragen(journal, monat).size());
    });
    const auto query = bench::TimeRuns(kRuns, [&] {
        bench::g_sink = bench::g_sink + static_cast<long long>(abfrage.Abfragen(journal, monat).size());
    });
    const auto scan = bench::TimeRuns(kRuns, [&] {
        long long n = 0;
        const int count = journal.GetCount();
        for (int i = 0; i < count; ++i)
            n += monat.Enthaelt(journal.GetItem(i).Datum);
        bench::g_sink = bench::g_sink + n;
    });

    const CSteuersaetze ust(SteuersatzDatei());
    CBuchungsAbfrage::Zeilentexte texte;
    const auto zeilen = bench::TimeRuns(kRuns, [&] {
        long long n = 0;
        for (int i : abfrage.Abfragen(journal, monat)) {
            abfrage.Zeilentext(journal, i, "EUR", &ust, texte);
            n += static_cast<long long>(texte[7].size());
        }
        bench::g_sink = bench::g_sink + n;
    });

    bench::Report("list_query_rows", static_cast<long long>(abfrage.Abfragen(journal, monat).size()), "rows");
    bench::Report("list_query_first_ms", bench::Best(erster) / 1000.0, "ms");
    bench::Report("list_query_ms", bench::Median(query) / 1000.0, "ms");
    bench::Report("list_scan_ms", bench::Median(scan) / 1000.0, "ms");
    bench::Report("list_query_scan_ratio", bench::Median(query) / bench::Median(scan), "x");
    bench::Report("list_query_and_texts_ms", bench::Median(zeilen) / 1000.0, "ms");
}
