// Bookings already in the journal, opened in the entry grid: the row filled
// from the line, the VAT drop-down, a receipt text that has left the
// catalogue, and writing back into the same record.
#include "EingabeTestBasis.h"

using namespace gridtyping;

namespace {

CBetrag Euro(int euro) { return CBetrag(static_cast<std::int64_t>(euro) * 10000); }

} // namespace

TEST_F(EingabeTest, ShowBookingRefusesBadIndicesAndAClosedCashBook)
{
    zugriff.AddBooking(2004, 3, 28, "Porto", CBetrag(), Euro(2));
    EXPECT_FALSE(grid->ShowBooking(-1));
    EXPECT_FALSE(grid->ShowBooking(1));
    zugriff.open = false;
    EXPECT_FALSE(grid->ShowBooking(0));
    EXPECT_EQ(grid->GetState(), EntryState::Idle);
    EXPECT_TRUE(states.empty());
}

TEST_F(EingabeTest, ShownBookingIsWrittenBackIntoItsOwnRecord)
{
    zugriff.AddBooking(2004, 3, 1, "Porto", CBetrag(), Euro(1));
    const int i = zugriff.AddBooking(2004, 3, 28, "Porto", CBetrag(), Euro(2));
    zugriff.journal.GetItem(i).RgNr = "R-5";
    zugriff.Select(2004, 3, 1, true);
    ASSERT_TRUE(grid->ShowBooking(i));
    EXPECT_EQ(grid->GetState(), EntryState::Open);
    EXPECT_EQ(grid->GetEditCell(), CCellID());  // showing opens no editor
    EXPECT_EQ(Text(1, 0), "28");
    EXPECT_FALSE(ReadOnly(1, 0));  // monthly mode
    EXPECT_EQ(Text(1, 3), "R-5");
    EXPECT_EQ(Text(1, 5), "2,00");
    EXPECT_EQ(Text(1, 4), "0");
    EXPECT_EQ(Text(1, 7), "0,00");
    EXPECT_EQ(grid->GetItemData(1, 0), 0);

    TypeInto(*grid, 1, 0, "29");
    TypeInto(*grid, 1, 5, "3,5");
    EXPECT_EQ(grid->GetState(), EntryState::Changed);
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetCount(), 2);
    EXPECT_EQ(grid->GetRecordIndex(), i);
    EXPECT_EQ(zugriff.journal.GetItem(i).Datum, CDatum::FromYMD(2004, 3, 29));
    EXPECT_EQ(zugriff.journal.GetItem(i).RgNr, "R-5");
    ASSERT_EQ(zugriff.journal.GetLineCount(i), 1);
    EXPECT_EQ(zugriff.journal.GetItem(i, 0).Ausgabe, CBetrag(35000));
}

TEST_F(EingabeTest, VatListOpensOnTheFullTextAndMapsTheChoiceToItsId)
{
    grid->NewBooking();
    PickInOpenList(*grid, "Verk");
    ASSERT_TRUE(grid->EditCell(1, 7));
    QComboBox* box = ComboEditor(*grid);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentText(), "19,00% (Regelsatz Deutschland)");
    EXPECT_EQ(Text(1, 7), "19,00% (Regelsatz Deutschland)");
    PickInOpenList(*grid, "7,00");
    EXPECT_EQ(Text(1, 7), "7,00");
    EXPECT_EQ(grid->GetItemData(1, 7), 201);

    // Giving the list up shows the rate it had.
    ASSERT_TRUE(grid->EditCell(1, 7));
    EXPECT_EQ(Text(1, 7), Bytes(QString::fromUtf8("7,00% (erm\xC3\xA4\xC3\x9Figt Deutschland)")));
    QTest::keyClick(ComboEditor(*grid), Qt::Key_Escape);
    EXPECT_EQ(Text(1, 7), "7,00");
    EXPECT_EQ(grid->GetItemData(1, 7), 201);

    TypeInto(*grid, 1, 4, "10");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).UStID, 201);
}

TEST_F(EingabeTest, RenamedReceiptTextKeepsTheStoredAmounts)
{
    const int i = zugriff.AddBooking(2004, 3, 28, "Verkauf", Euro(250), CBetrag(), 200);
    // The user renames the text in the catalogue after booking it.
    const int k = zugriff.katalog.FindByBezeichnung("Verkauf");
    ASSERT_GE(k, 0);
    zugriff.katalog.SetBezeichnung(k, "Verkauf Laden");

    ASSERT_TRUE(grid->ShowBooking(i));
    EXPECT_EQ(Text(1, 1), "Verkauf");
    EXPECT_EQ(Text(1, 4), "250,00");
    EXPECT_TRUE(ReadOnly(1, 4));
    EXPECT_TRUE(ReadOnly(1, 5));
    EXPECT_EQ(Text(1, 5), "0");

    TypeInto(*grid, 1, 3, "R-2");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetItem(i, 0).Einnahme, Euro(250));
    EXPECT_EQ(zugriff.journal.GetItem(i, 0).Bezeichnung, "Verkauf");
    EXPECT_EQ(zugriff.journal.GetItem(i).RgNr, "R-2");

    // Choosing a text of the catalogue opens its column as usual.
    ASSERT_TRUE(grid->ShowBooking(i));
    Pick(*grid, 1, 1, "Verkauf L");
    EXPECT_FALSE(ReadOnly(1, 4));
    EXPECT_EQ(Text(1, 4), "250,00");
}

TEST_F(EingabeTest, SwitchingToAPaymentTextZeroesTheReceipt)
{
    const int i = zugriff.AddBooking(2004, 3, 28, "Verkauf", Euro(250), CBetrag(), 200);
    ASSERT_TRUE(grid->ShowBooking(i));
    Pick(*grid, 1, 1, "Porto");
    EXPECT_EQ(Text(1, 4), "0");
    EXPECT_TRUE(ReadOnly(1, 4));
    EXPECT_FALSE(ReadOnly(1, 5));
    EXPECT_EQ(grid->GetItemData(1, 7), 100);
    // Enter finds the opened payment column although it shows the 0 it had.
    grid->SetFocusCell(1, 2);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 5));
    EXPECT_EQ(messages.Count(), 0u);
}
