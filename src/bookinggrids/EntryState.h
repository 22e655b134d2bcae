#pragma once
// Where the entry grid stands with the booking it holds. The main window
// enables its commands from it; the order matters (Open and Changed both
// mean "a booking is open").
enum class EntryState {
    Idle = 0,     // no booking open
    Open = 1,     // a booking is open and unchanged
    Changed = 2,  // the open booking has changes
};
