#pragma once
// Internal to the grid control: gathers the focus and selection changes of
// one user action (a key, a mouse press, an edit ended by a key) into one
// GVN_SELCHANGED at its end. Actions nest; only the outermost notifies.
#include "widgets/grid/CGridCtrl.h"

class CGridCtrl::UserAction {
public:
    explicit UserAction(CGridCtrl& grid) : m_grid(grid) { m_grid.BeginUserAction(); }
    ~UserAction() { m_grid.EndUserAction(); }
    UserAction(const UserAction&) = delete;
    UserAction& operator=(const UserAction&) = delete;

private:
    CGridCtrl& m_grid;
};
