// The end-of-edit rule, the keys that end an edit and move on, and the
// ways an edit starts.
#include "GridFixture.h"

#include "widgets/grid/CGridCellCombo.h"

#include <QComboBox>

TEST_F(GridFixture, UnchangedTextStoresNothingAndSendsNothing)
{
    ASSERT_TRUE(grid->EditCell(1, 1));
    ASSERT_NE(LineEditor(), nullptr);
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("r1c1"));
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_FALSE(grid->IsEditing());
    ASSERT_EQ(grid->ends.size(), 1u);
    EXPECT_EQ(grid->ends[0].text, "r1c1");
    EXPECT_TRUE(grid->validated.empty());
    EXPECT_TRUE(notified.empty());
    EXPECT_FALSE(grid->GetItemState(1, 1) & GVIS_MODIFIED);

    // Typing the very same text again is no change either.
    ASSERT_TRUE(grid->EditCell(1, 1));
    QTest::keyClicks(Focus(), "r1c1");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_TRUE(notified.empty());
    EXPECT_FALSE(grid->GetItemState(1, 1) & GVIS_MODIFIED);
}

TEST_F(GridFixture, ChangedTextIsValidatedNotifiedAndMarkedModified)
{
    ASSERT_TRUE(grid->EditCell(2, 3));
    QTest::keyClicks(Focus(), "neu");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(2, 3), "neu");
    ASSERT_EQ(grid->validated.size(), 1u);
    EXPECT_EQ(grid->validated[0], "neu");
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_EQ(notified[0], CCellID(2, 3));
    // The owner sees the new text while it decides.
    EXPECT_EQ(textAtNotification[0], "neu");
    EXPECT_TRUE(grid->GetItemState(2, 3) & GVIS_MODIFIED);
    EXPECT_FALSE(grid->GetItemState(2, 2) & GVIS_MODIFIED);
}

TEST_F(GridFixture, RefusedValidationPutsOldTextBackWithoutNotification)
{
    grid->accept = false;
    ASSERT_TRUE(grid->EditCell(1, 0));
    QTest::keyClicks(Focus(), "falsch");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->validated.size(), 1u);
    EXPECT_EQ(grid->GetItemText(1, 0), "r1c0");
    EXPECT_TRUE(notified.empty());
    EXPECT_FALSE(grid->GetItemState(1, 0) & GVIS_MODIFIED);
}

TEST_F(GridFixture, NegativeAnswerRejectsAndOtherAnswersAccept)
{
    answer_ = -1;
    ASSERT_TRUE(grid->EditCell(1, 0));
    QTest::keyClicks(Focus(), "nein");
    QTest::keyClick(Focus(), Qt::Key_Return);
    ASSERT_EQ(notified.size(), 1u);
    EXPECT_EQ(grid->GetItemText(1, 0), "r1c0");
    EXPECT_FALSE(grid->GetItemState(1, 0) & GVIS_MODIFIED);

    answer_ = 1;
    ASSERT_TRUE(grid->EditCell(1, 0));
    QTest::keyClicks(Focus(), "ja");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(1, 0), "ja");
    EXPECT_TRUE(grid->GetItemState(1, 0) & GVIS_MODIFIED);
}

TEST_F(GridFixture, EndOfEditOnMissingCellDoesNothing)
{
    grid->OnEndEditCell(6, 0, "x");
    grid->OnEndEditCell(1, 4, "x");
    grid->OnEndEditCell(-1, -1, "x");
    EXPECT_TRUE(grid->validated.empty());
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(grid->GetRowCount(), 6);
}

TEST_F(GridFixture, EscapeEndsTheEditWithTheOldText)
{
    ASSERT_TRUE(grid->EditCell(3, 1));
    QTest::keyClicks(Focus(), "verworfen");
    QTest::keyClick(Focus(), Qt::Key_Escape);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetItemText(3, 1), "r3c1");
    ASSERT_EQ(grid->ends.size(), 1u);
    EXPECT_EQ(grid->ends[0].text, "r3c1");
    EXPECT_TRUE(notified.empty());
    EXPECT_EQ(Focus(), grid.get());
}

