// The entry engine shared by the entry grid and kuvex-cli: the validation
// messages with the cell they send the user to, and a commit that writes
// every row into exactly the journal line it was filled from.
#include <gtest/gtest.h>

#include "core/CBuchungen.h"
#include "core/CBuchungsErfassung.h"
#include "core/CFehler.h"

namespace {

CErfassungsZeile Einnahme(const std::string& text, std::int64_t raw, int zeile = -1)
{
    CErfassungsZeile z;
    z.Zeile = zeile;
    z.Bezeichnung = text;
    z.Einnahme = CBetrag(raw);
    CBuchungsErfassung::WendeEinAusAn(z, 1);
    z.Einnahme = CBetrag(raw);
    z.UStID = 200;
    return z;
}

CErfassungsZeile Ausgabe(const std::string& text, std::int64_t raw, int zeile = -1)
{
    CErfassungsZeile z;
    z.Zeile = zeile;
    z.Bezeichnung = text;
    CBuchungsErfassung::WendeEinAusAn(z, -1);
    z.Ausgabe = CBetrag(raw);
    z.UStID = 100;
    return z;
}

CErfassteBuchung Gewoehnlich(int tag, CErfassungsZeile zeile)
{
    CErfassteBuchung b;
    b.Tag = tag;
    b.Zeilen.push_back(std::move(zeile));
    return b;
}

void ErwarteFehler(const CErfassteBuchung& b, int jahr, int monat, const char* meldung,
                   int zeile, int spalte)
{
    const auto f = CBuchungsErfassung::Pruefe(b, jahr, monat);
    ASSERT_TRUE(f.has_value());
    EXPECT_EQ(f->Meldung, meldung);
    EXPECT_EQ(f->Zeile, zeile);
    EXPECT_EQ(f->Spalte, spalte);
}

} // namespace

TEST(EngineErfassung, MessagesAreTheProgramsBytes)
{
    EXPECT_STREQ(CBuchungsErfassung::MeldungTag, "Geben Sie einen g\xFCltigen Tag ein!");
    EXPECT_STREQ(CBuchungsErfassung::MeldungBelegtext, "Geben Sie einen Belegtext ein!");
    EXPECT_STREQ(CBuchungsErfassung::MeldungBetrag, "Geben Sie einen Betrag ein!");
    EXPECT_STREQ(CBuchungsErfassung::Titel, "Unvollst\xE4ndige Eingabe");
}

TEST(EngineErfassung, DayMustLieInTheSelectedMonth)
{
    CErfassteBuchung b = Gewoehnlich(31, Einnahme("Verkauf", 10000));
    ErwarteFehler(b, 2004, 4, CBuchungsErfassung::MeldungTag, -1, 0); // April has 30
    EXPECT_FALSE(CBuchungsErfassung::Pruefe(b, 2004, 5).has_value());
    b.Tag = 29;
    EXPECT_FALSE(CBuchungsErfassung::Pruefe(b, 2004, 2).has_value());
    ErwarteFehler(b, 2005, 2, CBuchungsErfassung::MeldungTag, -1, 0);
    b.Tag = 0;
    ErwarteFehler(b, 2004, 5, CBuchungsErfassung::MeldungTag, -1, 0);
    b.Tag = -3;
    ErwarteFehler(b, 2004, 5, CBuchungsErfassung::MeldungTag, -1, 0);
}

TEST(EngineErfassung, TextThenOpenAmountColumnMustBeFilled)
{
    CErfassteBuchung b = Gewoehnlich(3, Einnahme("", 10000));
    ErwarteFehler(b, 2004, 5, CBuchungsErfassung::MeldungBelegtext, 0, 1);
    b.Zeilen[0] = Einnahme("Verkauf", 0);
    ErwarteFehler(b, 2004, 5, CBuchungsErfassung::MeldungBetrag, 0, 4);
    b.Zeilen[0] = Ausgabe("Porto", 0);
    ErwarteFehler(b, 2004, 5, CBuchungsErfassung::MeldungBetrag, 0, 5);
    // A text without direction opens no column and needs no amount.
    b.Zeilen[0].Bezeichnung = "Umbuchung";
    CBuchungsErfassung::WendeEinAusAn(b.Zeilen[0], 0);
    EXPECT_FALSE(CBuchungsErfassung::Pruefe(b, 2004, 5).has_value());
    // The day is checked before the rows.
    b.Zeilen[0] = Einnahme("", 0);
    b.Tag = 32;
    ErwarteFehler(b, 2004, 5, CBuchungsErfassung::MeldungTag, -1, 0);
}

