#pragma once
// A data access for the report tests: a journal, the default receipt
// texts, a company record and a fixed date selection, each of which a
// test may take away.
#include "common/CDatenZugriff.h"
#include "common/IDatumAuswahl.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"

namespace berichte {

class TestAuswahl : public IDatumAuswahl {
public:
    int tag = 15, monat = 3, jahr = 2004;
    bool monatlich = true;
    int GetDay() const override { return tag; }
    int GetMonth() const override { return monat; }
    int GetYear() const override { return jahr; }
    CDatum GetDate() const override { return CDatum::FromYMD(jahr, monat, tag); }
    int GetDaysOfMonth() const override { return DaysOfMonth(jahr, monat); }
    bool IsMonthMode() const override { return monatlich; }
};

class TestZugriff : public CDatenZugriff {
public:
    TestAuswahl auswahl;
    CBuchungen journal;
    CBelegtexte belegtexte;
    CFirma firma;
    bool mitAuswahl = true, mitJournal = true, mitFirma = true;

    IDatumAuswahl* GetDatumAuswahl() override { return mitAuswahl ? &auswahl : nullptr; }
    const IDatumAuswahl* GetDatumAuswahl() const override { return mitAuswahl ? &auswahl : nullptr; }
    CBuchungen* GetBuchungen() override { return mitJournal ? &journal : nullptr; }
    const CBuchungen* GetBuchungen() const override { return mitJournal ? &journal : nullptr; }
    CBelegtexte* GetBelegtexte() override { return &belegtexte; }
    const CBelegtexte* GetBelegtexte() const override { return &belegtexte; }
    CFirma* GetFirma() override { return mitFirma ? &firma : nullptr; }
    const CFirma* GetFirma() const override { return mitFirma ? &firma : nullptr; }
    CSteuersaetze* GetSteuersaetze() override { return nullptr; }
    const CSteuersaetze* GetSteuersaetze() const override { return nullptr; }
    bool SettlePendingEntry(SettleMode, bool) override { return true; }
    void SetAvailable(bool) override {}
};

} // namespace berichte
