// A bookkeeper at the keyboard: Tab through a whole booking, amounts with
// thousands separators, a VAT rate picked by its first digit, and split
// bookings reshaped while the next editor is already waiting.
#include "EingabeTestBasis.h"

#include <random>
#include <string>
#include <vector>

using namespace gridtyping;

namespace {

// Sends a key to whatever has the grid's attention: the open editor, or the
// grid itself when no editor is open.
void Key(CGridCtrl& grid, Qt::Key key)
{
    QWidget* target = Editor(grid);
    QTest::keyClick(target ? target : static_cast<QWidget*>(&grid), key);
}

void Chars(CGridCtrl& grid, const QString& text)
{
    for (QChar c : text) {
        QWidget* target = Editor(grid);
        TypeCharacters(target ? target : static_cast<QWidget*>(&grid), QString(c));
    }
}

} // namespace

TEST_F(EingabeTest, TabThroughANewBookingLosesNothing)
{
    zugriff.Select(2004, 3, 28, false);
    grid->NewBooking();
    ASSERT_EQ(grid->GetEditCell(), CCellID(1, 1));
    PickInOpenList(*grid, "Verk");
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 2));
    Chars(*grid, "Theke");
    Key(*grid, Qt::Key_Tab);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 3));
    Chars(*grid, "R-9");
    Key(*grid, Qt::Key_Tab);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 4));
    Chars(*grid, "1.234,5");
    Key(*grid, Qt::Key_Tab);
    EXPECT_EQ(Text(1, 4), "1.234,50");
    // The closed "Ausgaben" and "Wrg." are passed.
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 7));
    Chars(*grid, "7");
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 7));
    Key(*grid, Qt::Key_Return);
    EXPECT_EQ(Text(1, 7), "7,00");
    EXPECT_EQ(grid->GetItemData(1, 7), 201);
    EXPECT_EQ(completeCount, 1);

    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_EQ(zugriff.journal.GetCount(), 1);
    const CBuchungssatz& s = zugriff.journal.GetItem(0);
    EXPECT_EQ(s.Notiz, "Theke");
    EXPECT_EQ(s.RgNr, "R-9");
    const CBuchungszeile& z = zugriff.journal.GetItem(0, 0);
    EXPECT_EQ(z.Bezeichnung, "Verkauf");
    EXPECT_EQ(z.Notiz, "Theke");
    EXPECT_EQ(z.Einnahme, CBetrag(12345000));
    EXPECT_EQ(z.UStID, 201);
}

TEST_F(EingabeTest, TabAndShiftTabPassTheCellsThatCannotBeTypedInto)
{
    struct Fall {
        const char* text;
        bool monatlich;
        std::vector<int> tab;       // columns Tab reaches from "Bezeichnung", in order
        std::vector<int> zurueck;   // columns Shift+Tab reaches from the last of them
    };
    const Fall faelle[] = {
        {"Porto", false, {2, 3, 5, 7}, {5, 3, 2, 1}},
        {"Verkauf", false, {2, 3, 4, 7}, {4, 3, 2, 1}},
        {"Verkauf", true, {2, 3, 4, 7}, {4, 3, 2, 1, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.text) + (f.monatlich ? " monthly" : " daily"));
        zugriff.Select(2004, 3, 28, f.monatlich);
        grid->NewBooking();
        if (f.monatlich)
            TypeIntoOpenEditor(*grid, "5");
        ASSERT_EQ(grid->GetEditCell(), CCellID(1, 1));
        PickInOpenList(*grid, f.text);
        ASSERT_TRUE(grid->EditCell(1, 1));
        for (int col : f.tab) {
            Key(*grid, Qt::Key_Tab);
            EXPECT_EQ(grid->GetEditCell(), CCellID(1, col));
        }
        // The row's end: the edit ends where it is.
        Key(*grid, Qt::Key_Tab);
        EXPECT_FALSE(grid->IsEditing());
        EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 7));
        ASSERT_TRUE(grid->EditCell(1, 7));
        for (int col : f.zurueck) {
            Key(*grid, Qt::Key_Backtab);
            EXPECT_EQ(grid->GetEditCell(), CCellID(1, col));
        }
        // Its start: the header row is no cell, and the day of the daily
        // mode is read-only.
        Key(*grid, Qt::Key_Backtab);
        EXPECT_FALSE(grid->IsEditing());
        EXPECT_EQ(grid->GetFocusCell(), CCellID(1, f.zurueck.back()));
        ASSERT_TRUE(grid->Finish(nullptr));
    }
}

