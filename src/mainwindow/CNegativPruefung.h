#pragma once
// The negative-cash check: walks the shown period day by day from its
// carry-over and finds the first day at whose end the till holds less than
// nothing. Days advance by calendar day, so the 23- and 25-hour days of a
// clock change neither skip nor repeat a day.
#include "core/CDatum.h"

#include <optional>
#include <string>

class CBuchungen;
class CPeriode;

class CNegativPruefung {
public:
    // The first day of the period with a negative end-of-day balance.
    static std::optional<CDatum> ErsterNegativerTag(const CBuchungen& journal, const CPeriode& periode);
    // "Der Bestand in der Kasse ist seit %s negativ." with the day as "%d.%m.%Y".
    static std::string Warnung(CDatum tag);
};
