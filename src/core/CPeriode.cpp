#include "core/CPeriode.h"

CPeriode CPeriode::Aus(CDatum datum, bool monatlich)
{
    if (monatlich)
        return Monat(datum.Year(), datum.Month());
    // The selector hands over a midnight already; taking the day's midnight
    // again only guards against a caller that passes a time of day.
    CDatum tag = datum.Midnight();
    return CPeriode(tag, tag);
}

CPeriode CPeriode::Tag(int jahr, int monat, int tag)
{
    CDatum d = CDatum::FromYMD(jahr, monat, tag);
    return CPeriode(d, d);
}

CPeriode CPeriode::Monat(int jahr, int monat)
{
    return CPeriode(CDatum::FromYMD(jahr, monat, 1),
                    CDatum::FromLocal(jahr, monat, DaysOfMonth(jahr, monat), 23, 59, 59));
}
