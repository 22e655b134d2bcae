// Cell kinds: amounts, whole numbers, drop-down lists, check boxes, and a
// change of kind keeping the cell's content.
#include "GridFixture.h"

#include "widgets/grid/CGridCellCheck.h"
#include "widgets/grid/CGridCellDecimal.h"
#include "widgets/grid/CGridCellNumeric.h"
#include "widgets/grid/CGridDefaultCell.h"
#include "widgets/grid/GridNumberValidator.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <climits>

namespace {

CBetrag Euro(std::int64_t hundredths)
{
    return CBetrag(hundredths * 100);
}

} // namespace

TEST_F(GridFixture, DecimalCellShowsAmountsTheScreenWay)
{
    ASSERT_TRUE(grid->SetCellType<CGridCellDecimal>(1, 2));
    EXPECT_EQ(grid->GetCellType(1, 2), GridCellKind::Decimal);
    grid->SetItemText(1, 2, "");
    ASSERT_TRUE(grid->SetCellAmount(1, 2, CBetrag(12345000)));
    EXPECT_EQ(grid->GetItemText(1, 2), "1.234,50");
    EXPECT_EQ(grid->GetCellAmount(1, 2), CBetrag(12345000));
    grid->SetCellAmount(1, 2, CBetrag(-5000));
    EXPECT_EQ(grid->GetItemText(1, 2), "-0,50");
    grid->SetCellAmount(1, 2, Euro(123456789));
    EXPECT_EQ(grid->GetItemText(1, 2), "1.234.567,89");

    // The same amount again leaves the text alone, e.g. the "0" of a
    // locked amount column.
    grid->SetItemText(1, 2, "0");
    EXPECT_EQ(grid->GetCellAmount(1, 2), CBetrag(0));
    grid->SetCellAmount(1, 2, CBetrag(0));
    EXPECT_EQ(grid->GetItemText(1, 2), "0");
    // An empty cell shows no amount yet, so 0 is written out.
    grid->SetItemText(1, 2, "");
    grid->SetCellAmount(1, 2, CBetrag(0));
    EXPECT_EQ(grid->GetItemText(1, 2), "0,00");
}

TEST_F(GridFixture, TypedAmountIsReadAndShownWithTwoDecimals)
{
    grid->SetCellType<CGridCellDecimal>(2, 1);
    ASSERT_TRUE(grid->EditCell(2, 1));
    QTest::keyClicks(Focus(), "1.2a3b4,5x67");  // letters and a third decimal refused
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("1.234,56"));
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(2, 1), "1.234,56");
    EXPECT_EQ(grid->GetCellAmount(2, 1), CBetrag(12345600));

    ASSERT_TRUE(grid->EditCell(2, 1));
    QTest::keyClicks(Focus(), "-12,5");
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(2, 1), "-12,50");
    EXPECT_EQ(grid->GetCellAmount(2, 1), CBetrag(-125000));

    // Fourteen integer digits would not fit the amount: the last is refused.
    ASSERT_TRUE(grid->EditCell(2, 1));
    QTest::keyClicks(Focus(), "12345678901234");
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("1234567890123"));
    grid->EndEditing();
    EXPECT_EQ(grid->GetItemText(2, 1), "1.234.567.890.123,00");
}

TEST_F(GridFixture, NumericCellReadsItsText)
{
    ASSERT_TRUE(grid->SetCellType<CGridCellNumeric>(1, 0));
    grid->SetCellNumber(1, 0, 0);
    EXPECT_EQ(grid->GetItemText(1, 0), "");
    EXPECT_EQ(grid->GetCellNumber(1, 0), 0);
    grid->SetNumericShowZero(1, 0, true);
    grid->SetCellNumber(1, 0, 0);
    EXPECT_EQ(grid->GetItemText(1, 0), "0");
    grid->SetCellNumber(1, 0, 31);
    EXPECT_EQ(grid->GetItemText(1, 0), "31");
    grid->SetItemText(1, 0, "12abc");
    EXPECT_EQ(grid->GetCellNumber(1, 0), 12);
    grid->SetItemText(1, 0, "abc");
    EXPECT_EQ(grid->GetCellNumber(1, 0), 0);
    grid->SetItemText(1, 0, "99999999999999");
    EXPECT_EQ(grid->GetCellNumber(1, 0), 2147483647);
    grid->SetItemText(1, 0, "-7");
    EXPECT_EQ(grid->GetCellNumber(1, 0), -7);
    // Not a numeric cell: failure.
    EXPECT_EQ(grid->GetCellNumber(1, 1), -1);
    EXPECT_FALSE(grid->SetCellNumber(1, 1, 5));
}

