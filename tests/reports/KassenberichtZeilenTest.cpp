// The cash report's lines: which rows a period makes, in which order,
// with which sums, and where the pages break.
#include "BerichtJournal.h"

#include "core/CSteuersaetze.h"
#include "reports/CKassenberichtZeilen.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <tuple>

using namespace berichte;
using Z = CKassenberichtZeilen;

namespace {

// (page, row, kind) of every line.
std::vector<std::tuple<int, int, int>> Plaetze(const Z& b)
{
    std::vector<std::tuple<int, int, int>> v;
    for (const auto& z : b.Zeilen())
        v.emplace_back(z.Seite, z.Reihe, z.Art);
    return v;
}

class KassenberichtZeilen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        pfad = dir.filePath(QStringLiteral("ust.xml")).toStdString();
        std::ofstream(pfad) << "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Steuersaetze>"
                               "<Steuersatz><Prozentsatz><Id>100</Id><Prozent>16,0000</Prozent></Prozentsatz>"
                               "</Steuersatz><Steuersatz><Prozentsatz><Id>200</Id><Prozent>7,0000</Prozent>"
                               "</Prozentsatz></Steuersatz></Steuersaetze>\n";
        ust = std::make_unique<CSteuersaetze>(pfad);
        ASSERT_EQ(ust->GetProzent(200), Eur(7));
    }
    QTemporaryDir dir;
    std::string pfad;
    std::unique_ptr<CSteuersaetze> ust;
    CBuchungen j;
    Z bericht;
};

} // namespace

TEST_F(KassenberichtZeilen, ThreeDaysOfAMonthWithTheirSumsAndSpacers)
{
    Buche(j, Tag(2004, 2, 29), {"Anfangsbestand", Eur(100), {}});
    Buche(j, Tag(2004, 3, 9), {"Verkauf", Eur(20), {}});       // third day, typed first
    Buche(j, Tag(2004, 3, 1), {"Verkauf", Eur(50), {}, 200});
    Buche(j, Tag(2004, 3, 1), {"Porto", {}, Eur(5)}, "R-7");
    Buche(j, Tag(2004, 3, 4), {"Porto", {}, Eur(200)});
    Buche(j, Tag(2004, 4, 1), {"Verkauf", Eur(999), {}});      // after the month: not listed
    bericht.Baue(j, ust.get(), Tag(2004, 3, 17), true);

    EXPECT_EQ(Plaetze(bericht), (std::vector<std::tuple<int, int, int>>{
                                    {1, 0, Z::Anfangsbestand}, {1, 1, Z::Buchung}, {1, 2, Z::Buchung},
                                    {1, 3, Z::Tagessumme}, {1, 4, Z::Leer}, {1, 5, Z::Buchung},
                                    {1, 6, Z::Tagessumme}, {1, 7, Z::Leer}, {1, 8, Z::Buchung},
                                    {1, 9, Z::Tagessumme}}));
    const auto& z = bericht.Zeilen();
    EXPECT_EQ(z[0].Saldo, Eur(100));
    EXPECT_EQ(z[1].Text, "Verkauf");
    EXPECT_EQ(z[1].Ust, Eur(7));
    EXPECT_EQ(z[1].Datum, Tag(2004, 3, 1));
    EXPECT_EQ(z[2].RgNr, "R-7");
    EXPECT_EQ(z[2].Ausgabe, Eur(5));
    EXPECT_EQ(z[2].Einnahme, CBetrag());
    EXPECT_EQ(std::make_tuple(z[3].Einnahme, z[3].Ausgabe, z[3].Saldo), std::make_tuple(Eur(50), Eur(5), Eur(145)));
    EXPECT_EQ(std::make_tuple(z[6].Einnahme, z[6].Ausgabe, z[6].Saldo), std::make_tuple(CBetrag(), Eur(200), Eur(-55)));
    EXPECT_EQ(std::make_tuple(z[9].Einnahme, z[9].Ausgabe, z[9].Saldo), std::make_tuple(Eur(20), CBetrag(), Eur(-35)));
    EXPECT_EQ(bericht.Seiten(), 1);
}

