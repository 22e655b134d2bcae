// Size, hidden rows, fixed rows, selection and list mode, failures outside
// the grid, and filling thousands of rows.
#include "GridFixture.h"

#include "platform/Cp1252.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QSignalSpy>

#include <cstdio>
#include <ctime>

TEST_F(GridFixture, OperationsOutsideTheGridFail)
{
    for (const CCellID cell : {CCellID(-1, 0), CCellID(6, 0), CCellID(0, -1), CCellID(1, 4)}) {
        const int r = cell.row;
        const int c = cell.col;
        SCOPED_TRACE(testing::Message() << r << "," << c);
        EXPECT_FALSE(grid->IsValid(r, c));
        EXPECT_FALSE(grid->SetItemText(r, c, "x"));
        EXPECT_FALSE(grid->SetItemTextFmt(r, c, "%d", 1));
        EXPECT_EQ(grid->GetItemText(r, c), "");
        EXPECT_FALSE(grid->SetItemFormat(r, c, GVF_RIGHT));
        EXPECT_FALSE(grid->SetItemData(r, c, 5));
        EXPECT_EQ(grid->GetItemData(r, c), -1);
        EXPECT_FALSE(grid->SetItemBkColour(r, c, Qt::red));
        EXPECT_FALSE(grid->GetItemBkColour(r, c).isValid());
        EXPECT_FALSE(grid->SetItemState(r, c, GVIS_READONLY));
        EXPECT_EQ(grid->GetItemState(r, c), 0u);
        EXPECT_FALSE(grid->SetCellType(r, c, GridCellKind::Check));
        EXPECT_FALSE(grid->SetCheck(r, c));
        EXPECT_FALSE(grid->SetFocusCell(r, c));
        EXPECT_FALSE(grid->IsCellSelected(r, c));
        EXPECT_FALSE(grid->EditCell(r, c));
        EXPECT_FALSE(grid->EnsureVisible(r, c));
        EXPECT_FALSE(grid->RedrawCell(r, c));
        EXPECT_EQ(grid->GetCell(r, c), nullptr);
    }
    EXPECT_EQ(grid->GetColumnWidth(4), -1);
    EXPECT_FALSE(grid->SetColumnWidth(4, 10));
    EXPECT_EQ(grid->GetRowHeight(6), -1);
    EXPECT_FALSE(grid->SetRowHeight(-1, 10));
    EXPECT_FALSE(grid->SetRowCount(-1));
    EXPECT_FALSE(grid->SetSelectedRange(1, 0, 6, 3));
    EXPECT_FALSE(grid->SetSelectedRange(3, 0, 1, 3));
    EXPECT_EQ(grid->GetRowCount(), 6);
    EXPECT_TRUE(notified.empty());
}

TEST_F(GridFixture, PrintfStyleText)
{
    ASSERT_TRUE(grid->SetItemTextFmt(1, 0, "KW %d", 53));
    EXPECT_EQ(grid->GetItemText(1, 0), "KW 53");
    ASSERT_TRUE(grid->SetItemTextFmt(1, 1, "%s, %2.2d.", "Mo", 3));
    EXPECT_EQ(grid->GetItemText(1, 1), "Mo, 03.");
    ASSERT_TRUE(grid->SetItemTextFmt(1, 2, "%s", ""));
    EXPECT_EQ(grid->GetItemText(1, 2), "");
}

TEST_F(GridFixture, RowHeightZeroHidesAndAHeightShowsAgain)
{
    const int header = grid->GetRowHeight(0);
    EXPECT_GT(header, 0);
    EXPECT_EQ(grid->horizontalHeader()->height(), header);
    ASSERT_TRUE(grid->SetRowHeight(3, 0));
    EXPECT_EQ(grid->GetRowHeight(3), 0);
    EXPECT_TRUE(grid->isRowHidden(3));
    EXPECT_FALSE(grid->IsCellEditable(3, 1));
    ASSERT_TRUE(grid->SetRowHeight(3, header));
    EXPECT_EQ(grid->GetRowHeight(3), header);
    EXPECT_FALSE(grid->isRowHidden(3));
    EXPECT_EQ(grid->rowHeight(3), header);
    // The heading row lives in the header, never in the body.
    EXPECT_TRUE(grid->isRowHidden(0));
    ASSERT_TRUE(grid->SetRowHeight(0, 30));
    EXPECT_EQ(grid->horizontalHeader()->sizeHint().height(), 30);

    // A hidden row stays hidden when rows are added below it.
    grid->SetRowHeight(5, 0);
    grid->SetRowCount(9);
    EXPECT_EQ(grid->GetRowHeight(5), 0);
    EXPECT_TRUE(grid->isRowHidden(5));
    EXPECT_EQ(grid->GetRowHeight(8), grid->GetDefaultRowHeight());
    // Rows removed and added again come back shown.
    grid->SetRowCount(4);
    grid->SetRowCount(6);
    EXPECT_EQ(grid->GetRowHeight(5), grid->GetDefaultRowHeight());
    EXPECT_FALSE(grid->isRowHidden(5));
    EXPECT_EQ(grid->GetItemText(5, 0), "");
}

