#pragma once
// One booking record: its date (local midnight of the booking day once the
// entry grid has set it), invoice number, note, whether it is split, and
// its lines in order. A plain value; the journal keeps these side by side.
#include <string>
#include <vector>

#include "core/CBuchungszeile.h"
#include "core/CDatum.h"

struct CBuchungssatz {
    CDatum Datum;
    std::string RgNr;
    std::string Notiz;
    bool Aufteilung = false;
    std::vector<CBuchungszeile> Zeilen;

    bool operator==(const CBuchungssatz&) const = default;
};
