// The cash-book file section: Save and Open of a cash book of 200,000
// bookings, each set against zlib alone doing the part of the work it
// cannot avoid (raw deflate at the default level of the very bytes Save
// stores, and inflating them back), measured in the same run.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSections.h"
#include "BenchDaten.h"
#include "BenchUtil.h"
#include "BenchZlib.h"
#include "core/CBelegtexte.h"
#include "core/CBinStream.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsGenerator.h"
#include "core/CFirma.h"
#include "core/UserMessages.h"
#include "storage/CKassenbuch.h"

namespace fs = std::filesystem;

namespace {

constexpr int kBookings = 200000;
constexpr int kReps = 7;

} // namespace

void BenchKassenbuch()
{
    std::string folder = (fs::temp_directory_path() / "kuvex-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        std::fprintf(stderr, "kassenbuch: no temporary folder\n");
        return;
    }
    const std::string file = (fs::path(folder) / "Bench.kbx").string();

    bench::PrintingMessages messages("kassenbuch");
    CBuchungen journal;
    CBuchungsGenerator::GenerateBookings(journal, CBelegtexte(), kBookings, 1);

    // The bytes Save stores, for zlib alone to deflate and inflate.
    std::vector<std::string> members;
    {
        CBinStream stream;
        journal.Write(stream);
        members = {stream.TakeBytes(), bench::XmlBytes(CBelegtexte()), bench::XmlBytes(CFirma())};
    }
    std::vector<std::string> packed(members.size());

    // Each round runs all four measurements back to back, so a busy
    // machine slows the work and its baseline alike; the best round of
    // each counts.
    std::vector<double> saveUs, openUs, deflateUs, inflateUs, parseUs;
    for (int k = 0; k < kReps; ++k) {
        {
            // A document of its own per round, so it lets go of the file
            // (and its lock) before the reader below opens it.
            CKassenbuch writer(messages);
            writer.New(file);
            *writer.GetBuchungen() = journal;
            saveUs.push_back(bench::TimeRuns(1, [&] {
                if (!writer.Save())
                    std::fprintf(stderr, "kassenbuch: save failed\n");
            })[0]);
        }
        deflateUs.push_back(bench::TimeRuns(1, [&] {
            for (std::size_t m = 0; m < members.size(); ++m)
                packed[m] = bench::Deflate(members[m]);
        })[0]);
        {
            // Only Open itself is timed: letting go of 200,000 records
            // afterwards is the journal's business, not the file's.
            CKassenbuch reader(messages);
            openUs.push_back(bench::TimeRuns(1, [&] {
                if (!reader.Open(file) || reader.GetBuchungen()->GetCount() != kBookings)
                    std::fprintf(stderr, "kassenbuch: open failed %s\n", reader.LastError().c_str());
            })[0]);
        }
        inflateUs.push_back(bench::TimeRuns(1, [&] {
            for (std::size_t m = 0; m < members.size(); ++m)
                if (bench::Inflate(packed[m], members[m].size()) != members[m])
                    std::fprintf(stderr, "kassenbuch: inflate mismatch\n");
        })[0]);
        {
            // Building the journal from its bytes, which Open does as well.
            CBuchungen back;
            CBinStream in(members[0]);
            parseUs.push_back(bench::TimeRuns(1, [&] { back.Read(in); })[0]);
        }
    }

    // Best of the runs: the machine's other work only ever adds time.
    const double save = bench::Best(saveUs) / 1000.0;
    const double open = bench::Best(openUs) / 1000.0;
    const double def = bench::Best(deflateUs) / 1000.0;
    const double inf = bench::Best(inflateUs) / 1000.0;
    const double parse = bench::Best(parseUs) / 1000.0;
    bench::Report("kassenbuch_bookings", static_cast<long long>(kBookings), "bookings");
    bench::Report("kassenbuch_kbx_bytes", static_cast<long long>(fs::file_size(file)), "bytes");
    bench::Report("kassenbuch_save_ms", save, "ms");
    bench::Report("kassenbuch_open_ms", open, "ms");
    bench::Report("kassenbuch_deflate_ms", def, "ms");
    bench::Report("kassenbuch_inflate_ms", inf, "ms");
    bench::Report("kassenbuch_parse_ms", parse, "ms");
    bench::Report("save_ratio", save / def, "x");
    bench::Report("open_ratio", open / inf, "x");
    // What Open costs beyond inflating and parsing: the archive handling.
    bench::Report("open_overhead_ratio", open / (inf + parse), "x");

    std::error_code ec;
    fs::remove_all(folder, ec);
}
