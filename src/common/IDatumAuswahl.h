#pragma once
// What the rest of the user interface may ask of the date selector: plain
// getters, so grids, dialogs and reports never depend on the toolbar widget.
#include "core/CDatum.h"

class IDatumAuswahl {
public:
    virtual ~IDatumAuswahl() = default;
    virtual int GetDay() const = 0;          // 1-31
    virtual int GetMonth() const = 0;        // 1-12
    virtual int GetYear() const = 0;         // 0 when none is selected
    virtual CDatum GetDate() const = 0;      // local midnight, day clamped to the month
    virtual int GetDaysOfMonth() const = 0;  // days of the selected month and year
    virtual bool IsMonthMode() const = 0;    // true: the whole month is shown
};
