// The two exports of the busiest month of 200,000 generated bookings, each
// a whole run that writes its file: the archive of three tables (every
// booking up to the end of the month) and DATEV's booking batch (the
// month's bookings).
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "BenchSections.h"
#include "BenchDaten.h"
#include "BenchUtil.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsGenerator.h"
#include "core/CFirma.h"
#include "core/CSteuersaetze.h"
#include "core/UserMessages.h"
#include "export/CExporter.h"

namespace {

constexpr int kBookings = 200000;
constexpr int kRuns = 9;

// The shipped German rates the default catalogue names.
const char* const kSteuersaetze =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Steuersaetze>"
    "<Steuersatz><Bezeichnung>steuerfrei</Bezeichnung><Land>Deutschland</Land><Prozentsatz><Id>100</Id>"
    "<Prozent>0,0000</Prozent></Prozentsatz></Steuersatz>"
    "<Steuersatz><Bezeichnung>Regelsatz</Bezeichnung><Land>Deutschland</Land><Prozentsatz><Id>200</Id>"
    "<Prozent>19,0000</Prozent></Prozentsatz></Steuersatz></Steuersaetze>\n";

} // namespace

void BenchExport()
{
    CBuchungen journal;
    const CBelegtexte texte;
    CBuchungsGenerator::GenerateBookings(journal, texte, kBookings, 1);
    const bench::Monat busiest = bench::BusiestMonth(journal);

    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / ("kuvex-bench-export-" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    std::ofstream(ordner / "steuersaetze.xml", std::ios::binary) << kSteuersaetze;
    const CSteuersaetze steuersaetze((ordner / "steuersaetze.xml").string());
    CFirma firma;
    firma.SetKurzbezeichnung("Bench");
    bench::PrintingMessages meldungen("export");

    CExportWerte werte;
    werte.Year = busiest.jahr;
    werte.Month = busiest.monat;
    werte.Datev.Beraternummer = 1001;
    werte.Datev.Mandantennummer = 1;
    const CExportDaten daten{&journal, &texte, &firma, &steuersaetze, CDatum()};
    CExportWerte zip = werte;
    CExportWerte datev = werte;
    datev.Format = CExportSettings::FormatDatev;
    CExporter zipLauf(zip, daten, ordner, meldungen);
    CExporter datevLauf(datev, daten, ordner, meldungen);
    zipLauf.SetZielordner(ordner);
    datevLauf.SetZielordner(ordner);

    std::vector<double> tZip, tDatev, ratio;
    for (int k = 0; k < kRuns; ++k) {
        tZip.push_back(bench::TimeRuns(1, [&] { bench::g_sink = bench::g_sink + zipLauf.RunExport(); })[0]);
        tDatev.push_back(bench::TimeRuns(1, [&] { bench::g_sink = bench::g_sink + datevLauf.RunExport(); })[0]);
        ratio.push_back(tDatev.back() / tZip.back());
    }
    bench::Report("export_month_bookings", static_cast<long long>(busiest.buchungen), "bookings");
    bench::Report("export_ms", bench::Median(tZip) / 1000.0, "ms");
    bench::Report("datev_ms", bench::Median(tDatev) / 1000.0, "ms");
    bench::Report("datev_ratio", bench::Median(ratio), "x");
    fs::remove_all(ordner);
}