TEST_F(GridFixture, ColumnWidthsAndFixedCells)
{
    ASSERT_TRUE(grid->SetColumnWidth(1, 140));
    EXPECT_EQ(grid->GetColumnWidth(1), 140);
    ASSERT_TRUE(grid->SetColumnWidth(2, 0));
    EXPECT_EQ(grid->GetColumnWidth(2), 0);
    EXPECT_FALSE(grid->IsCellEditable(1, 2));
    EXPECT_TRUE(grid->IsCellFixed(0, 2));
    EXPECT_FALSE(grid->IsCellFixed(1, 2));
    EXPECT_FALSE(grid->SetFocusCell(0, 1));
    grid->selectAll();
    EXPECT_FALSE(grid->IsCellSelected(0, 1));
    EXPECT_TRUE(grid->IsCellSelected(1, 1));
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(1, 0, 5, 3));
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("B"));

    grid->SetFixedRowCount(0);
    EXPECT_FALSE(grid->isRowHidden(0));
    EXPECT_TRUE(grid->horizontalHeader()->isHidden());
    EXPECT_TRUE(grid->SetFocusCell(0, 1));
}

TEST_F(GridFixture, FocusAndSelectionSetByTheProgramStaySilent)
{
    EXPECT_TRUE(grid->SetFocusCell(-1, -1));
    EXPECT_EQ(grid->GetFocusCell(), CCellID(-1, -1));
    EXPECT_FALSE(grid->GetSelectedCellRange().IsValid());
    ASSERT_TRUE(grid->SetFocusCell(2, 1));
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 1));
    EXPECT_TRUE(grid->GetItemState(2, 1) & GVIS_FOCUSED);
    ASSERT_TRUE(grid->SetSelectedRange(2, 0, 3, 3));
    EXPECT_TRUE(grid->IsCellSelected(3, 3));
    EXPECT_FALSE(grid->IsCellSelected(4, 0));
    EXPECT_TRUE(grid->GetItemState(3, 3) & GVIS_SELECTED);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 0, 3, 3));
    ASSERT_TRUE(grid->SetSelectedRange(-1, -1, -1, -1));
    EXPECT_FALSE(grid->GetSelectedCellRange().IsValid());
    EXPECT_TRUE(selChanges.empty());
}

TEST_F(GridFixture, UserMovesAreNotifiedOncePerAction)
{
    grid->SetFocusCell(1, 0);
    QTest::keyClick(grid.get(), Qt::Key_Down);
    ASSERT_EQ(selChanges.size(), 1u);
    EXPECT_EQ(selChanges[0], CCellID(2, 0));
    EXPECT_TRUE(grid->IsCellSelected(2, 0));

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(4, 3));
    ASSERT_EQ(selChanges.size(), 2u);
    EXPECT_EQ(selChanges[1], CCellID(4, 3));
    // A key that moves nothing is no change.
    QTest::keyClick(grid.get(), Qt::Key_Right);
    EXPECT_EQ(selChanges.size(), 2u);
}

TEST_F(GridFixture, ListModeSelectsWholeRows)
{
    grid->SetListMode(true);
    grid->SetSingleRowSelection(true);
    grid->SetEditable(false);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(3, 2));
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(grid->IsCellSelected(3, c)) << c;
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(3, 0, 3, 3));
    ASSERT_EQ(selChanges.size(), 1u);
    EXPECT_EQ(selChanges[0], CCellID(3, 2));

    // Single-row selection: a shift-click does not widen it.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(5, 0));
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(5, 0, 5, 3));
    QTest::keyClick(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(4, 0, 4, 3));
    EXPECT_EQ(selChanges.size(), 3u);
    // Not editable: a click on the focus cell opens nothing.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(4, 0));
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_TRUE(grid->starts.empty());
}

