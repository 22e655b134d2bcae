#pragma once
// Test data for large cash books: fills a journal with random bookings
// spread evenly over 2003 to 2005, drawn from the receipt-text catalogue.
// The random numbers are those of the Windows C runtime (CMsvcRand), so a
// seed gives the same bookings on every system; the main window seeds with
// the current time, kuvex-cli with the seed it is given.
#include <cstdint>

class CBuchungen;
class CBelegtexte;

class CBuchungsGenerator {
public:
    // Appends `count` bookings, one line each. Raises CFehler, adding
    // nothing, when the catalogue has no entry to draw from or when the
    // journal could then grow past what a cash-book file holds
    // (buchungen_format::kMaxFileSize); a count below 1 adds nothing.
    static void GenerateBookings(CBuchungen& journal, const CBelegtexte& katalog, int count,
                                 std::uint32_t seed);

    static const char* const MeldungKeineBelegtexte;
};
