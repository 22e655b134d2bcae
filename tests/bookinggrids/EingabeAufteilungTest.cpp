// Split bookings in the entry grid: converting with ". Aufteilung", the
// header row and its sums, the empty last row, deleting lines with
// "- Löschen" and the commit that writes every row into its own line.
#include "EingabeTestBasis.h"

using namespace gridtyping;

namespace {

const std::string kLoeschen = "- L\xF6schen";

CBetrag Euro(int euro) { return CBetrag(static_cast<std::int64_t>(euro) * 10000); }

} // namespace

class AufteilungTest : public EingabeTest {
protected:
    // A split booking of three lines straight in the journal.
    int AddSplit()
    {
        CBuchungen& j = zugriff.journal;
        const int i = j.AddItem();
        j.GetItem(i).Datum = CDatum::FromYMD(2004, 3, 28);
        j.GetItem(i).Aufteilung = true;
        j.GetItem(i).Notiz = "Einkauf";
        j.GetItem(i).RgNr = "R-1";
        const char* texte[] = {"Porto", "Betriebsbedarf", "Privatentnahme"};
        for (int k = 0; k < 3; ++k) {
            CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
            z.Bezeichnung = texte[k];
            z.Notiz = "Teil " + std::to_string(k + 1);
            z.Ausgabe = Euro(10 * (k + 1));
            z.UStID = static_cast<std::int16_t>(k == 1 ? 200 : 100);
        }
        return i;
    }
};

TEST_F(AufteilungTest, ConvertingMovesTheFirstLineIntoRow2AndOpensAnEmptyRow)
{
    grid->NewBooking();
    PickInOpenList(*grid, "Verk");
    TypeInto(*grid, 1, 2, "Theke");
    TypeInto(*grid, 1, 4, "100");
    Pick(*grid, 1, 1, ".");

    EXPECT_TRUE(grid->IsSplit());
    ASSERT_EQ(grid->GetRowCount(), 4);
    EXPECT_EQ(Text(1, 1), "Aufteilung");
    EXPECT_EQ(grid->GetCellType(1, 1), GridCellKind::Text);
    EXPECT_TRUE(ReadOnly(1, 1));
    EXPECT_EQ(Text(1, 2), "");
    EXPECT_EQ(Text(1, 7), "");
    EXPECT_EQ(Text(1, 4), "100,00");
    EXPECT_EQ(Text(1, 5), "0,00");
    for (int col : {4, 5, 6, 7})
        EXPECT_TRUE(ReadOnly(1, col)) << col;
    EXPECT_EQ(Text(1, 0), "28");

    EXPECT_EQ(Text(2, 1), "Verkauf");
    EXPECT_EQ(Text(2, 2), "Theke");
    EXPECT_EQ(Text(2, 4), "100,00");
    EXPECT_EQ(Text(2, 7), "19,00");
    EXPECT_EQ(grid->GetItemData(2, 7), 200);
    EXPECT_EQ(grid->GetItemData(2, 0), -1);
    EXPECT_FALSE(ReadOnly(2, 4));
    EXPECT_TRUE(ReadOnly(2, 0));
    EXPECT_TRUE(ReadOnly(2, 3));

    EXPECT_EQ(Text(3, 1), "");
    EXPECT_EQ(Text(3, 6), "EUR");
    EXPECT_EQ(grid->GetItemData(3, 0), -1);
    EXPECT_GT(grid->GetRowHeight(3), 0);
    const std::vector<std::string> options = grid->GetComboOptions(3, 1);
    ASSERT_FALSE(options.empty());
    EXPECT_EQ(options.back(), kLoeschen);
}

TEST_F(AufteilungTest, TypingInTheLastRowAddsTheNextAndSumsFollow)
{
    grid->NewBooking();
    PickInOpenList(*grid, "Verk");
    TypeInto(*grid, 1, 4, "100");
    Pick(*grid, 1, 1, ".");
    Pick(*grid, 3, 1, "Bankaus");
    ASSERT_EQ(grid->GetRowCount(), 5);
    TypeInto(*grid, 3, 4, "50,25");
    EXPECT_EQ(Text(1, 4), "150,25");
    Pick(*grid, 4, 1, "Porto");
    TypeInto(*grid, 4, 5, "1000");
    EXPECT_EQ(Text(1, 5), "1.000,00");
    ASSERT_EQ(grid->GetRowCount(), 6);

    // The empty last row is not part of the booking.
    TypeInto(*grid, 1, 3, "RG-9");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(zugriff.journal.GetCount(), 1);
    const CBuchungssatz& s = zugriff.journal.GetItem(0);
    EXPECT_TRUE(s.Aufteilung);
    EXPECT_EQ(s.RgNr, "RG-9");
    ASSERT_EQ(zugriff.journal.GetLineCount(0), 3);
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Bezeichnung, "Verkauf");
    EXPECT_EQ(zugriff.journal.GetItem(0, 1).Einnahme, CBetrag(502500));
    EXPECT_EQ(zugriff.journal.GetItem(0, 2).Ausgabe, Euro(1000));
}