TEST_F(EingabeTest, TabInASplitBookingGoesOnToTheNextLine)
{
    zugriff.Select(2004, 3, 28, false);
    grid->NewBooking();
    PickInOpenList(*grid, "Porto");
    Pick(*grid, 1, 1, ".");
    ASSERT_EQ(grid->GetRowCount(), 4);
    // The split header keeps only "Notiz" and "RG-Nr." open; a split line
    // has no day or invoice number of its own.
    ASSERT_TRUE(grid->EditCell(1, 2));
    const CCellID stops[] = {CCellID(1, 3), CCellID(2, 1), CCellID(2, 2), CCellID(2, 5), CCellID(2, 7),
                             CCellID(3, 1)};
    for (const CCellID& stop : stops) {
        Key(*grid, Qt::Key_Tab);
        EXPECT_EQ(grid->GetEditCell(), stop);
    }
    Key(*grid, Qt::Key_Backtab);
    EXPECT_EQ(grid->GetEditCell(), CCellID(2, 7));
}

TEST_F(EingabeTest, MonthlyTabFromTheDayIntoTheList)
{
    zugriff.Select(2004, 2, 1, true);
    grid->NewBooking();
    ASSERT_EQ(grid->GetEditCell(), CCellID(1, 0));
    Chars(*grid, "29");
    Key(*grid, Qt::Key_Tab);
    EXPECT_EQ(Text(1, 0), "29");
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 1));
    PickInOpenList(*grid, "Porto", Qt::Key_Return);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 5));
    Chars(*grid, "0,5");
    Key(*grid, Qt::Key_Return);
    EXPECT_EQ(completeCount, 1);
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetItem(0).Datum, CDatum::FromYMD(2004, 2, 29));
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Ausgabe, CBetrag(5000));
}

TEST_F(EingabeTest, RowDeletedInOneSplitBookingIsVisibleInTheNext)
{
    CBuchungen& j = zugriff.journal;
    for (int b = 0; b < 2; ++b) {
        const int i = j.AddItem();
        j.GetItem(i).Datum = CDatum::FromYMD(2004, 3, 28);
        j.GetItem(i).Aufteilung = true;
        for (int k = 0; k < 3; ++k) {
            CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
            z.Bezeichnung = "Porto";
            z.Ausgabe = CBetrag(10000 * (k + 1));
            z.UStID = 100;
        }
    }
    ASSERT_TRUE(grid->ShowBooking(0));
    Pick(*grid, 3, 1, "-");
    EXPECT_EQ(grid->GetRowHeight(3), 0);
    EXPECT_EQ(Text(1, 5), "4,00");
    ASSERT_TRUE(grid->Finish(&j));
    EXPECT_EQ(j.GetLineCount(0), 2);

    // The next booking's row 3 is a line of its own, shown and summed.
    ASSERT_TRUE(grid->ShowBooking(1));
    EXPECT_GT(grid->GetRowHeight(3), 0);
    EXPECT_FALSE(grid->isRowHidden(3));
    EXPECT_EQ(grid->GetItemData(3, 1), 0);
    EXPECT_EQ(Text(1, 5), "6,00");
    ASSERT_TRUE(grid->Finish(&j));
    EXPECT_EQ(j.GetLineCount(1), 3);
}

TEST_F(EingabeTest, TabbingThroughAShownOpeningBalanceKeepsIt)
{
    // "Anfangsbestand" is no longer offered once booked, yet the booking
    // that carries it must keep its text and amount when tabbed through.
    zugriff.AddBooking(2004, 3, 28, "Anfangsbestand", CBetrag(1000000), CBetrag());
    ASSERT_TRUE(grid->ShowBooking(0));
    ASSERT_TRUE(grid->EditCell(1, 1));
    for (int k = 0; k < 6; ++k)
        Key(*grid, Qt::Key_Tab);
    EXPECT_EQ(Text(1, 1), "Anfangsbestand");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Bezeichnung, "Anfangsbestand");
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Einnahme, CBetrag(1000000));
}

TEST_F(EingabeTest, SplitBookingTypedByKeyboardSumsAndKeepsEveryLine)
{
    grid->NewBooking();
    PickInOpenList(*grid, "Porto");
    Chars(*grid, "a");
    for (int k = 0; k < 2; ++k)
        Key(*grid, Qt::Key_Tab);
    ASSERT_EQ(grid->GetEditCell(), CCellID(1, 5));
    Chars(*grid, "1.234,5");
    Key(*grid, Qt::Key_Return);
    EXPECT_EQ(completeCount, 1);

    Pick(*grid, 1, 1, ".");
    ASSERT_EQ(grid->GetRowCount(), 4);
    EXPECT_EQ(Text(1, 5), "1.234,50");
    Pick(*grid, 3, 1, "Porto");
    EXPECT_EQ(grid->GetRowCount(), 5);
    // Incomplete: Enter goes on to the payment of that line.
    Key(*grid, Qt::Key_Return);
    EXPECT_EQ(grid->GetEditCell(), CCellID(3, 5));
    Chars(*grid, "0,5");
    Key(*grid, Qt::Key_Return);
    EXPECT_EQ(completeCount, 2);
    EXPECT_EQ(Text(1, 5), "1.235,00");

    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(zugriff.journal.GetLineCount(0), 2);
    EXPECT_EQ(zugriff.journal.GetItem(0).Notiz, "");
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Ausgabe, CBetrag(12345000));
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Notiz, "a");
    EXPECT_EQ(zugriff.journal.GetItem(0, 1).Ausgabe, CBetrag(5000));
    EXPECT_EQ(zugriff.journal.GetItem(0, 1).Bezeichnung, "Porto");
}