TEST_F(GridFixture, ClickElsewhereAndEndEditingStoreTheText)
{
    ASSERT_TRUE(grid->EditCell(1, 1));
    QTest::keyClicks(Focus(), "geklickt");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(4, 2));
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetItemText(1, 1), "geklickt");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 2));

    ASSERT_TRUE(grid->EditCell(2, 2));
    QTest::keyClicks(Focus(), "programm");
    grid->EndEditing();
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetItemText(2, 2), "programm");
    EXPECT_EQ(notified.size(), 2u);
}

TEST_F(GridFixture, TabAndArrowsEndTheEditAndContinueInTheNextCell)
{
    ASSERT_TRUE(grid->EditCell(1, 0));
    QTest::keyClicks(Focus(), "eins");
    QTest::keyClick(Focus(), Qt::Key_Tab);
    EXPECT_EQ(grid->GetItemText(1, 0), "eins");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 1));
    EXPECT_EQ(grid->startKeys.back(), int(Qt::Key_Tab));

    QTest::keyClicks(Focus(), "zwei");
    QTest::keyClick(Focus(), Qt::Key_Down);
    EXPECT_EQ(grid->GetItemText(1, 1), "zwei");
    EXPECT_EQ(grid->GetEditCell(), CCellID(2, 1));

    QTest::keyClick(Focus(), Qt::Key_Left);
    EXPECT_EQ(grid->GetEditCell(), CCellID(2, 0));
    QTest::keyClick(Focus(), Qt::Key_Up);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));
    // The heading row is no place to go: the edit ends, the focus stays.
    QTest::keyClick(Focus(), Qt::Key_Up);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 0));

    ASSERT_TRUE(grid->EditCell(2, 1));
    QTest::keyClick(Focus(), Qt::Key_End);
    EXPECT_EQ(grid->GetEditCell(), CCellID(2, 3));
    QTest::keyClick(Focus(), Qt::Key_Home);
    EXPECT_EQ(grid->GetEditCell(), CCellID(2, 0));
    QTest::keyClick(Focus(), Qt::Key_PageDown);
    EXPECT_EQ(grid->GetEditCell(), CCellID(5, 0));
    QTest::keyClick(Focus(), Qt::Key_PageUp);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));
    QTest::keyClick(Focus(), Qt::Key_Backtab);
    EXPECT_FALSE(grid->IsEditing() && grid->GetEditCell() == CCellID(1, 0));
}

TEST_F(GridFixture, EnterEndsTheEditAndStays)
{
    ASSERT_TRUE(grid->EditCell(2, 2));
    QTest::keyClick(Focus(), Qt::Key_Enter);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));
    EXPECT_EQ(grid->keys.back(), int(Qt::Key_Enter));
}

TEST_F(GridFixture, MovingOntoAReadOnlyOrHiddenCellDoesNotEditIt)
{
    grid->SetItemState(1, 1, GVIS_READONLY);
    ASSERT_TRUE(grid->EditCell(1, 0));
    QTest::keyClick(Focus(), Qt::Key_Tab);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->starts.size(), 1u);  // the read-only cell was not offered

    // Down skips a hidden row and goes on editing below it.
    grid->SetRowHeight(3, 0);
    ASSERT_TRUE(grid->EditCell(2, 2));
    QTest::keyClick(Focus(), Qt::Key_Down);
    EXPECT_EQ(grid->GetEditCell(), CCellID(4, 2));
}

TEST_F(GridFixture, ReadOnlyCellsAndALockedGridOpenNoEditor)
{
    grid->SetItemState(2, 2, GVIS_READONLY);
    EXPECT_FALSE(grid->IsCellEditable(2, 2));
    EXPECT_FALSE(grid->EditCell(2, 2));
    // A derived grid is still asked, so it can react to the attempt.
    ASSERT_EQ(grid->starts.size(), 1u);
    EXPECT_EQ(grid->starts[0], CCellID(2, 2));
    EXPECT_FALSE(grid->IsEditing());

    grid->SetItemState(2, 2, 0);
    EXPECT_TRUE(grid->IsCellEditable(2, 2));
    grid->SetEditable(false);
    EXPECT_FALSE(grid->EditCell(2, 2));
    grid->SetFocusCell(2, 2);
    QTest::keyClicks(grid.get(), "x");
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetItemText(2, 2), "r2c2");
    // Heading cells are never edited.
    grid->SetEditable(true);
    EXPECT_FALSE(grid->EditCell(0, 1));
}

