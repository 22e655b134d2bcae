// The statistics rows: which receipt texts are listed, what counts in the
// year and month columns, the truncated shares and the page breaks.
#include "BerichtJournal.h"

#include "core/CBelegtexte.h"
#include "reports/CStatistikZeilen.h"

#include <gtest/gtest.h>

using namespace berichte;
using S = CStatistikZeilen;

namespace {

class StatistikZeilen : public ::testing::Test {
protected:
    StatistikZeilen()
    {
        while (texte.GetCount() > 0)
            texte.RemoveEntry(0);
    }
    void Text(const std::string& name, int einAus, bool statistik = true)
    {
        const int i = texte.AddEntry();
        texte.SetBezeichnung(i, name);
        texte.SetEinAus(i, einAus);
        texte.SetStatistik(i, statistik);
    }
    const S::Zeile* Finde(const std::string& text) const
    {
        for (const auto& z : s.Zeilen())
            if (z.Text == text)
                return &z;
        return nullptr;
    }
    CBelegtexte texte;
    CBuchungen j;
    S s;
};

} // namespace

TEST_F(StatistikZeilen, YearMonthAndPreviousYearColumns)
{
    Text("Verkauf", 1);
    Text("Porto", -1);
    Buche(j, Tag(2004, 5, 3), {"Verkauf", Eur(100), {}});
    Buche(j, Tag(2004, 11, 30), {"Verkauf", Eur(50), {}});      // a later month counts in the year
    Buche(j, Tag(2003, 5, 31), {"Verkauf", Eur(40), {}});
    Buche(j, Tag(2003, 1, 1), {"Verkauf", Eur(10), {}});
    Buche(j, CDatum(Tag(2003, 1, 1).Seconds() - 1), {"Verkauf", Eur(1000), {}});  // 2002: not counted
    Buche(j, CDatum(Tag(2004, 6, 1).Seconds() - 1), {"Porto", {}, Eur(8)});       // 31 May, 23:59:59
    BucheAufteilung(j, Tag(2004, 5, 10), {{"Verkauf", Eur(10), {}}, {"Porto", {}, Eur(2)}});
    s.Baue(j, texte, 2004, 5);

    ASSERT_EQ(s.Zeilen().size(), 5u);
    const S::Zeile& v = s.Zeilen()[0];
    EXPECT_EQ(v.Text, "Verkauf");
    EXPECT_EQ(v.Art, S::Text);
    EXPECT_EQ(v.Werte[S::Jahr], Eur(160));
    EXPECT_EQ(v.Werte[S::Monat], Eur(110));
    EXPECT_EQ(v.Werte[S::Vorjahr], Eur(50));
    EXPECT_EQ(v.Werte[S::VjMonat], Eur(40));
    EXPECT_EQ(v.Werte[S::JahrAbw], Eur(110));
    EXPECT_EQ(v.Werte[S::MonatAbw], Eur(70));
    EXPECT_EQ(v.Werte[S::JahrAnteil], Eur(100));
    const S::Zeile& summeEin = s.Zeilen()[1];
    EXPECT_EQ(summeEin.Text, "Summen der Einnahmen");
    EXPECT_EQ(summeEin.Art, S::Summe);
    EXPECT_EQ(s.Zeilen()[2].Werte[S::Monat], Eur(10));   // Porto's month
    EXPECT_EQ(s.Zeilen()[3].Text, "Summen der Ausgaben");
    const S::Zeile& saldo = s.Zeilen()[4];
    EXPECT_EQ(saldo.Art, S::Saldo);
    EXPECT_EQ(saldo.Text, "Saldo");
    EXPECT_EQ(saldo.Werte[S::Jahr], Eur(150));
    EXPECT_EQ(saldo.Werte[S::Vorjahr], Eur(50));
    EXPECT_EQ(saldo.Werte[S::JahrAnteil], CBetrag());   // 100 % - 100 %
    // Income section rows 0-1, an empty row, expenses from row 3.
    EXPECT_EQ(std::make_pair(s.Zeilen()[2].Seite, s.Zeilen()[2].Reihe), std::make_pair(1, 3));
    EXPECT_EQ(std::make_pair(saldo.Seite, saldo.Reihe), std::make_pair(1, 6));
}

TEST_F(StatistikZeilen, OnlyMarkedTextsOfTheirKindByExactName)
{
    Text("Verkauf", 1);
    Text("Miete", -1, false);      // not marked
    Text("Zinsen", 0);             // neither direction
    Text("Leer", 1);               // nothing booked on it: dropped
    Buche(j, Tag(2004, 5, 3), {"Verkauf", Eur(100), {}});
    Buche(j, Tag(2004, 5, 3), {"verkauf", Eur(900), {}});     // another text by its letter case
    Buche(j, Tag(2004, 5, 3), {"Miete", {}, Eur(500)});
    Buche(j, Tag(2004, 5, 3), {"Zinsen", Eur(3), {}});
    s.Baue(j, texte, 2004, 5);
    std::vector<std::string> namen;
    for (const auto& z : s.Zeilen())
        namen.push_back(z.Text);
    EXPECT_EQ(namen, (std::vector<std::string>{"Verkauf", "Summen der Einnahmen", "Summen der Ausgaben", "Saldo"}));
    EXPECT_EQ(s.Zeilen()[1].Werte[S::Jahr], Eur(100));
    EXPECT_EQ(s.Zeilen()[2].Werte[S::Jahr], CBetrag());
    EXPECT_EQ(s.Zeilen()[2].Werte[S::JahrAnteil], CBetrag());  // a zero total leaves 0,00 %
    EXPECT_EQ(std::make_pair(s.Zeilen()[3].Seite, s.Zeilen()[3].Reihe), std::make_pair(1, 5));
}

