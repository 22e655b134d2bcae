#pragma once
// `kuvex-cli add`: turns the options into the booking the entry grid would
// hold after the same typing (the receipt text chosen from the grid's list,
// the amount in the column that text opens, the VAT rate of the text unless
// another is chosen), for the entry engine to validate and commit.
#include "core/CBuchungsErfassung.h"

class CCliArgumente;
class CBelegtexte;
class CBuchungen;
class CSteuersaetze;

struct CCliBuchungsAuftrag {
    CErfassteBuchung Buchung;
    int Jahr = 0;
    int Monat = 0;
};

class CCliBuchung {
public:
    static CCliBuchungsAuftrag Baue(const CCliArgumente& a, const CBelegtexte& katalog,
                                    const CBuchungen& journal, const CSteuersaetze& steuersaetze);
};
