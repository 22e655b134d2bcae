#pragma once
// One line of a booking: a receipt text (by value, not by reference to the
// catalogue), a note, the amounts in and out, and the VAT rate's id.
#include <cstdint>
#include <string>

#include "core/CBetrag.h"

struct CBuchungszeile {
    std::string Bezeichnung;
    std::string Notiz;
    CBetrag Einnahme;
    CBetrag Ausgabe;    // cash out, kept as a positive amount
    std::int16_t UStID = 0; // 16 bits, as the booking file stores it

    bool operator==(const CBuchungszeile&) const = default;
};
