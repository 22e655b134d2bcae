// The booking list grid: switching the list to the busiest month of
// 200,000 generated bookings (the program's generator, fixed seed) as the
// main window does on a change of month, measured against the engine's
// period query for that month in the same run. The grid runs offscreen; a
// switch is the list's rebuild plus the event-loop pass that lays the grid
// out and paints it, which is what the user waits for.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <chrono>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

#include "BenchSections.h"
#include "BenchUtil.h"
#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "common/CDatenZugriff.h"
#include "common/IDatumAuswahl.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CBuchungsGenerator.h"
#include "core/CFirma.h"
#include "core/CSteuersaetze.h"

namespace {

constexpr int kBookings = 200000;
constexpr int kRuns = 21;

// Just enough of the main window for the grids: journal, catalogue,
// company, VAT table and a date selector on a fixed day.
class Zugriff : public CDatenZugriff, public IDatumAuswahl {
public:
    int GetDay() const override { return datum.Day(); }
    int GetMonth() const override { return datum.Month(); }
    int GetYear() const override { return datum.Year(); }
    CDatum GetDate() const override { return datum; }
    int GetDaysOfMonth() const override { return DaysOfMonth(GetYear(), GetMonth()); }
    bool IsMonthMode() const override { return true; }

    IDatumAuswahl* GetDatumAuswahl() override { return this; }
    CBuchungen* GetBuchungen() override { return &journal; }
    CBelegtexte* GetBelegtexte() override { return &katalog; }
    CFirma* GetFirma() override { return &firma; }
    CSteuersaetze* GetSteuersaetze() override { return &steuer; }
    const IDatumAuswahl* GetDatumAuswahl() const override { return this; }
    const CBuchungen* GetBuchungen() const override { return &journal; }
    const CBelegtexte* GetBelegtexte() const override { return &katalog; }
    const CFirma* GetFirma() const override { return &firma; }
    const CSteuersaetze* GetSteuersaetze() const override { return &steuer; }
    bool SettlePendingEntry(SettleMode, bool) override { return true; }
    void SetAvailable(bool) override {}

    CDatum datum;
    CBuchungen journal;
    CBelegtexte katalog;
    CFirma firma;
    // The program folder's table when the benchmark runs from it.
    CSteuersaetze steuer{(QCoreApplication::applicationDirPath() + "/steuersaetze.xml").toStdString()};
};

} // namespace

void BenchListeGrid()
{
    std::unique_ptr<QApplication> app;
    static int argc = 1;
    static char name[] = "kuvex-bench";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        app = std::make_unique<QApplication>(argc, argv);
    }

    Zugriff zugriff;
    CBuchungsGenerator::GenerateBookings(zugriff.journal, zugriff.katalog, kBookings, 1);
    std::map<std::pair<int, int>, int> proMonat;
    for (int i = 0; i < zugriff.journal.GetCount(); ++i) {
        const CDatum d = zugriff.journal.GetItem(i).Datum;
        ++proMonat[{d.Year(), d.Month()}];
    }
    auto busiest = proMonat.begin();
    for (auto it = proMonat.begin(); it != proMonat.end(); ++it)
        if (it->second > busiest->second)
            busiest = it;
    // Each switch comes from the month before (after, for the first month).
    const auto vorher = busiest == proMonat.begin() ? std::next(busiest) : std::prev(busiest);
    const CDatum monat = CDatum::FromYMD(busiest->first.first, busiest->first.second, 1);
    const CDatum anderer = CDatum::FromYMD(vorher->first.first, vorher->first.second, 1);

    CBuchungListe liste(zugriff);
    liste.resize(800, 400);
    liste.show();
    QApplication::processEvents();

    std::vector<double> wechsel;
    std::vector<double> fuellen;
    for (int k = 0; k < kRuns; ++k) {
        liste.Show(anderer, true);
        QApplication::processEvents();
        const auto t0 = std::chrono::steady_clock::now();
        liste.Show(monat, true);
        const auto t1 = std::chrono::steady_clock::now();
        QApplication::processEvents();
        const auto t2 = std::chrono::steady_clock::now();
        fuellen.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        wechsel.push_back(std::chrono::duration<double, std::micro>(t2 - t0).count());
    }
    const int rows = liste.GetRowCount() - 1;

    CBuchungsAbfrage abfrage;
    const CPeriode periode = CPeriode::Aus(monat, true);
    const auto query = bench::TimeRuns(kRuns, [&] {
        bench::g_sink = bench::g_sink + static_cast<long long>(abfrage.Abfragen(zugriff.journal, periode).size());
    });
    const auto paint = bench::TimeRuns(kRuns, [&] {
        liste.viewport()->update();
        QApplication::processEvents();
    });

    // Committing a booking typed into the entry grid as the main window
    // settles it: validate and write, rebuild the month's list, open the
    // next booking (which looks through every line for the opening
    // balance), and the event pass that paints both grids.
    zugriff.datum = monat;
    CBuchungEingabe eingabe(zugriff);
    eingabe.resize(800, 120);
    eingabe.show();
    eingabe.NewBooking();
    // The in-cell editor open on the entry grid.
    const auto editor = [&eingabe] {
        const CCellID cell = eingabe.GetEditCell();
        return eingabe.indexWidget(eingabe.model()->index(cell.row, cell.col));
    };
    const auto tippe = [&](int col, const QString& text) {
        eingabe.EditCell(1, col);
        if (auto* edit = qobject_cast<QLineEdit*>(editor())) {
            edit->setText(text);
            edit->setModified(true);
        } else if (auto* box = qobject_cast<QComboBox*>(editor())) {
            box->setCurrentIndex(box->findText(text));
        }
        eingabe.EndEditing();
    };
    std::vector<double> buchen;
    for (int k = 0; k < kRuns; ++k) {
        tippe(CBuchungGrid::Tag, QStringLiteral("12"));
        tippe(CBuchungGrid::Bezeichnung, QStringLiteral("Verkauf"));
        tippe(CBuchungGrid::Einnahmen, QStringLiteral("12,50"));
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = eingabe.Finish(&zugriff.journal);
        liste.Rebuild();
        liste.SelectBooking(eingabe.GetRecordIndex());
        eingabe.NewBooking();
        QApplication::processEvents();
        const auto t1 = std::chrono::steady_clock::now();
        if (!ok)
            std::fprintf(stderr, "entry: booking %d did not validate\n", k);
        buchen.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }

    bench::Report("list_rebuild_rows", static_cast<long long>(rows), "rows");
    bench::Report("list_rebuild_ms", bench::Median(wechsel) / 1000.0, "ms");
    bench::Report("list_rebuild_fill_ms", bench::Median(fuellen) / 1000.0, "ms");
    bench::Report("list_repaint_ms", bench::Median(paint) / 1000.0, "ms");
    bench::Report("list_rebuild_query_ms", bench::Median(query) / 1000.0, "ms");
    // The repaint is a fixed cost no fill can beat, so the switch is set
    // against the query and the repaint together: what is left is the fill.
    bench::Report("list_ratio", bench::Median(wechsel) / (bench::Median(query) + bench::Median(paint)), "x");
    bench::Report("entry_commit_ms", bench::Median(buchen) / 1000.0, "ms");
}
