#pragma once
// The wait cursor for the length of a scope: saving, opening and the
// booking generator block the window, and the user should see why.
#include <QApplication>
#include <QCursor>

class CWarteCursor {
public:
    CWarteCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~CWarteCursor() { QApplication::restoreOverrideCursor(); }
    CWarteCursor(const CWarteCursor&) = delete;
    CWarteCursor& operator=(const CWarteCursor&) = delete;
};