TEST(EngineErfassung, ChangingDirectionClosesAndZeroesTheOtherColumn)
{
    CErfassungsZeile z = Einnahme("Verkauf", 50000);
    CBuchungsErfassung::WendeEinAusAn(z, -1);
    EXPECT_FALSE(z.EinnahmeEditierbar);
    EXPECT_TRUE(z.AusgabeEditierbar);
    EXPECT_EQ(z.Einnahme.Raw(), 0);
    z.Ausgabe = CBetrag(30000);
    CBuchungsErfassung::WendeEinAusAn(z, 7); // neither receipt nor payment
    EXPECT_FALSE(z.EinnahmeEditierbar);
    EXPECT_FALSE(z.AusgabeEditierbar);
    EXPECT_EQ(z.Ausgabe.Raw(), 0);
}

TEST(EngineErfassung, DeletedSplitRowsDoNotBlockTheBooking)
{
    CErfassteBuchung b;
    b.Tag = 10;
    b.Aufteilung = true;
    b.Zeilen.push_back(Einnahme("Verkauf", 10000));
    CErfassungsZeile halb; // an incomplete row the user threw away
    halb.Geloescht = true;
    b.Zeilen.push_back(halb);
    CErfassungsZeile ohneBetrag = Ausgabe("Porto", 0);
    ohneBetrag.Geloescht = true;
    b.Zeilen.push_back(ohneBetrag);
    b.Zeilen.push_back(Ausgabe("Porto", 2000));
    EXPECT_FALSE(CBuchungsErfassung::Pruefe(b, 2004, 5).has_value());

    CBuchungen j;
    const int i = CBuchungsErfassung::Commit(j, b, 2004, 5);
    ASSERT_EQ(j.GetLineCount(i), 2);
    EXPECT_EQ(j.GetItem(i, 0).Bezeichnung, "Verkauf");
    EXPECT_EQ(j.GetItem(i, 1).Ausgabe.Raw(), 2000);

    // A kept incomplete row still blocks, and is named by its own position.
    b.Zeilen[1].Geloescht = false;
    ErwarteFehler(b, 2004, 5, CBuchungsErfassung::MeldungBelegtext, 1, 1);
}

TEST(EngineErfassung, NewOrdinaryBookingIsAppendedAtLocalMidnight)
{
    CBuchungen j;
    j.AddItem();
    CErfassteBuchung b = Gewoehnlich(31, Ausgabe("Porto", 12345));
    b.Notiz = "Briefmarken";
    b.RgNr = "R-7";
    b.Zeilen[0].Notiz = "nicht benutzt"; // the grid has one "Notiz" cell in row 1
    const int i = CBuchungsErfassung::Commit(j, b, 2004, 10); // day of the clock change
    EXPECT_EQ(i, 1);
    const CBuchungssatz& s = j.GetItem(i);
    EXPECT_EQ(s.Datum, CDatum::FromYMD(2004, 10, 31));
    EXPECT_EQ(s.Notiz, "Briefmarken");
    EXPECT_EQ(s.RgNr, "R-7");
    EXPECT_FALSE(s.Aufteilung);
    ASSERT_EQ(s.Zeilen.size(), 1u);
    EXPECT_EQ(s.Zeilen[0].Bezeichnung, "Porto");
    EXPECT_EQ(s.Zeilen[0].Notiz, "Briefmarken");
    EXPECT_EQ(s.Zeilen[0].Einnahme.Raw(), 0);
    EXPECT_EQ(s.Zeilen[0].Ausgabe.Raw(), 12345);
    EXPECT_EQ(s.Zeilen[0].UStID, 100);
}

TEST(EngineErfassung, EditedOrdinaryBookingRewritesItsLine)
{
    CBuchungen j;
    const int i = CBuchungsErfassung::Commit(j, Gewoehnlich(1, Einnahme("Verkauf", 10000)), 2004, 1);
    CErfassteBuchung b = Gewoehnlich(2, Ausgabe("Porto", 500, 0));
    b.Satz = i;
    EXPECT_EQ(CBuchungsErfassung::Commit(j, b, 2004, 2), i);
    EXPECT_EQ(j.GetCount(), 1);
    ASSERT_EQ(j.GetLineCount(i), 1);
    EXPECT_EQ(j.GetItem(i).Datum, CDatum::FromYMD(2004, 2, 2));
    EXPECT_EQ(j.GetItem(i, 0).Einnahme.Raw(), 0);
    EXPECT_EQ(j.GetItem(i, 0).Ausgabe.Raw(), 500);
}

