// The journal section: a deterministic journal of 200,000 bookings over
// 2003-2005, its binary write and read, and the cost of a month's sum
// (which walks every record) measured against the floor of a flat loop.
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "BenchSections.h"
#include "BenchUtil.h"
#include "core/CBinStream.h"
#include "core/CBuchungen.h"

namespace {

constexpr int kBookings = 200000;

CBuchungen MakeJournal(int count)
{
    static const char* const kTexte[] = {"Umsatz 19%", "Umsatz 7%", "Wareneinkauf", "B\xFCromaterial",
                                         "Porto", "Bewirtung", "Privatentnahme", "Bankeinzahlung"};
    std::vector<CDatum> days;
    for (CDatum d = CDatum::FromYMD(2003, 1, 1); d < CDatum::FromYMD(2006, 1, 1); d = d.NextDay())
        days.push_back(d);

    std::mt19937 rng(20040328);
    CBuchungen j;
    for (int k = 0; k < count; ++k) {
        const int i = j.AddItem();
        CBuchungssatz& s = j.GetItem(i);
        s.Datum = days[rng() % days.size()];
        if (rng() % 3 == 0)
            s.RgNr = "RG-" + std::to_string(rng() % 100000);
        if (rng() % 4 == 0)
            s.Notiz = "Notiz " + std::to_string(k);
        s.Aufteilung = rng() % 10 == 0;
        const int lines = s.Aufteilung ? 2 + static_cast<int>(rng() % 3) : 1;
        for (int z = 0; z < lines; ++z) {
            CBuchungszeile& line = j.GetItem(i, j.AddLine(i));
            const unsigned t = rng() % 8;
            line.Bezeichnung = kTexte[t];
            if (s.Aufteilung)
                line.Notiz = "Teil " + std::to_string(z + 1);
            const std::int64_t amount = static_cast<std::int64_t>(rng() % 5000000) * 100;
            if (t < 2 || t == 7)
                line.Einnahme = CBetrag(amount);
            else
                line.Ausgabe = CBetrag(amount);
            line.UStID = static_cast<std::int16_t>(t < 2 ? 100 : 200);
        }
    }
    return j;
}

// The floor a month's sum can reach: dates and net amounts side by side in
// two flat arrays, nothing else touched. The range test is one unsigned
// comparison, a branch that is rarely taken and so rarely mispredicted.
std::int64_t FlatRangeSum(const std::vector<std::int64_t>& dates, const std::vector<std::int64_t>& nets,
                          std::int64_t from, std::int64_t to)
{
    if (from > to)
        return 0;
    const std::uint64_t width = static_cast<std::uint64_t>(to) - static_cast<std::uint64_t>(from);
    std::int64_t sum = 0;
    const std::size_t n = dates.size();
    for (std::size_t k = 0; k < n; ++k)
        if (static_cast<std::uint64_t>(dates[k]) - static_cast<std::uint64_t>(from) <= width)
            sum += nets[k];
    return sum;
}

} // namespace

void BenchBuchungen()
{
    const CBuchungen journal = MakeJournal(kBookings);

    std::string bytes;
    const auto writeUs = bench::TimeRuns(7, [&] {
        CBinStream s;
        journal.Write(s);
        bytes = s.TakeBytes();
    });
    const auto readUs = bench::TimeRuns(7, [&] {
        CBuchungen back;
        CBinStream s(bytes);
        if (!back.Read(s) || back.GetCount() != kBookings)
            std::fprintf(stderr, "buchungen: read back failed\n");
    });
    bench::Report("buchungen_write_ms", bench::Best(writeUs) / 1000.0, "ms");
    bench::Report("buchungen_read_ms", bench::Best(readUs) / 1000.0, "ms");
    bench::Report("buchungen_dat_bytes", static_cast<long long>(bytes.size()), "bytes");

    // March 2004 as the main window asks for it: first day 00:00:00 to the
    // last day 23:59:59 (the month of a clock change).
    const CDatum from = CDatum::FromYMD(2004, 3, 1);
    const CDatum to = CDatum::FromLocal(2004, 3, 31, 23, 59, 59);

    std::vector<std::int64_t> dates, nets;
    dates.reserve(kBookings);
    nets.reserve(kBookings);
    for (int i = 0; i < journal.GetCount(); ++i) {
        dates.push_back(journal.GetItem(i).Datum.Seconds());
        nets.push_back(journal.GetLineSum(i, SumMode::Net).Raw());
    }

    std::int64_t journalSum = 0, flatSum = 0;
    const auto journalUs = bench::TimeRuns(51, [&] {
        journalSum = journal.GetRangeSum(from, to, SumMode::Net).Raw();
        bench::g_sink = journalSum;
    });
    const std::int64_t a = from.Seconds(), b = to.Seconds();
    const auto flatUs = bench::TimeRuns(51, [&] {
        flatSum = FlatRangeSum(dates, nets, a, b);
        bench::g_sink = flatSum;
    });
    if (journalSum != flatSum)
        std::fprintf(stderr, "buchungen: sums differ (%lld vs %lld)\n",
                     static_cast<long long>(journalSum), static_cast<long long>(flatSum));

    // Best of many runs: the machine is shared, and the best run is the
    // one least disturbed by others.
    const double journalBest = bench::Best(journalUs);
    const double flatBest = bench::Best(flatUs);
    bench::Report("range_sum_month_us", journalBest, "us");
    bench::Report("flat_sum_month_us", flatBest, "us");
    bench::Report("sum_ratio", journalBest / flatBest, "x");
}