TEST_F(GridFixture, TypingStartsAnEditWithTheCharacter)
{
    grid->SetFocusCell(3, 2);
    QTest::sendKeyEvent(QTest::Click, grid.get(), Qt::Key_Udiaeresis, QString(QChar(0xFC)), Qt::NoModifier);
    ASSERT_TRUE(grid->IsEditing());
    QTest::keyClicks(Focus(), "ber");
    ASSERT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->startKeys.back(), 0xFC);
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(3, 2), "\xFC" "ber");
}

TEST_F(GridFixture, F2DoubleClickAndClickOnTheFocusCellStartEditing)
{
    grid->SetFocusCell(1, 3);
    QTest::keyClick(grid.get(), Qt::Key_F2);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 3));
    grid->EndEditing();

    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(4, 1));
    EXPECT_EQ(grid->GetEditCell(), CCellID(4, 1));
    grid->EndEditing();

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(5, 2));
    EXPECT_FALSE(grid->IsEditing());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(5, 2));
    EXPECT_EQ(grid->GetEditCell(), CCellID(5, 2));
}

TEST_F(GridFixture, ADerivedGridTakesEnterFirst)
{
    int taken = 0;
    grid->keyFirst = [&](int key) {
        if (key != Qt::Key_Return)
            return false;
        ++taken;
        // Send the user on to another cell instead.
        grid->EditCell(4, 3);
        return true;
    };
    ASSERT_TRUE(grid->EditCell(1, 1));
    QTest::keyClicks(Focus(), "x");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(grid->GetItemText(1, 1), "x");
    EXPECT_EQ(grid->GetEditCell(), CCellID(4, 3));

    // Outside an edit the grid keeps Enter too (no dialog default button).
    grid->EndEditing();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    grid->keyFirst = nullptr;
    QApplication::sendEvent(grid.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
}

TEST_F(GridFixture, OwnerMayReshapeTheGridWhileAnswering)
{
    QObject::connect(grid.get(), &CGridCtrl::endLabelEdit, grid.get(), [this](int, int, int*) {
        grid->SetRowCount(2);
    });
    ASSERT_TRUE(grid->EditCell(4, 0));
    QTest::keyClicks(Focus(), "weg");
    QTest::keyClick(Focus(), Qt::Key_Down);
    EXPECT_EQ(grid->GetRowCount(), 2);
    EXPECT_EQ(grid->GetItemText(1, 0), "r1c0");
    // The focus fell back into the rows left; any edit there is on a real cell.
    if (grid->IsEditing()) {
        EXPECT_TRUE(grid->IsValid(grid->GetEditCell().row, grid->GetEditCell().col));
    }
}

TEST_F(GridFixture, RemovingTheEditedRowDropsTheEditQuietly)
{
    ASSERT_TRUE(grid->EditCell(5, 1));
    QTest::keyClicks(Focus(), "verloren");
    grid->SetRowCount(3);
    EXPECT_FALSE(grid->IsEditing());
    grid->EndEditing();
    EXPECT_TRUE(grid->ends.empty());
    EXPECT_TRUE(notified.empty());
    grid->SetRowCount(6);
    EXPECT_EQ(grid->GetItemText(5, 1), "");
    EXPECT_TRUE(grid->EditCell(2, 1));
}

TEST_F(GridFixture, TabAtTheLastCellEndsTheEditAndStays)
{
    ASSERT_TRUE(grid->EditCell(5, 3));
    QTest::keyClicks(Focus(), "ende");
    QTest::keyClick(Focus(), Qt::Key_Tab);
    EXPECT_EQ(grid->GetItemText(5, 3), "ende");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(5, 3));
    EXPECT_FALSE(grid->IsEditing());
}