TEST(EngineErfassung, SplitRowsKeepAddressingTheirLinesWhenOneIsDeleted)
{
    CBuchungen j;
    CErfassteBuchung b;
    b.Tag = 5;
    b.Aufteilung = true;
    b.Zeilen = {Einnahme("A", 10000), Einnahme("B", 20000), Einnahme("C", 30000)};
    const int i = CBuchungsErfassung::Commit(j, b, 2005, 3);
    ASSERT_EQ(j.GetLineCount(i), 3);

    // Shown again: each row carries its line. Delete the middle one, edit
    // the third and add a fourth.
    CErfassteBuchung e = b;
    e.Satz = i;
    for (int r = 0; r < 3; ++r)
        e.Zeilen[r].Zeile = r;
    e.Zeilen[1].Geloescht = true;
    e.Zeilen[2].Einnahme = CBetrag(33000);
    e.Zeilen[2].Notiz = "geaendert";
    e.Zeilen.push_back(Ausgabe("D", 4000));
    CBuchungsErfassung::Commit(j, e, 2005, 3);

    ASSERT_EQ(j.GetLineCount(i), 3);
    EXPECT_EQ(j.GetItem(i, 0).Bezeichnung, "A");
    EXPECT_EQ(j.GetItem(i, 0).Einnahme.Raw(), 10000);
    EXPECT_EQ(j.GetItem(i, 1).Bezeichnung, "C");
    EXPECT_EQ(j.GetItem(i, 1).Einnahme.Raw(), 33000);
    EXPECT_EQ(j.GetItem(i, 1).Notiz, "geaendert");
    EXPECT_EQ(j.GetItem(i, 2).Bezeichnung, "D");
    EXPECT_EQ(j.GetItem(i, 2).Ausgabe.Raw(), 4000);
    EXPECT_EQ(j.GetLineSum(i, SumMode::Net).Raw(), 10000 + 33000 - 4000);

    // Deleting the first and the last of three in one commit.
    CErfassteBuchung f;
    f.Satz = i;
    f.Tag = 5;
    f.Aufteilung = true;
    f.Zeilen = {Einnahme("A", 10000, 0), Einnahme("C", 33000, 1), Ausgabe("D", 4000, 2)};
    f.Zeilen[0].Geloescht = true;
    f.Zeilen[2].Geloescht = true;
    CBuchungsErfassung::Commit(j, f, 2005, 3);
    ASSERT_EQ(j.GetLineCount(i), 1);
    EXPECT_EQ(j.GetItem(i, 0).Bezeichnung, "C");
    EXPECT_TRUE(j.GetItem(i).Aufteilung);
}

TEST(EngineErfassung, ConvertingAnOrdinaryBookingToASplitKeepsLineZero)
{
    CBuchungen j;
    const int i = CBuchungsErfassung::Commit(j, Gewoehnlich(9, Einnahme("Verkauf", 10000)), 2004, 6);
    CErfassteBuchung b;
    b.Satz = i;
    b.Tag = 9;
    b.Aufteilung = true;
    b.Zeilen = {Einnahme("Verkauf", 7000, 0), Ausgabe("Porto", 3000)};
    CBuchungsErfassung::Commit(j, b, 2004, 6);
    ASSERT_EQ(j.GetLineCount(i), 2);
    EXPECT_TRUE(j.GetItem(i).Aufteilung);
    EXPECT_EQ(j.GetItem(i, 0).Einnahme.Raw(), 7000);
    EXPECT_EQ(j.GetItem(i, 1).Ausgabe.Raw(), 3000);
}

TEST(EngineErfassung, IncompleteOrStaleBookingLeavesJournalUntouched)
{
    CBuchungen j;
    const int i = CBuchungsErfassung::Commit(j, Gewoehnlich(1, Einnahme("Verkauf", 10000)), 2004, 1);

    auto erwarte = [&](const CErfassteBuchung& b, const std::string& text) {
        try {
            CBuchungsErfassung::Commit(j, b, 2004, 1);
            ADD_FAILURE() << "no error for " << text;
        } catch (const CFehler& e) {
            EXPECT_EQ(std::string(e.what()), text);
        }
        EXPECT_EQ(j.GetCount(), 1);
        EXPECT_EQ(j.GetLineCount(i), 1);
        EXPECT_EQ(j.GetItem(i, 0).Einnahme.Raw(), 10000);
        EXPECT_EQ(j.GetItem(i).Datum, CDatum::FromYMD(2004, 1, 1));
    };

    erwarte(Gewoehnlich(1, Einnahme("Verkauf", 0)), CBuchungsErfassung::MeldungBetrag);

    CErfassteBuchung stale = Gewoehnlich(2, Einnahme("Verkauf", 5, 0));
    stale.Satz = 1;
    erwarte(stale, "GetItem: Index ung\xFCltig");
    stale.Satz = -2;
    erwarte(stale, "GetItem: Index ung\xFCltig");

    CErfassteBuchung split;
    split.Satz = i;
    split.Tag = 2;
    split.Aufteilung = true;
    split.Zeilen = {Einnahme("A", 5, 0), Einnahme("B", 6, 1)}; // line 1 does not exist
    erwarte(split, "GetItem: Buchungssatz-Index ung\xFCltig");
    split.Zeilen[1].Zeile = 0; // two rows claiming one line
    erwarte(split, "GetItem: Buchungssatz-Index ung\xFCltig");

    CErfassteBuchung neu = Gewoehnlich(2, Einnahme("Verkauf", 5, 0)); // new record, old line
    erwarte(neu, "GetItem: Buchungssatz-Index ung\xFCltig");

    CErfassteBuchung ohneZeile;
    ohneZeile.Tag = 2;
    erwarte(ohneZeile, "Unbekannter Fehler");
}