TEST_F(StatistikZeilen, SharesAreTruncatedNotRounded)
{
    Text("A", 1);
    Text("B", 1);
    Text("C", -1);
    Buche(j, Tag(2004, 5, 3), {"A", Eur(2), {}});
    Buche(j, Tag(2004, 5, 3), {"B", Eur(1), {}});
    Buche(j, Tag(2004, 5, 3), {"C", {}, Eur(-1)});   // a negative payment shares with its sign
    Buche(j, Tag(2004, 5, 3), {"C", {}, Eur(3)});
    s.Baue(j, texte, 2004, 5);
    ASSERT_EQ(s.Zeilen().size(), 6u);
    EXPECT_EQ(s.Zeilen()[0].Werte[S::JahrAnteil].Raw(), 666666);   // 66,6666...
    EXPECT_EQ(s.Zeilen()[1].Werte[S::MonatAnteil].Raw(), 333333);
    EXPECT_EQ(s.Zeilen()[2].Werte[S::JahrAnteil].Raw(), 1000000);  // the sum row
    EXPECT_EQ(s.Zeilen()[3].Werte[S::JahrAnteil].Raw(), 1000000);  // 2 of 2
    EXPECT_EQ(s.Zeilen()[0].Werte[S::VorjahrAnteil], CBetrag());
}

// 28 text rows and the sum fill rows 0-28; the empty row makes 30 and
// 30 + 5 > 30 sends the expenses to page 2. With 23 rows the expenses
// still fit on page 1.
TEST_F(StatistikZeilen, TheExpenseSectionStartsAPageWhenFiveRowsDoNotFit)
{
    struct Fall {
        int einnahmen;
        int seite;
        int zeile;
    };
    for (const Fall f : {Fall{28, 2, 0}, Fall{24, 2, 0}, Fall{23, 1, 25}}) {
        SCOPED_TRACE(f.einnahmen);
        CBelegtexte t;
        while (t.GetCount() > 0)
            t.RemoveEntry(0);
        CBuchungen journal;
        auto neu = [&](const std::string& name, int einAus) {
            const int i = t.AddEntry();
            t.SetBezeichnung(i, name);
            t.SetEinAus(i, einAus);
            t.SetStatistik(i, true);
            Buche(journal, Tag(2004, 1, 2), {name, Eur(1), Eur(1)});
        };
        for (int k = 0; k < f.einnahmen; ++k)
            neu("E" + std::to_string(k), 1);
        neu("Porto", -1);
        S st;
        st.Baue(journal, t, 2004, 5);
        const auto& z = st.Zeilen();
        ASSERT_EQ(z.size(), static_cast<std::size_t>(f.einnahmen) + 4);
        EXPECT_EQ(std::make_pair(z[f.einnahmen].Seite, z[f.einnahmen].Reihe), std::make_pair(1, f.einnahmen));
        EXPECT_EQ(std::make_pair(z[f.einnahmen + 1].Seite, z[f.einnahmen + 1].Reihe), std::make_pair(f.seite, f.zeile));
        EXPECT_EQ(std::make_pair(z.back().Seite, z.back().Reihe), std::make_pair(f.seite, f.zeile + 3));
        EXPECT_EQ(st.Seiten(), f.seite);
    }
}

TEST_F(StatistikZeilen, ASectionLongerThanAPageGoesOnAtRowZero)
{
    CBuchungen journal;
    for (int k = 0; k < 40; ++k) {
        Text("E" + std::to_string(k), 1);
        Buche(journal, Tag(2004, 1, 2), {"E" + std::to_string(k), Eur(1), {}});
    }
    s.Baue(journal, texte, 2004, 5);
    const auto& z = s.Zeilen();
    // Rows 0 to 30 of page 1 (the row counter passes R before it wraps).
    EXPECT_EQ(std::make_pair(z[30].Seite, z[30].Reihe), std::make_pair(1, 30));
    EXPECT_EQ(std::make_pair(z[31].Seite, z[31].Reihe), std::make_pair(2, 0));
    EXPECT_EQ(s.Seiten(), 2);
}

// One walk with a lookup by name gives what one walk per listed text
// gives, also for a text the catalogue lists twice.
TEST_F(StatistikZeilen, ATextListedTwiceCountsInBothRows)
{
    Text("Verkauf", 1);
    Text("Verkauf", 1);
    Buche(j, Tag(2004, 5, 3), {"Verkauf", Eur(5)});
    s.Baue(j, texte, 2004, 5);
    ASSERT_EQ(s.Zeilen().size(), 5u);
    EXPECT_EQ(s.Zeilen()[0].Werte[S::Jahr], Eur(5));
    EXPECT_EQ(s.Zeilen()[1].Werte[S::Jahr], Eur(5));
    EXPECT_EQ(s.Zeilen()[2].Werte[S::Jahr], Eur(10));
    EXPECT_EQ(s.Zeilen()[0].Werte[S::JahrAnteil], Eur(50));
}