TEST_F(GridFixture, RecolouringTheEditedCellKeepsWhatWasTyped)
{
    ASSERT_TRUE(grid->EditCell(2, 1));
    QTest::keyClicks(Focus(), "halb");
    grid->SetItemBkColour(2, 1, QColor(221, 221, 221));
    QTest::keyClicks(Focus(), "fertig");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(2, 1), "halbfertig");
}

TEST_F(GridFixture, OnlyWhatTheUserDoesInAnOpenEditorIsReportedAsAChange)
{
    // Opening fills the editor with the cell's text: no change.
    ASSERT_TRUE(grid->EditCell(2, 1));
    EXPECT_TRUE(grid->changes.empty());
    QTest::keyClicks(Focus(), "ab");
    QTest::keyClick(Focus(), Qt::Key_Backspace);
    EXPECT_EQ(grid->changes, std::vector<CCellID>(3, CCellID(2, 1)));
    QTest::keyClick(Focus(), Qt::Key_Escape);

    // A drop-down list opened on its option; another option is a change,
    // ending the edit is none.
    ASSERT_TRUE(grid->SetCellType<CGridCellCombo>(3, 2));
    ASSERT_TRUE(grid->SetComboOptions(3, 2, {"Ausgaben", "Einnahmen"}));
    grid->SetItemText(3, 2, "Ausgaben");
    grid->changes.clear();
    ASSERT_TRUE(grid->EditCell(3, 2));
    EXPECT_TRUE(grid->changes.empty());
    QTest::keyClicks(Focus(), "E");
    EXPECT_EQ(grid->changes, std::vector<CCellID>{CCellID(3, 2)});
    QTest::keyClick(Focus(), Qt::Key_Tab);
    EXPECT_EQ(grid->GetItemText(3, 2), "Einnahmen");
    EXPECT_EQ(grid->changes.size(), 1u);

    // The character that starts an edit is typed into it.
    grid->EndEditing();
    grid->changes.clear();
    grid->SetFocusCell(4, 0);
    QTest::keyClicks(grid.get(), "x");
    ASSERT_EQ(grid->GetEditCell(), CCellID(4, 0));
    EXPECT_EQ(grid->changes, std::vector<CCellID>{CCellID(4, 0)});
}

TEST_F(GridFixture, TabCanBeToldToPassReadOnlyAndHiddenCells)
{
    EXPECT_FALSE(grid->GetTabSkipsReadOnly());
    grid->SetTabSkipsReadOnly(true);
    grid->SetItemState(1, 1, GVIS_READONLY);
    grid->SetItemState(1, 3, GVIS_READONLY);
    grid->SetItemState(2, 0, GVIS_READONLY);
    grid->SetColumnWidth(2, 0);
    grid->SetRowHeight(3, 0);
    // Stops in reading order: (1,0) (2,1) (2,3) (4,0) ...; column 2 and row 3 are hidden.
    const CCellID vor[] = {CCellID(2, 1), CCellID(2, 3), CCellID(4, 0)};
    ASSERT_TRUE(grid->EditCell(1, 0));
    for (const CCellID& ziel : vor) {
        QTest::keyClick(Focus(), Qt::Key_Tab);
        EXPECT_EQ(grid->GetEditCell(), ziel);
    }
    for (const CCellID& ziel : {CCellID(2, 3), CCellID(2, 1), CCellID(1, 0)}) {
        QTest::keyClick(Focus(), Qt::Key_Backtab);
        EXPECT_EQ(grid->GetEditCell(), ziel);
    }
    // Nothing before the first stop: the edit ends, the focus stays.
    QTest::keyClick(Focus(), Qt::Key_Backtab);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 0));
    // Nor after the last one.
    grid->SetItemState(5, 3, GVIS_READONLY);
    ASSERT_TRUE(grid->EditCell(5, 1));
    QTest::keyClick(Focus(), Qt::Key_Tab);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetFocusCell(), CCellID(5, 1));
    // Without an editor Tab moves the focus the same way.
    grid->SetFocusCell(1, 0);
    QTest::keyClick(grid.get(), Qt::Key_Tab);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
    // The arrows still stop on a read-only cell.
    ASSERT_TRUE(grid->EditCell(1, 0));
    QTest::keyClick(Focus(), Qt::Key_Right);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 1));
}
