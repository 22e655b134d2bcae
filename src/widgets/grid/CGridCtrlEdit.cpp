// In-cell editing, keyboard and mouse handling of the grid control.
#include "widgets/grid/CGridCtrl.h"

#include "widgets/grid/CGridCtrlUserAction.h"
#include "widgets/grid/CGridDelegate.h"
#include "widgets/grid/CGridModel.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>

namespace {

// A key code that stands for a typed character rather than a Qt::Key.
bool IsCharacterKey(int key)
{
    return key >= 0x20 && key <= 0xFFFF && key != 0x7F;
}

} // namespace

// --- Starting and ending an edit ------------------------------------------

bool CGridCtrl::EditCell(int row, int col, int key)
{
    if (!IsValid(row, col))
        return false;
    OnEditCell(row, col, QPoint(-1, -1), key);
    return IsEditing() && GetEditCell() == CCellID(row, col);
}

void CGridCtrl::EndEditing()
{
    FinishEdit(false);
}

bool CGridCtrl::IsEditing() const
{
    return m_editor && m_editIndex.isValid();
}

CCellID CGridCtrl::GetEditCell() const
{
    return IsEditing() ? CCellID(m_editIndex.row(), m_editIndex.column()) : CCellID();
}

bool CGridCtrl::CanEditInPlace(int row, int col) const
{
    return IsCellEditable(row, col) && GetCellType(row, col) != GridCellKind::Check;
}

void CGridCtrl::OnEditCell(int row, int col, QPoint, int key)
{
    if (IsEditing()) {
        if (GetEditCell() == CCellID(row, col))
            return;
        FinishEdit(false);
    }
    if (!CanEditInPlace(row, col))
        return;
    const QModelIndex index = IndexOf(row, col);
    QItemSelectionModel::SelectionFlags select = QItemSelectionModel::ClearAndSelect;
    if (m_listMode)
        select |= QItemSelectionModel::Rows;
    selectionModel()->setCurrentIndex(index, select);
    scrollTo(index);
    if (!QTableView::edit(index, QAbstractItemView::AllEditTriggers, nullptr) || !m_editor)
        return;
    m_model->EnsureCell(row, col).OnBeginEdit();
    if (IsCharacterKey(key))
        m_delegate->TypeInto(m_editor, QChar(static_cast<char16_t>(key)));
}

void CGridCtrl::OnEndEditCell(int row, int col, const std::string& text)
{
    if (!IsValid(row, col))
        return;
    const std::string old = GetItemText(row, col);
    if (text != old) {
        SetItemText(row, col, text);
        bool keep = ValidateEdit(row, col, text);
        if (keep && SendMessageToParent(row, col, GVN_ENDLABELEDIT) < 0)
            keep = false;
        // The owner may have reshaped the grid while answering.
        if (IsValid(row, col)) {
            if (keep) {
                SetItemState(row, col, GetItemState(row, col) | GVIS_MODIFIED);
                RedrawCell(row, col);
            } else {
                SetItemText(row, col, old);
            }
        }
    }
    if (IsValid(row, col))
        m_model->EnsureCell(row, col).OnEndEdit();
}

bool CGridCtrl::ValidateEdit(int, int, const std::string&)
{
    return true;
}

void CGridCtrl::OnEditorChanged(int, int)
{
}

void CGridCtrl::EditorCreated(QWidget* editor, const QModelIndex& index)
{
    m_editor = editor;
    m_editIndex = index;
    // Only the user's signals: setText and setCurrentIndex, with which the
    // delegate fills the editor, send neither.
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        connect(box, &QComboBox::activated, this, [this, box] { EditorChangedByUser(box); });
        if (QLineEdit* line = box->lineEdit())
            connect(line, &QLineEdit::textEdited, this, [this, box] { EditorChangedByUser(box); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { EditorChangedByUser(edit); });
    }
}

void CGridCtrl::EditorChangedByUser(const QWidget* editor)
{
    if (editor && editor == m_editor && m_editIndex.isValid())
        OnEditorChanged(m_editIndex.row(), m_editIndex.column());
}

bool CGridCtrl::IsEditorOf(const QObject* object) const
{
    return object && object == m_editor.data();
}

bool CGridCtrl::FinishEdit(bool cancel)
{
    QWidget* editor = m_editor;
    if (!editor)
        return false;
    const QPersistentModelIndex index = m_editIndex;
    m_editor = nullptr;
    m_editIndex = QPersistentModelIndex();
    // The cell's row or column was removed: Qt has dropped the editor already.
    if (!index.isValid())
        return false;
    std::string text;
    const bool offered = !cancel && m_delegate->EditorText(editor, index.row(), index.column(), text);
    m_closedEditor = editor;
    // Close first, so the end-of-edit handling (and a derived grid's) may
    // open the next editor or reshape the grid.
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (!offered)
        text = GetItemText(index.row(), index.column());
    OnEndEditCell(index.row(), index.column(), text);
    return true;
}

void CGridCtrl::CancelEditing()
{
    FinishEdit(true);
}

void CGridCtrl::commitData(QWidget* editor)
{
    // The editor lost the focus (or Qt moved the current cell): the edit
    // ends by the grid's rule; the model is never written directly.
    if (editor && editor == m_editor)
        FinishEdit(false);
}

