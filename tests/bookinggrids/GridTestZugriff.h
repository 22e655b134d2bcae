#pragma once
// A small stand-in for the main window: the data the grids reach through
// CDatenZugriff (a journal, the default receipt texts, a company in EUR and
// the shipped VAT table) and a date selector of plain fields. Settling is
// not the grids' business; the stand-in only counts the calls.
#include "common/CDatenZugriff.h"
#include "common/IDatumAuswahl.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CDatum.h"
#include "core/CFirma.h"
#include "core/CSteuersaetze.h"

#include <memory>

class GridTestZugriff : public CDatenZugriff, public IDatumAuswahl {
public:
    GridTestZugriff()
        : steuer(std::make_unique<CSteuersaetze>(KUVEX_SOURCE_DIR "/data/steuersaetze.xml"))
    {
    }

    // IDatumAuswahl
    int GetDay() const override { return day; }
    int GetMonth() const override { return month; }
    int GetYear() const override { return year; }
    CDatum GetDate() const override { return CDatum::FromYMD(year, month, day); }
    int GetDaysOfMonth() const override { return DaysOfMonth(year, month); }
    bool IsMonthMode() const override { return monthMode; }

    // CDatenZugriff
    IDatumAuswahl* GetDatumAuswahl() override { return this; }
    CBuchungen* GetBuchungen() override { return open ? &journal : nullptr; }
    CBelegtexte* GetBelegtexte() override { return open ? &katalog : nullptr; }
    CFirma* GetFirma() override { return open ? &firma : nullptr; }
    CSteuersaetze* GetSteuersaetze() override { return steuer.get(); }
    const IDatumAuswahl* GetDatumAuswahl() const override { return this; }
    const CBuchungen* GetBuchungen() const override { return open ? &journal : nullptr; }
    const CBelegtexte* GetBelegtexte() const override { return open ? &katalog : nullptr; }
    const CFirma* GetFirma() const override { return open ? &firma : nullptr; }
    const CSteuersaetze* GetSteuersaetze() const override { return steuer.get(); }
    bool SettlePendingEntry(SettleMode, bool) override
    {
        ++settleCalls;
        return true;
    }
    void SetAvailable(bool) override {}

    void Select(int y, int m, int d, bool monthly)
    {
        year = y;
        month = m;
        day = d;
        monthMode = monthly;
    }

    // Adds an ordinary booking straight into the journal (test set-up only).
    int AddBooking(int y, int m, int d, const std::string& text, CBetrag ein, CBetrag aus, int ustId = 100)
    {
        const int i = journal.AddItem();
        journal.GetItem(i).Datum = CDatum::FromYMD(y, m, d);
        CBuchungszeile& line = journal.GetItem(i, journal.AddLine(i));
        line.Bezeichnung = text;
        line.Einnahme = ein;
        line.Ausgabe = aus;
        line.UStID = static_cast<std::int16_t>(ustId);
        return i;
    }

    int year = 2004;
    int month = 3;
    int day = 28;
    bool monthMode = false;
    bool open = true;
    int settleCalls = 0;

    CBuchungen journal;
    CBelegtexte katalog;
    CFirma firma;
    std::unique_ptr<CSteuersaetze> steuer;
};