TEST_F(EingabeTest, RandomKeystrokesNeverLoseOrMixUpALine)
{
    // Whatever the keys did, a booking that is accepted holds exactly the
    // rows the grid showed, in their order, with their texts and amounts.
    std::mt19937 rng(7);
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Down, Qt::Key_Up,
                            Qt::Key_Left, Qt::Key_Right, Qt::Key_Escape, Qt::Key_Home, Qt::Key_End};
    const QString chars = "1P.-aV,B7";
    messages.SetOnUnexpected([](const ScriptedUserMessages::Box&) {});
    // Stored split bookings, so deletions reach lines already in the journal.
    CBuchungen& j = zugriff.journal;
    for (int b = 0; b < 6; ++b) {
        const int i = j.AddItem();
        j.GetItem(i).Datum = CDatum::FromYMD(2004, 3, 28);
        j.GetItem(i).Aufteilung = true;
        for (int k = 0; k < 4; ++k) {
            CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
            z.Bezeichnung = k % 2 ? "Porto" : "Verkauf";
            (k % 2 ? z.Ausgabe : z.Einnahme) = CBetrag(10000 * (b * 4 + k + 1));
        }
    }
    int accepted = 0;
    int splits = 0;
    for (int run = 0; run < 150; ++run) {
        zugriff.Select(2004, 3, 28, run % 4 == 1);
        if (run % 2 == 0)
            ASSERT_TRUE(grid->ShowBooking(static_cast<int>(rng() % zugriff.journal.GetCount())));
        else
            grid->NewBooking();
        for (int k = 0; k < 80 && grid->GetState() != EntryState::Idle; ++k) {
            if (rng() % 2)
                Key(*grid, keys[rng() % std::size(keys)]);
            else
                Chars(*grid, QString(chars[static_cast<int>(rng() % chars.size())]));
        }
        if (grid->GetState() == EntryState::Idle)
            continue;
        grid->EndEditing();
        std::vector<std::pair<std::string, CBetrag>> rows;
        const bool split = grid->IsSplit();
        const int first = split ? 2 : 1;
        const int last = split ? grid->GetRowCount() - 2 : 1;
        for (int r = first; r <= last; ++r) {
            if (!(split && grid->GetItemData(r, 1) == 1))
                rows.emplace_back(Text(r, 1), grid->GetCellAmount(r, 4) + grid->GetCellAmount(r, 5));
        }
        const int satz = grid->GetRecordIndex() < 0 ? zugriff.journal.GetCount() : grid->GetRecordIndex();
        if (!grid->Finish(&zugriff.journal)) {
            ASSERT_TRUE(grid->Finish(nullptr));
            continue;
        }
        ++accepted;
        splits += split;
        ASSERT_EQ(zugriff.journal.GetLineCount(satz), static_cast<int>(rows.size())) << run;
        for (std::size_t j = 0; j < rows.size(); ++j) {
            const CBuchungszeile& z = zugriff.journal.GetItem(satz, static_cast<int>(j));
            EXPECT_EQ(z.Bezeichnung, rows[j].first) << run;
            EXPECT_EQ(z.Einnahme + z.Ausgabe, rows[j].second) << run;
        }
    }
    // The keys reached both kinds of booking, so the check above ran.
    EXPECT_GT(accepted, 10);
    EXPECT_GT(splits, 2);
}

TEST_F(EingabeTest, TwoDeletedLinesLeaveTheOthersInTheirOwnLines)
{
    CBuchungen& j = zugriff.journal;
    const int i = j.AddItem();
    j.GetItem(i).Datum = CDatum::FromYMD(2004, 3, 28);
    j.GetItem(i).Aufteilung = true;
    for (int k = 0; k < 4; ++k) {
        CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
        z.Bezeichnung = "Porto";
        z.Notiz = "Teil " + std::to_string(k + 1);
        z.Ausgabe = CBetrag(10000 * (k + 1));
    }
    ASSERT_TRUE(grid->ShowBooking(i));
    Pick(*grid, 2, 1, "-");
    Pick(*grid, 4, 1, "-");
    TypeInto(*grid, 3, 5, "20,5");
    TypeInto(*grid, 5, 2, "Rest");
    EXPECT_EQ(Text(1, 5), "24,50");
    ASSERT_TRUE(grid->Finish(&j));

    ASSERT_EQ(j.GetLineCount(i), 2);
    EXPECT_EQ(j.GetItem(i, 0).Notiz, "Teil 2");
    EXPECT_EQ(j.GetItem(i, 0).Ausgabe, CBetrag(205000));
    EXPECT_EQ(j.GetItem(i, 1).Notiz, "Rest");
    EXPECT_EQ(j.GetItem(i, 1).Ausgabe, CBetrag(40000));
}