void CGridCtrl::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor && editor == m_editor) {
        FinishEdit(true);
        return;
    }
    // After a lost focus Qt's delegate asks to close the editor that the
    // commit already closed.
    if (editor && editor == m_closedEditor)
        return;
    QTableView::closeEditor(editor, hint);
}

void CGridCtrl::EditorKeyPressed(int key, Qt::KeyboardModifiers modifiers)
{
    UserAction action(*this);
    const CCellID edited = GetEditCell();
    FinishEdit(false);
    m_keyAccepted = true;
    OnKeyDown(key, 1, modifiers);
    const CCellID focus = GetFocusCell();
    if (focus.IsValid() && focus != edited && !IsEditing() && CanEditInPlace(focus.row, focus.col))
        OnEditCell(focus.row, focus.col, QPoint(-1, -1), key);
}

// --- Keys -----------------------------------------------------------------

void CGridCtrl::OnKeyDown(int key, int repeatCount, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The grid keeps Enter, so it never presses a dialog's default button.
        m_keyAccepted = true;
        return;
    case Qt::Key_F2: {
        const CCellID focus = GetFocusCell();
        if (focus.IsValid() && IsEditable())
            OnEditCell(focus.row, focus.col, QPoint(-1, -1), key);
        m_keyAccepted = true;
        return;
    }
    default:
        break;
    }
    for (int i = 0; i < std::max(1, repeatCount); ++i)
        ForwardKeyToView(key, modifiers);
}

void CGridCtrl::ForwardKeyToView(int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QTableView::keyPressEvent(&event);
    m_keyAccepted = event.isAccepted();
}

QModelIndex CGridCtrl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const CCellID from = GetFocusCell();
    if (!m_tabSkipsReadOnly || (action != MoveNext && action != MovePrevious) || !from.IsValid())
        return QTableView::moveCursor(action, modifiers);
    // Reading order: along the row, then on to the next row (or back).
    const int cols = GetColumnCount();
    const int step = action == MoveNext ? 1 : -1;
    for (int pos = from.row * cols + from.col + step; pos >= 0 && pos < GetRowCount() * cols; pos += step) {
        if (IsCellEditable(pos / cols, pos % cols))
            return IndexOf(pos / cols, pos % cols);
    }
    return currentIndex();
}

bool CGridCtrl::ToggleCheckByUser(int row, int col)
{
    if (!IsCellEditable(row, col))
        return false;
    return m_model->setData(IndexOf(row, col), GetCheck(row, col) ? Qt::Unchecked : Qt::Checked,
                            Qt::CheckStateRole);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    UserAction action(*this);
    const QString text = event->text();
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool altGr = (mods & Qt::ControlModifier) && (mods & Qt::AltModifier);
    const bool typed = !text.isEmpty() && text.at(0).isPrint()
        && (altGr || !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)));
    if (typed) {
        // A typed character starts editing the focus cell with it; Space
        // ticks a check box.
        const CCellID focus = GetFocusCell();
        if (focus.IsValid() && IsEditable() && !IsCellFixed(focus.row, focus.col)) {
            if (GetCellType(focus.row, focus.col) == GridCellKind::Check) {
                if (text == QLatin1String(" "))
                    ToggleCheckByUser(focus.row, focus.col);
            } else {
                OnEditCell(focus.row, focus.col, QPoint(-1, -1), text.at(0).unicode());
            }
        }
        event->accept();
        return;
    }
    m_keyAccepted = true;
    OnKeyDown(event->key(), event->count(), mods);
    event->setAccepted(m_keyAccepted);
}

// --- Mouse ----------------------------------------------------------------

void CGridCtrl::mousePressEvent(QMouseEvent* event)
{
    UserAction action(*this);
    const QModelIndex index = indexAt(event->position().toPoint());
    m_pressCell = index.isValid() ? CCellID(index.row(), index.column()) : CCellID();
    m_pressOnFocus = index.isValid() && index == currentIndex() && event->button() == Qt::LeftButton
        && !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    QTableView::mousePressEvent(event);
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* event)
{
    UserAction action(*this);
    QTableView::mouseMoveEvent(event);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    UserAction action(*this);
    QTableView::mouseReleaseEvent(event);
    // A click on the cell that already had the focus starts editing it.
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool clickOnFocus = m_pressOnFocus && index.isValid()
        && CCellID(index.row(), index.column()) == m_pressCell;
    m_pressOnFocus = false;
    if (clickOnFocus && IsEditable() && !IsEditing()
        && GetCellType(index.row(), index.column()) != GridCellKind::Check)
        OnEditCell(index.row(), index.column(), event->position().toPoint(), 0);
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    UserAction action(*this);
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && IsEditable() && !IsEditing()
        && !IsCellFixed(index.row(), index.column())
        && GetCellType(index.row(), index.column()) != GridCellKind::Check)
        OnEditCell(index.row(), index.column(), event->position().toPoint(), 0);
}

bool CGridCtrl::viewportEvent(QEvent* event)
{
    // The whole text of a cell too narrow for it, as a tip.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString text = index.isValid() ? index.data().toString() : QString();
        const QRect rect = visualRect(index);
        if (!text.isEmpty() && viewport()->fontMetrics().horizontalAdvance(text) + 6 > rect.width())
            QToolTip::showText(help->globalPos(), text, viewport(), rect);
        else
            QToolTip::hideText();
        return true;
    }
    return QTableView::viewportEvent(event);
}
