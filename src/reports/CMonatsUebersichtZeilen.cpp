#include "reports/CMonatsUebersichtZeilen.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "core/CBetrag.h"
#include "core/CBuchungen.h"
#include "core/CDatum.h"

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's
// days_from_civil): the week day is plain arithmetic, no time zone needed.
std::int64_t TageSeit1970(int jahr, int monat, int tag)
{
    const int y = jahr - (monat <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int mp = (monat + 9) % 12;
    const int doy = (153 * mp + 2) / 5 + tag - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return static_cast<std::int64_t>(era) * 146097 + doe - 719468;
}

} // namespace

const std::array<const char*, CMonatsUebersichtZeilen::Spalten>& CMonatsUebersichtZeilen::Spaltenkoepfe()
{
    static const std::array<const char*, Spalten> koepfe = {"KW", "Tag", "Einnahmen", "Ausgaben",
                                                            "Kassenbestand"};
    return koepfe;
}

int CMonatsUebersichtZeilen::Wochentag(int jahr, int monat, int tag)
{
    // 1970-01-01 was a Thursday (3 counted from Monday).
    const std::int64_t w = (TageSeit1970(jahr, monat, tag) + 3) % 7;
    return static_cast<int>(w < 0 ? w + 7 : w);
}

int CMonatsUebersichtZeilen::Kalenderwoche(int jahr, int monat, int tag)
{
    // A week belongs to the year that holds its Thursday.
    const std::int64_t donnerstag = TageSeit1970(jahr, monat, tag) - Wochentag(jahr, monat, tag) + 3;
    int wochenjahr = jahr;
    if (donnerstag < TageSeit1970(jahr, 1, 1))
        wochenjahr = jahr - 1;
    else if (donnerstag >= TageSeit1970(jahr + 1, 1, 1))
        wochenjahr = jahr + 1;
    return static_cast<int>((donnerstag - TageSeit1970(wochenjahr, 1, 1)) / 7 + 1);
}

void CMonatsUebersichtZeilen::Baue(const CBuchungen& journal, int jahr, int monat)
{
    const int tage = DaysOfMonth(jahr, monat);
    // The midnights of the month's days and of the day after it: a
    // booking's day is found among them, also with a time of day.
    std::vector<std::int64_t> mitternacht(static_cast<std::size_t>(tage) + 1);
    for (int d = 1; d <= tage + 1; ++d)
        mitternacht[static_cast<std::size_t>(d - 1)] = CDatum::FromYMD(jahr, monat, d).Seconds();
    const std::int64_t start = mitternacht.front();
    const std::int64_t ende = mitternacht.back();

    std::vector<CBetrag> ein(static_cast<std::size_t>(tage));
    std::vector<CBetrag> aus(static_cast<std::size_t>(tage));
    CBetrag saldo;
    const int n = journal.GetCount();
    for (int i = 0; i < n; ++i) {
        const std::int64_t d = journal.GetItem(i).Datum.Seconds();
        if (d < start) {
            saldo += journal.GetLineSum(i, SumMode::Net);
        } else if (d < ende) {
            const auto tag = std::upper_bound(mitternacht.begin(), mitternacht.end(), d) - mitternacht.begin() - 1;
            ein[static_cast<std::size_t>(tag)] += journal.GetLineSum(i, SumMode::Income);
            aus[static_cast<std::size_t>(tag)] -= journal.GetLineSum(i, SumMode::Expense);
        }
    }

    static const char* const kuerzel[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    m_zeilen.assign(static_cast<std::size_t>(tage), Zeile());
    int letzteWoche = 0;
    Farbe woche = WocheB;
    char text[32];
    for (int d = 1; d <= tage; ++d) {
        Zeile& z = m_zeilen[static_cast<std::size_t>(d - 1)];
        const int k = Kalenderwoche(jahr, monat, d);
        if (k != letzteWoche) {
            std::snprintf(text, sizeof text, "KW %d", k);
            z.Texte[0] = text;
            letzteWoche = k;
            woche = woche == WocheA ? WocheB : WocheA;
        }
        const int w = Wochentag(jahr, monat, d);
        std::snprintf(text, sizeof text, "%s, %2.2d.", kuerzel[w], d);
        z.Texte[1] = text;
        const CBetrag e = ein[static_cast<std::size_t>(d - 1)];
        const CBetrag a = aus[static_cast<std::size_t>(d - 1)];
        if (e > CBetrag())
            z.Texte[2] = FormatBetragAnzeige(e);
        if (a > CBetrag())
            z.Texte[3] = FormatBetragAnzeige(a);
        saldo = saldo + e - a;
        z.Texte[4] = FormatBetragAnzeige(saldo);
        z.Hintergrund = w >= 5 ? Wochenende : woche;
    }
}
