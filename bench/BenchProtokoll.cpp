// The booking log at 200,000 bookings: what locking the bookings adds to
// saving and opening a cash book, against zlib and one SHA-256 pass doing
// the part of the work nothing can avoid, measured in the same rounds.
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
#include "storage/CSha256.h"

namespace fs = std::filesystem;

namespace {

constexpr int kBookings = 200000;
constexpr int kReps = 5;

} // namespace

void BenchProtokoll()
{
    std::string folder = (fs::temp_directory_path() / "kuvex-bench-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return;
    const std::string file = (fs::path(folder) / "GoBD.kbx").string();
    bench::PrintingMessages messages("protokoll");

    // Locked first, then every booking enters the log one by one, as the
    // program books them.
    CBuchungen journal;
    CBuchungsGenerator::GenerateBookings(journal, CBelegtexte(), kBookings, 1);
    CKassenbuch writer(messages);
    writer.New(file);
    writer.SchalteGoBDEin();
    *writer.GetBuchungen() = journal;
    const double logUs = bench::TimeRuns(1, [&] { writer.ProtokolliereNeueBuchungen(); })[0];

    std::vector<std::string> members;
    {
        CBinStream stream;
        journal.Write(stream);
        members = {stream.TakeBytes(), bench::XmlBytes(*writer.GetBelegtexte()), bench::XmlBytes(*writer.GetFirma()),
                   writer.GetProtokoll()->Bytes()};
    }
    std::vector<std::string> packed(members.size());
    CSha256 sha;

    std::vector<double> saveUs, openUs, deflateUs, inflateUs;
    for (int k = 0; k < kReps; ++k) {
        saveUs.push_back(bench::TimeRuns(1, [&] {
            if (!writer.Save())
                std::fprintf(stderr, "protokoll: save failed\n");
        })[0]);
        deflateUs.push_back(bench::TimeRuns(1, [&] {
            for (std::size_t m = 0; m < members.size(); ++m)
                packed[m] = bench::Deflate(members[m]);
        })[0]);
        {
            // The writer keeps its lock; the reader opens a copy.
            const std::string kopie = file + ".kopie.kbx";
            fs::copy_file(file, kopie, fs::copy_options::overwrite_existing);
            CKassenbuch reader(messages);
            openUs.push_back(bench::TimeRuns(1, [&] {
                if (!reader.Open(kopie) || reader.IsNurLesen() || reader.GetBuchungen()->GetCount() != kBookings)
                    std::fprintf(stderr, "protokoll: open failed %s\n", reader.LastError().c_str());
            })[0]);
        }
        inflateUs.push_back(bench::TimeRuns(1, [&] {
            for (std::size_t m = 0; m < members.size(); ++m) {
                const std::string bytes = bench::Inflate(packed[m], members[m].size());
                bench::g_sink = bench::g_sink + sha(bytes)[0];
            }
        })[0]);
    }
    const double save = bench::Best(saveUs) / 1000.0;
    const double open = bench::Best(openUs) / 1000.0;
    const double def = bench::Best(deflateUs) / 1000.0;
    const double infSha = bench::Best(inflateUs) / 1000.0;
    bench::Report("log_bytes", static_cast<long long>(members[3].size()), "bytes");
    bench::Report("log_append_us_per_booking", logUs / kBookings, "us");
    bench::Report("log_save_ms", save, "ms");
    bench::Report("log_open_ms", open, "ms");
    bench::Report("log_deflate_ms", def, "ms");
    bench::Report("log_inflate_sha256_ms", infSha, "ms");
    bench::Report("log_save_ratio", save / def, "x");
    bench::Report("log_open_ratio", open / infSha, "x");

    std::error_code ec;
    fs::remove_all(folder, ec);
}
