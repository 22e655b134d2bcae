#pragma once
// Shared set-up of the entry grid tests: the grid on the stand-in main
// window's data, shown offscreen at a usual size, with the scripted message
// double and a record of the state notifications.
#include "GridTestZugriff.h"
#include "GridTyping.h"
#include "bookinggrids/CBuchungEingabe.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Windows-1252 bytes of a UTF-8 test literal, for comparing with cell texts.
std::string Bytes(const QString& text);

class EingabeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid = std::make_unique<CBuchungEingabe>(zugriff);
        grid->SetUserMessages(&messages);
        grid->resize(900, 250);
        grid->show();
        QObject::connect(grid.get(), &CBuchungEingabe::stateChanged,
                         [this](EntryState s) { states.push_back(static_cast<int>(s)); });
        QObject::connect(grid.get(), &CBuchungEingabe::completeBookingEntered,
                         [this] { ++completeCount; });
    }

    bool ReadOnly(int row, int col) const { return (grid->GetItemState(row, col) & GVIS_READONLY) != 0; }
    std::string Text(int row, int col) const { return grid->GetItemText(row, col); }

    GridTestZugriff zugriff;
    ScriptedUserMessages messages;
    std::unique_ptr<CBuchungEingabe> grid;
    std::vector<int> states;
    int completeCount = 0;
};
