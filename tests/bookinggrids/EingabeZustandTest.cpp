// When the open booking counts as changed (entry state 2). The main window
// lets an unchanged booking go without a word when the date or the
// selection changes, so a change that goes unnoticed is a booking lost.
#include "EingabeTestBasis.h"

#include <functional>

using namespace gridtyping;

TEST_F(EingabeTest, WhatIsDoneInTheEditorANewBookingOpensOnDecidesTheState)
{
    struct Fall {
        const char* was;
        bool monatlich;
        std::function<void(CBuchungEingabe&)> tue;
        int zustand;
    };
    const Fall faelle[] = {
        {"Porto chosen by its letters, list still open", false,
         [](CBuchungEingabe& g) { QTest::keyClicks(ComboEditor(g), "Porto"); }, 2},
        {"Porto chosen, list left with Tab", false, [](CBuchungEingabe& g) { PickInOpenList(g, "Porto"); }, 2},
        {"day typed, editor still open", true, [](CBuchungEingabe& g) { QTest::keyClicks(LineEditor(g), "7"); }, 2},
        {"list left with Esc", false, [](CBuchungEingabe& g) { QTest::keyClick(ComboEditor(g), Qt::Key_Escape); }, 1},
        {"list left unchanged by a click elsewhere", false, [](CBuchungEingabe& g) { g.EndEditing(); }, 1},
        {"day editor left with Esc", true, [](CBuchungEingabe& g) { QTest::keyClick(LineEditor(g), Qt::Key_Escape); }, 1},
        {"day editor left unchanged by a click elsewhere", true, [](CBuchungEingabe& g) { g.EndEditing(); }, 1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        zugriff.Select(2004, 3, 28, f.monatlich);
        states.clear();
        grid->NewBooking();
        ASSERT_EQ(grid->GetEditCell(), CCellID(1, f.monatlich ? 0 : 1));
        ASSERT_EQ(grid->GetState(), EntryState::Open);
        f.tue(*grid);
        EXPECT_EQ(static_cast<int>(grid->GetState()), f.zustand);
        EXPECT_EQ(states.back(), f.zustand);
        ASSERT_TRUE(grid->Finish(nullptr));
    }
}

TEST_F(EingabeTest, ReceiptTextChosenInAShownBookingIsAChangeBeforeTheListCloses)
{
    zugriff.AddBooking(2004, 3, 28, "Porto", CBetrag(), CBetrag(20000));
    ASSERT_TRUE(grid->ShowBooking(0));
    EXPECT_EQ(grid->GetState(), EntryState::Open);
    ASSERT_TRUE(grid->EditCell(1, 1));
    QTest::keyClicks(ComboEditor(*grid), "Verk");
    EXPECT_EQ(grid->GetState(), EntryState::Changed);
    EXPECT_EQ(states, (std::vector<int>{1, 2}));
    TypeInto(*grid, 1, 4, "3");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Bezeichnung, "Verkauf");
    EXPECT_EQ(zugriff.journal.GetItem(0, 0).Einnahme, CBetrag(30000));
}