TEST_F(GridFixture, NumericEditorKeepsANumberPastItsRangeForTheProgramToCheck)
{
    grid->SetCellType<CGridCellNumeric>(1, 0);
    grid->SetCellNumber(1, 0, 12);
    ASSERT_TRUE(grid->SetNumericRange(1, 0, 1, 30));
    EXPECT_FALSE(grid->SetNumericRange(1, 0, 5, 1));
    ASSERT_TRUE(grid->EditCell(1, 0));
    QTest::keyClicks(Focus(), "x4");
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("4"));
    QTest::keyClicks(Focus(), "5");  // 45 is past 30 but kept, not cut to 4
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("45"));
    QTest::keyClicks(Focus(), "6");  // no three-digit number is in 1 ... 30
    EXPECT_EQ(LineEditor()->text(), QStringLiteral("45"));
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(1, 0), "45");
    EXPECT_EQ(grid->GetCellNumber(1, 0), 45);
}

TEST(GridNumberValidatorTest, LimitsDigitsAndSignButLetsANumberPastTheRangeThrough)
{
    using S = QValidator::State;
    struct Fall {
        int min;
        int max;
        const char* text;
        S state;
    };
    const Fall faelle[] = {
        {1, 30, "", S::Intermediate},
        {1, 30, "0", S::Intermediate},
        {1, 30, "1", S::Acceptable},
        {1, 30, "30", S::Acceptable},
        {1, 30, "31", S::Intermediate},
        {1, 30, "99", S::Intermediate},
        {1, 30, "100", S::Invalid},
        {1, 30, "031", S::Invalid},
        {1, 30, "-1", S::Invalid},
        {1, 30, "1a", S::Invalid},
        {1, 30, " 1", S::Invalid},
        {1, 9, "10", S::Invalid},
        {-50, 5, "-", S::Intermediate},
        {-50, 5, "-50", S::Acceptable},
        {-50, 5, "-51", S::Intermediate},
        {-50, 5, "-500", S::Invalid},
        {-50, 5, "6", S::Intermediate},
        {INT_MIN, INT_MAX, "-2147483648", S::Acceptable},
        {INT_MIN, INT_MAX, "2147483648", S::Intermediate},
        {INT_MIN, INT_MAX, "21474836470", S::Invalid},
    };
    for (const Fall& f : faelle) {
        GridNumberValidator validator(f.min, f.max);
        QString text = QString::fromLatin1(f.text);
        int pos = static_cast<int>(text.size());
        EXPECT_EQ(validator.validate(text, pos), f.state) << f.min << ".." << f.max << " \"" << f.text << "\"";
    }
}

TEST_F(GridFixture, DropDownListOffersOnlyItsOptions)
{
    ASSERT_TRUE(grid->SetCellType<CGridCellCombo>(2, 2));
    ASSERT_TRUE(grid->SetComboOptions(2, 2, {"Ausgaben", "Einnahmen", "\xC4nderung"}));
    grid->SetItemText(2, 2, "Einnahmen");

    ASSERT_TRUE(grid->EditCell(2, 2));
    auto* box = qobject_cast<QComboBox*>(Focus());
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isEditable());
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentIndex(), 1);
    EXPECT_EQ(box->itemText(2), QStringLiteral("\u00C4nderung"));
    box->setCurrentIndex(2);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(2, 2), "\xC4nderung");
    EXPECT_EQ(notified.size(), 1u);

    // A text that is no option stays when nothing is picked.
    grid->SetItemText(2, 2, "Aufteilung");
    ASSERT_TRUE(grid->EditCell(2, 2));
    box = qobject_cast<QComboBox*>(Focus());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentIndex(), -1);
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(grid->GetItemText(2, 2), "Aufteilung");
    EXPECT_EQ(notified.size(), 1u);
}