TEST_F(GridFixture, ListModeWithShiftSelectsSeveralRows)
{
    grid->SetListMode(true);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(4, 1));
    EXPECT_EQ(grid->GetSelectedCellRange(), CCellRange(2, 0, 4, 3));
}

TEST_F(GridFixture, TextsAreWindows1252Bytes)
{
    grid->SetItemText(1, 0, "\x80 5,00 \x84Gr\xFC\xDF" "e\x93 \x81");
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(),
              QString::fromUtf8("\u20AC 5,00 \u201EGr\u00FC\u00DFe\u201C \u0081"));
    EXPECT_EQ(Cp1252::FromQString(QString::fromUtf8("\u20AC\u0178\u00FF")), std::string("\x80\x9F\xFF"));
    EXPECT_FALSE(Cp1252::FromQString(QString::fromUtf8("\u4E2D")).has_value());
    EXPECT_FALSE(Cp1252::FromQString(QString(QChar(0x80))).has_value());
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1252::FromQString(Cp1252::ToQString(all)), all);

    // The editor refuses what the cell could not store.
    ASSERT_TRUE(grid->EditCell(2, 0));
    QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_unknown, QString::fromUtf8("\u4E2D"), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_unknown, QString::fromUtf8("\u20AC"), Qt::NoModifier);
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(2, 0), "\x80");
}

TEST_F(GridFixture, SixThousandRowsFillInOneAnnouncement)
{
    QSignalSpy changes(grid->model(), &QAbstractItemModel::dataChanged);
    constexpr int kRows = 6000;
    constexpr int kCols = 8;
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpuStart = std::clock();
    grid->BeginUpdate();
    grid->SetColumnCount(kCols);
    grid->SetRowCount(kRows + 1);
    for (int r = 1; r <= kRows; ++r) {
        grid->SetItemTextFmt(r, 0, "%d", r % 31 + 1);
        grid->SetItemText(r, 1, "Wareneinkauf");
        grid->SetItemText(r, 2, "Notiz");
        grid->SetItemText(r, 3, "RG-4711");
        grid->SetItemText(r, 4, "1.234,50");
        grid->SetItemText(r, 5, "0,00");
        grid->SetItemText(r, 6, "EUR");
        grid->SetItemText(r, 7, "19,00");
        grid->SetItemData(r, 0, r - 1);
        for (int c : {0, 4, 5, 7})
            grid->SetItemFormat(r, c, GVF_RIGHT | GVF_VCENTER | GVF_SINGLELINE);
    }
    grid->EndUpdate();
    const qint64 fillMs = timer.elapsed();
    const double fillCpuMs = 1000.0 * double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    timer.restart();
    grid->repaint();
    const qint64 paintMs = timer.elapsed();
    timer.restart();
    grid->SetRowCount(1);
    const qint64 clearMs = timer.elapsed();
    std::printf("[ grid     ] fill %d x %d cells: %lld ms (%.1f ms CPU), first paint: %lld ms, clear: %lld ms\n",
                kRows, kCols, static_cast<long long>(fillMs), fillCpuMs, static_cast<long long>(paintMs),
                static_cast<long long>(clearMs));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(grid->GetRowCount(), 1);
}

TEST_F(GridFixture, FilledRowsReadBackAndScroll)
{
    grid->BeginUpdate();
    grid->SetRowCount(6001);
    for (int r = 1; r <= 6000; ++r)
        grid->SetItemTextFmt(r, 1, "%d", r);
    grid->EndUpdate();
    EXPECT_EQ(grid->GetItemText(6000, 1), "6000");
    EXPECT_EQ(grid->GetItemText(6000, 0), "");
    ASSERT_TRUE(grid->SetFocusCell(6000, 1));
    ASSERT_TRUE(grid->EnsureVisible(6000, 1));
    EXPECT_TRUE(grid->viewport()->rect().intersects(grid->visualRect(grid->model()->index(6000, 1))));
    QTest::keyClick(grid.get(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid->GetFocusCell(), CCellID(1, 0));
}