TEST_F(KassenberichtZeilen, DailyModeOpensWithTheBalanceBeforeTheDay)
{
    Buche(j, Tag(2004, 3, 1), {"Anfangsbestand", Eur(100), {}});
    Buche(j, Tag(2004, 3, 4), {"Porto", {}, Eur(30)});
    Buche(j, Tag(2004, 3, 5), {"Verkauf", Eur(10), {}});
    Buche(j, CDatum(Tag(2004, 3, 5).Seconds() - 1), {"Verkauf", Eur(1), {}}); // 4 March, 23:59:59
    Buche(j, Tag(2004, 3, 6), {"Verkauf", Eur(500), {}});
    bericht.Baue(j, ust.get(), Tag(2004, 3, 5), false);

    ASSERT_EQ(bericht.Zeilen().size(), 3u);
    EXPECT_EQ(bericht.Zeilen()[0].Saldo, Eur(71));
    EXPECT_EQ(bericht.Zeilen()[2].Art, Z::Tagessumme);
    EXPECT_EQ(bericht.Zeilen()[2].Saldo, Eur(81));
    EXPECT_EQ(bericht.Zeilen()[2].Saldo, j.GetSumBefore(Tag(2004, 3, 6), SumMode::Net));
}

TEST_F(KassenberichtZeilen, NotesSplitBookingsAndUnknownRates)
{
    Buche(j, Tag(2004, 3, 2), {"Porto", {}, Eur(2.5), 100, "Briefmarken"});
    Buche(j, Tag(2004, 3, 2), {"Verkauf", Eur(3), {}, 999});
    BucheAufteilung(j, Tag(2004, 3, 2), {{"Verkauf", Eur(100), {}, 200, "Teil 1"}, {"Porto", {}, Eur(5.5)}}, "Markt");
    BucheAufteilung(j, Tag(2004, 3, 2), {{"Verkauf", Eur(1), {}}});
    bericht.Baue(j, ust.get(), Tag(2004, 3, 2), false);

    const auto& z = bericht.Zeilen();
    ASSERT_EQ(z.size(), 9u);
    EXPECT_EQ(z[1].Text, "Porto (Briefmarken)");
    EXPECT_EQ(z[2].Ust, CBetrag());  // id 999 is in no table
    EXPECT_EQ(std::make_tuple(z[3].Art, z[3].Text, z[3].Ust, z[3].Einnahme, z[3].Ausgabe),
              std::make_tuple(int(Z::Buchung), std::string("Aufteilung (Markt)"), CBetrag(), Eur(100), Eur(5.5)));
    EXPECT_EQ(std::make_tuple(z[4].Art, z[4].Text, z[4].Ust, z[4].Einnahme),
              std::make_tuple(int(Z::Aufteilung), std::string("Verkauf (Teil 1)"), Eur(7), Eur(100)));
    EXPECT_EQ(std::make_tuple(z[5].Art, z[5].Text, z[5].Ust, z[5].Ausgabe),
              std::make_tuple(int(Z::Aufteilung), std::string("Porto"), Eur(16), Eur(5.5)));
    EXPECT_EQ(z[6].Text, "Aufteilung");
    // The split rows add nothing: the day holds 3 + 100 + 1 in, 2,50 + 5,50 out.
    EXPECT_EQ(std::make_tuple(z[8].Einnahme, z[8].Ausgabe, z[8].Saldo), std::make_tuple(Eur(104), Eur(8), Eur(96)));
    // Without a table every rate is an unknown one.
    bericht.Baue(j, nullptr, Tag(2004, 3, 2), false);
    EXPECT_EQ(bericht.Zeilen()[1].Ust, CBetrag());
}

TEST_F(KassenberichtZeilen, ATimeOfDayIsADayOfItsOwn)
{
    const CDatum mitternacht = Tag(2004, 3, 5);
    Buche(j, CDatum(mitternacht.Seconds() + 10 * 3600), {"Verkauf", Eur(7), {}});
    Buche(j, mitternacht, {"Verkauf", Eur(1), {}});
    Buche(j, mitternacht, {"Verkauf", Eur(2), {}});
    bericht.Baue(j, ust.get(), mitternacht, false);
    EXPECT_EQ(Plaetze(bericht), (std::vector<std::tuple<int, int, int>>{
                                    {1, 0, Z::Anfangsbestand}, {1, 1, Z::Buchung}, {1, 2, Z::Buchung},
                                    {1, 3, Z::Tagessumme}, {1, 4, Z::Leer}, {1, 5, Z::Buchung},
                                    {1, 6, Z::Tagessumme}}));
    // Equal dates keep their journal order; the 10:00 booking comes last.
    EXPECT_EQ(bericht.Zeilen()[1].Einnahme, Eur(1));
    EXPECT_EQ(bericht.Zeilen()[3].Saldo, Eur(3));
    EXPECT_EQ(bericht.Zeilen()[6].Saldo, Eur(10));
}