TEST_F(GridFixture, PickingFromTheOpenListEndsTheEdit)
{
    grid->SetCellType<CGridCellCombo>(3, 1);
    grid->SetComboOptions(3, 1, {"eins", "zwei", "drei"});
    ASSERT_TRUE(grid->EditCell(3, 1));
    auto* box = qobject_cast<QComboBox*>(Focus());
    ASSERT_NE(box, nullptr);
    box->showPopup();
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QRect item = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->GetItemText(3, 1), "zwei");
}

TEST_F(GridFixture, TypingOnADropDownCellPicksByFirstLetter)
{
    grid->SetCellType<CGridCellCombo>(1, 3);
    grid->SetComboOptions(1, 3, {"Bank", "Kasse", "Porto"});
    grid->SetFocusCell(1, 3);
    QTest::keyClicks(grid.get(), "p");
    ASSERT_TRUE(grid->IsEditing());  // typing chose, it did not end the edit
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(grid->GetItemText(1, 3), "Porto");
}

TEST_F(GridFixture, CheckBoxesTickBySpaceUnlessReadOnly)
{
    ASSERT_TRUE(grid->SetCellType<CGridCellCheck>(1, 1));
    EXPECT_FALSE(grid->GetCheck(1, 1));
    ASSERT_TRUE(grid->SetCheck(1, 1, true));
    EXPECT_TRUE(grid->GetCheck(1, 1));
    EXPECT_EQ(grid->model()->index(1, 1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_FALSE(grid->SetCheck(1, 2, true));  // not a check box
    EXPECT_FALSE(grid->GetCheck(1, 2));

    grid->SetFocusCell(1, 1);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_FALSE(grid->GetCheck(1, 1));
    EXPECT_TRUE(grid->GetItemState(1, 1) & GVIS_MODIFIED);
    EXPECT_FALSE(grid->IsEditing());
    grid->SetItemState(1, 1, GVIS_READONLY);
    QTest::keyClick(grid.get(), Qt::Key_Space);
    EXPECT_FALSE(grid->GetCheck(1, 1));
}

TEST_F(GridFixture, ChangingTheKindKeepsTheContent)
{
    grid->SetItemText(2, 1, "12,50");
    grid->SetItemFormat(2, 1, GVF_RIGHT | GVF_VCENTER);
    grid->SetItemData(2, 1, -1);
    grid->SetItemBkColour(2, 1, QColor(221, 221, 221));
    grid->SetItemFgColour(2, 1, QColor(34, 34, 34));
    grid->SetItemState(2, 1, GVIS_READONLY);

    ASSERT_TRUE(grid->SetCellType<CGridCellDecimal>(2, 1));
    EXPECT_EQ(grid->GetItemText(2, 1), "12,50");
    EXPECT_EQ(grid->GetCellAmount(2, 1), CBetrag(125000));
    EXPECT_EQ(grid->GetItemFormat(2, 1), GVF_RIGHT | GVF_VCENTER);
    EXPECT_EQ(grid->GetItemData(2, 1), -1);
    EXPECT_EQ(grid->GetItemBkColour(2, 1), QColor(221, 221, 221));
    EXPECT_EQ(grid->GetItemFgColour(2, 1), QColor(34, 34, 34));
    EXPECT_EQ(grid->GetItemState(2, 1) & GVIS_READONLY, GVIS_READONLY);

    ASSERT_TRUE(grid->SetCellType<CGridCell>(2, 1));
    EXPECT_EQ(grid->GetCellType(2, 1), GridCellKind::Text);
    EXPECT_EQ(grid->GetItemText(2, 1), "12,50");
    EXPECT_EQ(grid->GetCellAmount(2, 1), CBetrag(0));  // no longer an amount cell

    // Setting the same kind again keeps the kind's own values.
    grid->SetCellType<CGridCellCombo>(2, 1);
    grid->SetComboOptions(2, 1, {"a", "b"});
    grid->SetCellType<CGridCellCombo>(2, 1);
    EXPECT_EQ(grid->GetComboOptions(2, 1).size(), 2u);
}

TEST_F(GridFixture, SwapRowsExchangesContentButNotKindsOrColours)
{
    grid->SetCellType<CGridCellCheck>(1, 3);
    grid->SetCellType<CGridCellCheck>(2, 3);
    grid->SetCheck(1, 3, true);
    grid->SetCellType<CGridCellCombo>(1, 2);
    grid->SetComboOptions(1, 2, {"x"});
    grid->SetItemData(1, 0, 7);
    grid->SetItemData(2, 0, 9);
    grid->SetItemState(1, 1, GVIS_READONLY);
    grid->SetItemState(2, 1, GVIS_MODIFIED);
    grid->SetItemFormat(2, 0, GVF_RIGHT);
    grid->SetItemBkColour(1, 0, QColor(224, 240, 224));

    ASSERT_TRUE(grid->SwapRows(1, 2));
    EXPECT_EQ(grid->GetItemText(1, 0), "r2c0");
    EXPECT_EQ(grid->GetItemText(2, 2), "r1c2");
    EXPECT_EQ(grid->GetItemData(1, 0), 9);
    EXPECT_EQ(grid->GetItemData(2, 0), 7);
    EXPECT_EQ(grid->GetItemState(1, 1) & (GVIS_READONLY | GVIS_MODIFIED), GVIS_MODIFIED);
    EXPECT_EQ(grid->GetItemState(2, 1) & (GVIS_READONLY | GVIS_MODIFIED), GVIS_READONLY);
    EXPECT_EQ(grid->GetItemFormat(1, 0), GVF_RIGHT);
    EXPECT_EQ(grid->GetItemFormat(2, 0), GVF_DEFAULT);
    EXPECT_FALSE(grid->GetCheck(1, 3));
    EXPECT_TRUE(grid->GetCheck(2, 3));
    // Kinds and colours stay where they were.
    EXPECT_EQ(grid->GetCellType(1, 2), GridCellKind::Combo);
    EXPECT_EQ(grid->GetCellType(2, 2), GridCellKind::Text);
    EXPECT_EQ(grid->GetItemBkColour(1, 0), QColor(224, 240, 224));
    EXPECT_FALSE(grid->GetItemBkColour(2, 0).isValid());

    // A tick stays with its box when the other row has none.
    grid->SetCellType<CGridCell>(2, 3);
    ASSERT_TRUE(grid->SwapRows(1, 2));
    EXPECT_FALSE(grid->GetCheck(1, 3));
    EXPECT_FALSE(grid->SwapRows(1, 6));
    EXPECT_FALSE(grid->SwapRows(-1, 2));
}

TEST_F(GridFixture, DefaultCellsColourUnsetCells)
{
    grid->SetFixedBkColor(QColor(240, 240, 0));
    EXPECT_EQ(grid->model()->index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(240, 240, 0));
    grid->GetDefaultCell(false, false).SetBackClr(QColor(Qt::white));
    EXPECT_EQ(grid->model()->index(3, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    grid->SetItemBkColour(3, 1, QColor(240, 224, 224));
    EXPECT_EQ(grid->model()->index(3, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(240, 224, 224));
    grid->SetItemBkColour(3, 1);  // back to the default
    EXPECT_EQ(grid->model()->index(3, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    grid->SetItemFormat(3, 1, GVF_RIGHT | GVF_VCENTER);
    EXPECT_EQ(grid->model()->index(3, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignRight | Qt::AlignVCenter);
}
