// The monthly overview's rows: days of the month, week numbers, colours,
// the day sums and the running balance, as the grid and kuvex-cli show them.
#include "BerichtJournal.h"

#include "reports/CMonatsUebersichtZeilen.h"

#include <gtest/gtest.h>

using namespace berichte;
using U = CMonatsUebersichtZeilen;

TEST(MonatsUebersichtZeilen, DaysOfFebruary)
{
    for (const auto& [jahr, tage] : {std::pair{2004, 29}, std::pair{2003, 28}, std::pair{2000, 29}}) {
        U u;
        u.Baue(CBuchungen(), jahr, 2);
        ASSERT_EQ(u.Zeilen().size(), static_cast<std::size_t>(tage)) << jahr;
        EXPECT_EQ(u.Zeilen().back().Texte[1], jahr == 2003 ? "Fr, 28." : (jahr == 2004 ? "So, 29." : "Di, 29."));
    }
}

TEST(MonatsUebersichtZeilen, IsoWeekNumbersInYearsBeginningOnEachWeekday)
{
    const struct {
        int jahr, monat, tag, woche;
    } faelle[] = {
        {2007, 1, 1, 1},   {2007, 12, 31, 1},                      // begins on a Monday
        {2008, 1, 1, 1},   {2008, 12, 28, 52},                     // Tuesday
        {2014, 1, 1, 1},   {2014, 12, 29, 1},                      // Wednesday
        {2004, 1, 1, 1},   {2004, 1, 5, 2},    {2004, 12, 31, 53}, // Thursday
        {2010, 1, 1, 53},  {2010, 1, 3, 53},   {2010, 1, 4, 1},    // Friday
        {2011, 1, 1, 52},  {2011, 1, 3, 1},    {2011, 12, 31, 52}, // Saturday
        {2006, 1, 1, 52},  {2006, 1, 2, 1},    {2006, 7, 3, 27},  {2006, 12, 31, 52}, // Sunday
    };
    for (const auto& f : faelle)
        EXPECT_EQ(U::Kalenderwoche(f.jahr, f.monat, f.tag), f.woche) << f.jahr << "-" << f.monat << "-" << f.tag;
    U u;
    u.Baue(CBuchungen(), 2006, 7);
    EXPECT_EQ(u.Zeilen()[0].Texte[0], "KW 26");   // Saturday 1 July, the week of Monday 26 June
    EXPECT_EQ(u.Zeilen()[1].Texte[0], "");
    EXPECT_EQ(u.Zeilen()[2].Texte[0], "KW 27");
    EXPECT_EQ(u.Zeilen()[2].Texte[1], "Mo, 03.");
}

TEST(MonatsUebersichtZeilen, AMonthStartingOnASundaySwitchesTheWeekColourOnMonday)
{
    U u;
    u.Baue(CBuchungen(), 2004, 2);   // 1 February 2004 is a Sunday
    const auto& z = u.Zeilen();
    EXPECT_EQ(z[0].Texte[0], "KW 5");
    EXPECT_EQ(z[0].Texte[1], "So, 01.");
    EXPECT_EQ(z[0].Hintergrund, U::Wochenende);
    EXPECT_EQ(z[1].Texte[0], "KW 6");
    EXPECT_EQ(z[1].Hintergrund, U::WocheB);
    EXPECT_EQ(z[7].Texte[0], "");
    EXPECT_EQ(z[8].Texte[0], "KW 7");
    EXPECT_EQ(z[8].Hintergrund, U::WocheA);
    EXPECT_EQ(z[6].Hintergrund, U::Wochenende);   // Saturday 7th
    // A month starting on a weekday takes the first week colour at once.
    u.Baue(CBuchungen(), 2004, 3);
    EXPECT_EQ(u.Zeilen()[0].Hintergrund, U::WocheA);
}

TEST(MonatsUebersichtZeilen, DaySumsAndTheRunningBalance)
{
    CBuchungen j;
    Buche(j, Tag(2004, 2, 29), {"Anfangsbestand", Eur(10), {}});
    Buche(j, Tag(2004, 3, 1), {"Verkauf", Eur(5), {}});
    Buche(j, CDatum(Tag(2004, 3, 2).Seconds() + 3600 * 13), {"Porto", {}, Eur(20)});   // with a time of day
    BucheAufteilung(j, Tag(2004, 3, 31), {{"Verkauf", Eur(1234.56), {}}, {"Porto", {}, Eur(0.5)}});
    Buche(j, Tag(2004, 4, 1), {"Verkauf", Eur(999), {}});
    U u;
    u.Baue(j, 2004, 3);
    const auto& z = u.Zeilen();
    ASSERT_EQ(z.size(), 31u);
    EXPECT_EQ(z[0].Texte, (std::array<std::string, 5>{"KW 10", "Mo, 01.", "5,00", "", "15,00"}));
    EXPECT_EQ(z[1].Texte, (std::array<std::string, 5>{"", "Di, 02.", "", "20,00", "-5,00"}));
    EXPECT_EQ(z[2].Texte, (std::array<std::string, 5>{"", "Mi, 03.", "", "", "-5,00"}));
    EXPECT_EQ(z[30].Texte, (std::array<std::string, 5>{"", "Mi, 31.", "1.234,56", "0,50", "1.229,06"}));
}