TEST_F(KassenberichtZeilen, NoBookingsMakeOneEmptyPage)
{
    Buche(j, Tag(2004, 2, 29), {"Anfangsbestand", Eur(100), {}});
    bericht.Baue(j, ust.get(), Tag(2004, 3, 1), true);
    EXPECT_TRUE(bericht.Zeilen().empty());
    EXPECT_EQ(bericht.Seiten(), 1);
    bericht.Baue(CBuchungen(), ust.get(), Tag(2004, 3, 1), false);
    EXPECT_TRUE(bericht.Zeilen().empty());
    EXPECT_EQ(bericht.Seiten(), 1);
}

// Opening balance and 24 bookings fill rows 0 to 24; a split booking of k
// lines needs k + 1 rows and a row to spare.
TEST_F(KassenberichtZeilen, ASplitBookingMovesOnlyWhenItsRowsDoNotFit)
{
    struct Fall {
        int teile;
        int seite;
        int zeile;
        int seiten;
    };
    for (const Fall f : {Fall{5, 2, 0, 2}, Fall{4, 1, 25, 1}}) {
        SCOPED_TRACE(f.teile);
        CBuchungen journal;
        for (int k = 0; k < 24; ++k)
            Buche(journal, Tag(2004, 3, 1), {"Verkauf", Eur(1), {}});
        BucheAufteilung(journal, Tag(2004, 3, 1), std::vector<Teil>(static_cast<std::size_t>(f.teile),
                                                                    Teil{"Verkauf", Eur(1), {}}));
        bericht.Baue(journal, ust.get(), Tag(2004, 3, 1), false);
        const auto& z = bericht.Zeilen();
        ASSERT_EQ(z.size(), 1u + 24 + 1 + f.teile + 1);
        EXPECT_EQ(std::make_pair(z[24].Seite, z[24].Reihe), std::make_pair(1, 24));
        EXPECT_EQ(std::make_tuple(z[25].Art, z[25].Seite, z[25].Reihe), std::make_tuple(int(Z::Buchung), f.seite, f.zeile));
        EXPECT_EQ(std::make_pair(z[25 + f.teile].Seite, z[25 + f.teile].Reihe),
                  std::make_pair(f.seite, f.zeile + f.teile));
        EXPECT_EQ(bericht.Seiten(), f.seiten);
    }
}

TEST_F(KassenberichtZeilen, DaySumAndSpacerRunOntoRowsThirtyAndThirtyOne)
{
    for (int k = 0; k < 29; ++k)
        Buche(j, Tag(2004, 3, 1), {"Verkauf", Eur(1), {}});
    Buche(j, Tag(2004, 3, 2), {"Verkauf", Eur(1), {}});
    bericht.Baue(j, ust.get(), Tag(2004, 3, 1), true);
    const auto& z = bericht.Zeilen();
    ASSERT_EQ(z.size(), 1u + 29 + 2 + 1 + 1);
    EXPECT_EQ(std::make_tuple(z[29].Seite, z[29].Reihe), std::make_tuple(1, 29));   // the last plain start
    EXPECT_EQ(std::make_tuple(z[30].Art, z[30].Seite, z[30].Reihe), std::make_tuple(int(Z::Tagessumme), 1, 30));
    EXPECT_EQ(std::make_tuple(z[31].Art, z[31].Seite, z[31].Reihe), std::make_tuple(int(Z::Leer), 1, 31));
    EXPECT_EQ(std::make_tuple(z[32].Art, z[32].Seite, z[32].Reihe), std::make_tuple(int(Z::Buchung), 2, 0));
    EXPECT_EQ(std::make_tuple(z[33].Art, z[33].Seite, z[33].Reihe), std::make_tuple(int(Z::Tagessumme), 2, 1));
    EXPECT_EQ(bericht.Seiten(), 2);
}