TEST_F(AufteilungTest, ShownSplitBookingHasHeaderLinesSumsAndEmptyRow)
{
    const int i = AddSplit();
    ASSERT_TRUE(grid->ShowBooking(i));
    EXPECT_EQ(grid->GetState(), EntryState::Open);
    ASSERT_EQ(grid->GetRowCount(), 6);
    EXPECT_EQ(Text(1, 0), "28");
    EXPECT_TRUE(ReadOnly(1, 0));  // daily mode
    EXPECT_EQ(Text(1, 1), "Aufteilung");
    EXPECT_EQ(Text(1, 2), "Einkauf");
    EXPECT_EQ(Text(1, 3), "R-1");
    EXPECT_EQ(Text(1, 5), "60,00");
    EXPECT_EQ(Text(1, 4), "0,00");
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(grid->GetItemData(j + 2, 0), j);
        EXPECT_EQ(Text(j + 2, 2), "Teil " + std::to_string(j + 1));
        EXPECT_EQ(Text(j + 2, 4), "0");
    }
    EXPECT_EQ(Text(3, 5), "20,00");
    EXPECT_EQ(Text(3, 7), "19,00");
    EXPECT_EQ(Text(5, 1), "");
    EXPECT_EQ(grid->GetItemData(5, 0), -1);
}

TEST_F(AufteilungTest, DeletedLineLeavesTheJournalAndTheOthersKeepTheirLines)
{
    const int i = AddSplit();
    ASSERT_TRUE(grid->ShowBooking(i));
    Pick(*grid, 3, 1, "-");
    EXPECT_EQ(grid->GetRowHeight(3), 0);
    EXPECT_EQ(grid->GetItemData(3, 1), 1);
    EXPECT_EQ(Text(1, 5), "40,00");
    EXPECT_EQ(grid->GetRowCount(), 6);  // the deleted row stays, hidden

    TypeInto(*grid, 4, 5, "33");  // the line after the deleted one
    TypeInto(*grid, 2, 2, "erster");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(zugriff.journal.GetLineCount(i), 2);
    EXPECT_EQ(zugriff.journal.GetItem(i, 0).Bezeichnung, "Porto");
    EXPECT_EQ(zugriff.journal.GetItem(i, 0).Notiz, "erster");
    EXPECT_EQ(zugriff.journal.GetItem(i, 1).Bezeichnung, "Privatentnahme");
    EXPECT_EQ(zugriff.journal.GetItem(i, 1).Notiz, "Teil 3");
    EXPECT_EQ(zugriff.journal.GetItem(i, 1).Ausgabe, Euro(33));
    EXPECT_EQ(zugriff.journal.GetItem(i).Notiz, "Einkauf");
}

TEST_F(AufteilungTest, DeleteOnTheEmptyLastRowIsNotADeletion)
{
    const int i = AddSplit();
    ASSERT_TRUE(grid->ShowBooking(i));
    Pick(*grid, 5, 1, "-");
    EXPECT_EQ(Text(5, 1), "");
    EXPECT_GT(grid->GetRowHeight(5), 0);
    EXPECT_EQ(grid->GetRowCount(), 6);  // no further row for an edit that was undone
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetLineCount(i), 3);
}

TEST_F(AufteilungTest, DeletedIncompleteRowNoLongerBlocksTheBooking)
{
    const int i = AddSplit();
    ASSERT_TRUE(grid->ShowBooking(i));
    // A new line begun in the empty row and left without an amount ...
    Pick(*grid, 5, 1, "Bankein");
    ASSERT_EQ(grid->GetRowCount(), 7);
    EXPECT_FALSE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Geben Sie einen Betrag ein!");
    EXPECT_EQ(grid->GetEditCell(), CCellID(5, 5));

    // ... and thrown away again: the booking goes through.
    QTest::keyClick(LineEditor(*grid), Qt::Key_Escape);
    Pick(*grid, 5, 1, "-");
    EXPECT_EQ(grid->GetRowHeight(5), 0);
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(zugriff.journal.GetLineCount(i), 3);
}

TEST_F(AufteilungTest, ConvertingAShownOrdinaryBookingKeepsItsLine)
{
    const int i = zugriff.AddBooking(2004, 3, 28, "Verkauf", Euro(80), CBetrag(), 200);
    zugriff.journal.GetItem(i).Notiz = "alt";
    zugriff.journal.GetItem(i, 0).Notiz = "alt";
    ASSERT_TRUE(grid->ShowBooking(i));
    Pick(*grid, 1, 1, ".");
    EXPECT_EQ(grid->GetItemData(2, 0), 0);
    EXPECT_EQ(Text(2, 4), "80,00");
    EXPECT_EQ(Text(2, 2), "alt");
    Pick(*grid, 3, 1, "Porto");
    TypeInto(*grid, 3, 5, "5");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetCount(), 1);
    EXPECT_TRUE(zugriff.journal.GetItem(i).Aufteilung);
    EXPECT_EQ(zugriff.journal.GetItem(i).Notiz, "");
    ASSERT_EQ(zugriff.journal.GetLineCount(i), 2);
    EXPECT_EQ(zugriff.journal.GetItem(i, 0).Einnahme, Euro(80));
    EXPECT_EQ(zugriff.journal.GetItem(i, 0).Notiz, "alt");
    EXPECT_EQ(zugriff.journal.GetItem(i, 1).Ausgabe, Euro(5));
}
