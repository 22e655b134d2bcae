// The booking list: period, order and contents of its rows, the journal
// index behind each row, selection by the program and by the user, and
// the model under Qt's own consistency checks while it is rebuilt.
#include "GridTestZugriff.h"
#include "bookinggrids/CBuchungListe.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

CBetrag Euro(int euro) { return CBetrag(static_cast<std::int64_t>(euro) * 10000); }

} // namespace

class ListeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        liste = std::make_unique<CBuchungListe>(zugriff);
        liste->resize(900, 300);
        liste->show();
    }

    std::vector<int> Indizes() const
    {
        std::vector<int> v;
        for (int row = 1; row < liste->GetRowCount(); ++row)
            v.push_back(liste->GetBookingOfRow(row));
        return v;
    }
    std::string Text(int row, int col) const { return liste->GetItemText(row, col); }

    GridTestZugriff zugriff;
    std::unique_ptr<CBuchungListe> liste;
};

TEST_F(ListeTest, LayoutColoursAndTheWidthOfTheTextColumn)
{
    const char* koepfe[] = {"Tag", "Bezeichnung", "Notiz", "RG-Nr.", "Einnahmen", "Ausgaben", "Wrg.", "USt/%"};
    const int breiten[] = {30, -1, 140, 80, 85, 85, 40, 55};
    ASSERT_EQ(liste->GetColumnCount(), 8);
    EXPECT_EQ(liste->GetFixedRowCount(), 1);
    EXPECT_EQ(liste->GetFixedColumnCount(), 0);
    for (int col = 0; col < 8; ++col) {
        EXPECT_EQ(Text(0, col), koepfe[col]);
        if (breiten[col] > 0) {
            EXPECT_EQ(liste->GetColumnWidth(col), breiten[col]) << col;
        }
        EXPECT_TRUE(liste->GetItemFormat(0, col) & GVF_CENTER) << col;
        const QModelIndex kopf = liste->model()->index(0, col);
        EXPECT_EQ(liste->model()->data(kopf, Qt::BackgroundRole).value<QBrush>().color(), QColor(0, 51, 170));
        EXPECT_EQ(liste->model()->data(kopf, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::white));
    }
    EXPECT_EQ(liste->GetColumnWidth(1), liste->viewport()->width() - 515);
    liste->resize(1100, 300);
    EXPECT_EQ(liste->GetColumnWidth(1), liste->viewport()->width() - 515);
    EXPECT_FALSE(liste->IsEditable());
    EXPECT_TRUE(liste->GetListMode());
    EXPECT_TRUE(liste->GetSingleRowSelection());
}

TEST_F(ListeTest, MonthIsListedByDateAndOneDaysBookingsInEntryOrder)
{
    zugriff.AddBooking(2004, 3, 15, "Verkauf", Euro(1), CBetrag(), 200);   // 0
    zugriff.AddBooking(2004, 3, 10, "Porto", CBetrag(), Euro(2));          // 1
    zugriff.AddBooking(2004, 3, 15, "Porto", CBetrag(), Euro(3));          // 2
    zugriff.AddBooking(2004, 4, 1, "Porto", CBetrag(), Euro(4));           // 3
    zugriff.AddBooking(2004, 3, 10, "Verkauf", Euro(5), CBetrag(), 201);   // 4
    zugriff.AddBooking(2004, 2, 29, "Porto", CBetrag(), Euro(6));          // 5
    liste->Show(CDatum::FromYMD(2004, 3, 20), true);
    EXPECT_EQ(Indizes(), (std::vector<int>{1, 4, 0, 2}));

    liste->Show(CDatum::FromYMD(2004, 3, 15), false);
    EXPECT_EQ(Indizes(), (std::vector<int>{0, 2}));
    EXPECT_EQ(Text(1, 0), "15");
    EXPECT_EQ(Text(1, 1), "Verkauf");
    EXPECT_EQ(Text(1, 4), "1,00");
    EXPECT_EQ(Text(1, 5), "0,00");
    EXPECT_EQ(Text(1, 6), "EUR");
    EXPECT_EQ(Text(1, 7), "19,00");
    EXPECT_EQ(Text(2, 5), "3,00");
    for (int col : {0, 4, 5, 7})
        EXPECT_TRUE(liste->GetItemFormat(1, col) & GVF_RIGHT) << col;
    EXPECT_FALSE(liste->GetItemFormat(1, 1) & GVF_RIGHT);
}

TEST_F(ListeTest, BookingWithATimeOfDayShowsInItsMonthButOnNoDay)
{
    const int i = zugriff.AddBooking(2004, 3, 28, "Porto", CBetrag(), Euro(1));
    zugriff.journal.GetItem(i).Datum = CDatum::FromLocal(2004, 3, 28, 14, 30, 0);
    liste->Show(CDatum::FromYMD(2004, 3, 28), false);
    EXPECT_EQ(liste->GetRowCount(), 1);
    liste->Show(CDatum::FromYMD(2004, 3, 28), true);
    EXPECT_EQ(Indizes(), std::vector<int>{i});
}

TEST_F(ListeTest, SplitBookingShowsAufteilungItsSumsAndNoVat)
{
    CBuchungen& j = zugriff.journal;
    const int i = j.AddItem();
    j.GetItem(i).Datum = CDatum::FromYMD(2004, 3, 28);
    j.GetItem(i).Aufteilung = true;
    j.GetItem(i).Notiz = "Markt";
    j.GetItem(i).RgNr = "R-3";
    for (int k = 0; k < 3; ++k) {
        CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
        z.Bezeichnung = k == 0 ? "Verkauf" : "Porto";
        z.UStID = 200;
        if (k == 0)
            z.Einnahme = Euro(1500);
        else
            z.Ausgabe = CBetrag(k * 12500);
    }
    liste->Show(CDatum::FromYMD(2004, 3, 28), false);
    ASSERT_EQ(liste->GetRowCount(), 2);
    EXPECT_EQ(Text(1, 0), "28");
    EXPECT_EQ(Text(1, 1), "Aufteilung");
    EXPECT_EQ(Text(1, 2), "Markt");
    EXPECT_EQ(Text(1, 3), "R-3");
    EXPECT_EQ(Text(1, 4), "1.500,00");
    EXPECT_EQ(Text(1, 5), "3,75");
    EXPECT_EQ(Text(1, 7), "");
}

