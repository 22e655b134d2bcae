#pragma once
// Typing into a grid as a user does: start the edit (by the program, as the
// grid itself does after Tab or Enter, or by a typed first character), type
// into the in-cell editor that opened, and end the edit with a key.
#include "widgets/grid/CGridCtrl.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace gridtyping {

// The in-cell editor open on the grid, or null.
inline QWidget* Editor(CGridCtrl& grid)
{
    const CCellID cell = grid.GetEditCell();
    if (!cell.IsValid())
        return nullptr;
    return grid.indexWidget(grid.model()->index(cell.row, cell.col));
}

inline QLineEdit* LineEditor(CGridCtrl& grid)
{
    return qobject_cast<QLineEdit*>(Editor(grid));
}

inline QComboBox* ComboEditor(CGridCtrl& grid)
{
    return qobject_cast<QComboBox*>(Editor(grid));
}

// Types any text, also letters QTest's key table does not know, one
// character at a time as a keyboard sends them.
inline void TypeCharacters(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

// Types text into the line editor already open and ends the edit with key.
inline void TypeIntoOpenEditor(CGridCtrl& grid, const QString& text, Qt::Key end = Qt::Key_Tab)
{
    QLineEdit* edit = LineEditor(grid);
    ASSERT_NE(edit, nullptr) << "no line editor open";
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, end);
}

// Opens (row, col) for editing, types text and ends the edit with key.
inline void TypeInto(CGridCtrl& grid, int row, int col, const QString& text, Qt::Key end = Qt::Key_Tab)
{
    ASSERT_TRUE(grid.EditCell(row, col)) << "cell (" << row << ", " << col << ") did not open";
    TypeIntoOpenEditor(grid, text, end);
}

// In the drop-down list already open, types the start of an option (the
// closed list jumps to the first option beginning so) and ends with key.
inline void PickInOpenList(CGridCtrl& grid, const QString& prefix, Qt::Key end = Qt::Key_Tab)
{
    QComboBox* box = ComboEditor(grid);
    ASSERT_NE(box, nullptr) << "no drop-down open";
    QTest::keyClicks(box, prefix);
    ASSERT_TRUE(box->currentText().startsWith(prefix))
        << "no option starts with " << prefix.toStdString();
    QTest::keyClick(box, end);
}

inline void Pick(CGridCtrl& grid, int row, int col, const QString& prefix, Qt::Key end = Qt::Key_Tab)
{
    ASSERT_TRUE(grid.EditCell(row, col)) << "cell (" << row << ", " << col << ") did not open";
    PickInOpenList(grid, prefix, end);
}

} // namespace gridtyping
