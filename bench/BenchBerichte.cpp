// The reports on 200,000 generated bookings (the program's own generator,
// fixed seed), for their busiest month: the cash report's lines against
// the booking list's period query for that month; the statistics and the
// monthly overview against one plain walk over every line of the journal
// (the least any of them must do); and the PDF of the cash report per page.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "BenchSections.h"
#include "BenchDaten.h"
#include "BenchUtil.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CBuchungsGenerator.h"
#include "core/CFirma.h"
#include "reports/CKassabuchReportView.h"
#include "reports/CKassenberichtZeilen.h"
#include "reports/CMonatsUebersichtZeilen.h"
#include "reports/CStatistikZeilen.h"

namespace {

constexpr int kBookings = 200000;
constexpr int kRuns = 21;

} // namespace

void BenchBerichte()
{
    CBuchungen journal;
    const CBelegtexte texte;
    CBuchungsGenerator::GenerateBookings(journal, texte, kBookings, 1);
    const bench::Monat busiest = bench::BusiestMonth(journal);
    const int jahr = busiest.jahr;
    const int monat = busiest.monat;
    const CPeriode periode = CPeriode::Monat(jahr, monat);
    const CDatum datum = CDatum::FromYMD(jahr, monat, 1);

    CBuchungsAbfrage abfrage;
    CKassenberichtZeilen kasse;
    CStatistikZeilen statistik;
    CMonatsUebersichtZeilen uebersicht;
    auto query = [&] {
        bench::g_sink = bench::g_sink + static_cast<long long>(abfrage.Abfragen(journal, periode).size());
    };
    auto report = [&] {
        kasse.Baue(journal, nullptr, datum, true);
        bench::g_sink = bench::g_sink + static_cast<long long>(kasse.Zeilen().size());
    };
    auto walk = [&] {
        long long summe = 0;
        const int n = journal.GetCount();
        for (int i = 0; i < n; ++i)
            for (const CBuchungszeile& z : journal.GetItem(i).Zeilen)
                summe += z.Einnahme.Raw() + z.Ausgabe.Raw();
        bench::g_sink = bench::g_sink + summe;
    };
    auto stats = [&] {
        statistik.Baue(journal, texte, jahr, monat);
        bench::g_sink = bench::g_sink + static_cast<long long>(statistik.Zeilen().size());
    };
    auto overview = [&] {
        uebersicht.Baue(journal, jahr, monat);
        bench::g_sink = bench::g_sink + static_cast<long long>(uebersicht.Zeilen().size());
    };
    // Each round times every piece and its baseline side by side, so a
    // machine busy with other work slows both alike; the ratios are the
    // medians of the rounds' ratios.
    std::vector<double> tQuery, tReport, tWalk, tStats, tOverview, rReport, rStats, rOverview;
    for (int k = 0; k < kRuns; ++k) {
        tQuery.push_back(bench::TimeRuns(1, query)[0]);
        tReport.push_back(bench::TimeRuns(1, report)[0]);
        tWalk.push_back(bench::TimeRuns(1, walk)[0]);
        tStats.push_back(bench::TimeRuns(1, stats)[0]);
        tOverview.push_back(bench::TimeRuns(1, overview)[0]);
        rReport.push_back(tReport.back() / tQuery.back());
        rStats.push_back(tStats.back() / tWalk.back());
        rOverview.push_back(tOverview.back() / tWalk.back());
    }

    bench::Report("report_month_bookings", static_cast<long long>(busiest.buchungen), "bookings");
    bench::Report("report_prepare_ms", bench::Median(tReport) / 1000.0, "ms");
    bench::Report("report_query_ms", bench::Median(tQuery) / 1000.0, "ms");
    bench::Report("report_ratio", bench::Median(rReport), "x");
    bench::Report("report_walk_ms", bench::Median(tWalk) / 1000.0, "ms");
    bench::Report("stats_prepare_ms", bench::Median(tStats) / 1000.0, "ms");
    bench::Report("stats_ratio", bench::Median(rStats), "x");
    bench::Report("overview_ms", bench::Median(tOverview) / 1000.0, "ms");
    bench::Report("overview_ratio", bench::Median(rOverview), "x");

    // The PDF needs fonts, so a GUI application on the offscreen platform.
    std::unique_ptr<QGuiApplication> app;
    int argc = 3;
    char name[] = "kuvex-bench", schalter[] = "-platform", platform[] = "offscreen";
    char* argv[] = {name, schalter, platform, nullptr};
    if (!QCoreApplication::instance())
        app = std::make_unique<QGuiApplication>(argc, argv);
    CFirma firma;
    CReportDaten daten;
    daten.journal = &journal;
    daten.firma = &firma;
    daten.hatAuswahl = true;
    daten.jahr = jahr;
    daten.monat = monat;
    daten.monatlich = true;
    CKassabuchReportView view(daten);
    const QString pfad = QDir::temp().filePath(QStringLiteral("kuvex-bench-bericht.pdf"));
    bool ok = true;
    const auto pdf = bench::TimeRuns(3, [&] { ok = view.SchreibePdf(pfad) && ok; });
    QFile::remove(pfad);
    bench::Report("report_pdf_pages", static_cast<long long>(view.PageCount()), "pages");
    bench::Report("report_pdf_ms_per_page", ok ? bench::Median(pdf) / 1000.0 / view.PageCount() : -1.0, "ms");
}
