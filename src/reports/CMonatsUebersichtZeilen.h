#pragma once
// The monthly overview's rows, apart from the dialog: one row per day of
// the month with its calendar week (on the week's first row only), the
// day as "Mo, 03.", the day's receipts and payments (empty when none) and
// the cash balance at the end of the day, and the row's colour. The
// dialog's grid and `kuvex-cli overview` show exactly these texts.
#include <array>
#include <string>
#include <vector>

class CBuchungen;

class CMonatsUebersichtZeilen {
public:
    static constexpr int Spalten = 5;

    struct Farbe {
        int r = 0, g = 0, b = 0;
        bool operator==(const Farbe&) const = default;
    };
    static constexpr Farbe WocheA{224, 240, 224};   // the month's first week
    static constexpr Farbe WocheB{240, 240, 224};
    static constexpr Farbe Wochenende{240, 224, 224};

    struct Zeile {
        std::array<std::string, Spalten> Texte;
        Farbe Hintergrund;
    };

    // "KW", "Tag", "Einnahmen", "Ausgaben", "Kassenbestand".
    static const std::array<const char*, Spalten>& Spaltenkoepfe();

    void Baue(const CBuchungen& journal, int jahr, int monat);
    const std::vector<Zeile>& Zeilen() const { return m_zeilen; }

    // The week as German calendars count it (ISO 8601, DIN 1355): weeks
    // run Monday to Sunday, week 1 is the one that holds 4 January, so
    // early January days may be in week 52 or 53 of the year before.
    static int Kalenderwoche(int jahr, int monat, int tag);
    // 0 Monday ... 6 Sunday.
    static int Wochentag(int jahr, int monat, int tag);

private:
    std::vector<Zeile> m_zeilen;
};