TEST_F(ListeTest, RowsFollowTheJournalAfterADeletion)
{
    for (int d = 1; d <= 4; ++d)
        zugriff.AddBooking(2004, 3, d, "Porto", CBetrag(), Euro(d));
    liste->Show(CDatum::FromYMD(2004, 3, 1), true);
    EXPECT_EQ(Indizes(), (std::vector<int>{0, 1, 2, 3}));
    zugriff.journal.RemoveItem(1);
    liste->Rebuild();
    EXPECT_EQ(Indizes(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Text(2, 0), "3");  // the booking of the 3rd is index 1 now
    EXPECT_EQ(Text(2, 5), "3,00");
}

TEST_F(ListeTest, SelectionByTheProgramIsSilentAndByTheUserIsReported)
{
    for (int d = 1; d <= 3; ++d)
        zugriff.AddBooking(2004, 3, d, "Porto", CBetrag(), Euro(d));
    liste->Show(CDatum::FromYMD(2004, 3, 1), true);
    QSignalSpy spy(liste.get(), &CBuchungListe::bookingSelectionChanged);
    EXPECT_EQ(liste->GetSelectedBooking(), -1);

    liste->SelectBooking(2);
    EXPECT_EQ(liste->GetFocusCell(), CCellID(3, 0));
    EXPECT_EQ(liste->GetSelectedCellRange().minRow, 3);
    EXPECT_EQ(liste->GetSelectedCellRange().maxRow, 3);
    EXPECT_EQ(liste->GetSelectedCellRange().minCol, 0);
    EXPECT_EQ(liste->GetSelectedCellRange().maxCol, 7);
    EXPECT_EQ(liste->GetSelectedBooking(), 2);
    liste->SelectBooking(7);  // not listed: nothing changes
    EXPECT_EQ(liste->GetSelectedBooking(), 2);
    EXPECT_EQ(spy.count(), 0);

    const QRect zelle = liste->visualRect(liste->model()->index(1, 2));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zelle.center());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1);
    EXPECT_EQ(liste->GetSelectedBooking(), 0);
    EXPECT_EQ(liste->GetBookingOfRow(0), -1);
    EXPECT_EQ(liste->GetBookingOfRow(4), -1);
    EXPECT_FALSE(liste->EditCell(1, 2));
}

TEST_F(ListeTest, NoCashBookListsNothing)
{
    zugriff.AddBooking(2004, 3, 1, "Porto", CBetrag(), Euro(1));
    liste->Show(CDatum::FromYMD(2004, 3, 1), false);
    EXPECT_EQ(liste->GetRowCount(), 2);
    liste->ClearList();
    EXPECT_EQ(liste->GetRowCount(), 1);
    EXPECT_EQ(liste->GetSelectedBooking(), -1);
    zugriff.open = false;
    liste->Rebuild();
    EXPECT_EQ(liste->GetRowCount(), 1);
    EXPECT_EQ(Text(0, 1), "Bezeichnung");
}

TEST_F(ListeTest, ModelStaysConsistentThroughRebuilds)
{
    QAbstractItemModelTester tester(liste->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (int d = 1; d <= 31; ++d) {
        for (int k = 0; k < d % 4; ++k)
            zugriff.AddBooking(2004, 3, d, "Porto", CBetrag(), Euro(d + k));
    }
    liste->Show(CDatum::FromYMD(2004, 3, 1), true);
    const int monat = liste->GetRowCount();
    EXPECT_GT(monat, 40);
    liste->SelectBooking(5);
    liste->Show(CDatum::FromYMD(2004, 3, 3), false);
    EXPECT_EQ(liste->GetRowCount(), 4);
    liste->Show(CDatum::FromYMD(2004, 3, 3), true);
    EXPECT_EQ(liste->GetRowCount(), monat);
    liste->ClearList();
    liste->Rebuild();
    EXPECT_EQ(liste->GetRowCount(), monat);
}

TEST_F(ListeTest, RowsOutOfSightGetTheirTextsWhenReadAndABookingGoneShowsNothing)
{
    // More rows than the window shows: the far rows are made on demand.
    for (int i = 0; i < 600; ++i)
        zugriff.AddBooking(2004, 3, 15, "Porto", CBetrag(), Euro(i + 1));
    liste->Show(CDatum::FromYMD(2004, 3, 1), true);
    QApplication::processEvents();
    ASSERT_EQ(liste->GetRowCount(), 601);
    EXPECT_EQ(Text(600, 0), "15");
    EXPECT_EQ(liste->GetBookingOfRow(600), 599);
    EXPECT_EQ(Text(600, 5), "600,00");
    // Read before the list follows the change: nothing, not a stale index.
    zugriff.journal.RemoveItem(599);
    zugriff.journal.RemoveItem(598);
    liste->Rebuild();
    EXPECT_EQ(liste->GetRowCount(), 599);
    const int letzte = liste->GetRowCount() - 1;
    zugriff.journal.RemoveItem(597);
    EXPECT_EQ(Text(letzte, 5), "");
    liste->Rebuild();
    EXPECT_EQ(Text(liste->GetRowCount() - 1, 5), "597,00");
}
