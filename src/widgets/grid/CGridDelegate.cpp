#include "widgets/grid/CGridDelegate.h"

#include "widgets/grid/CGridCellCombo.h"
#include "widgets/grid/CGridCellDecimal.h"
#include "widgets/grid/CGridCellNumeric.h"
#include "widgets/grid/CGridComboEditor.h"
#include "widgets/grid/CGridCtrl.h"
#include "widgets/grid/GridAmountValidator.h"
#include "widgets/grid/GridNumberValidator.h"
#include "platform/Cp1252.h"
#include "platform/Cp1252Validator.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

QLineEdit* MakeLineEdit(QWidget* parent, QValidator* validator)
{
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    validator->setParent(edit);
    edit->setValidator(validator);
    return edit;
}

} // namespace

CGridDelegate::CGridDelegate(CGridCtrl& grid)
    : QStyledItemDelegate(&grid)
    , m_grid(grid)
{
}

QWidget* CGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                     const QModelIndex& index) const
{
    const CGridCellBase* cell = m_grid.GetCell(index.row(), index.column());
    if (!cell)
        return nullptr;
    QWidget* editor = nullptr;
    switch (cell->GetKind()) {
    case GridCellKind::Check:
        return nullptr;
    case GridCellKind::Combo: {
        const auto* combo = static_cast<const CGridCellCombo*>(cell);
        auto* box = new CGridComboEditor(parent);
        box->setFrame(false);
        for (const std::string& option : combo->GetOptions())
            box->addItem(Cp1252::ToQString(option));
        if (combo->GetStyle() == CGridCellCombo::Style::DropDown) {
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->lineEdit()->setValidator(new Cp1252Validator(box));
        }
        connect(box, &CGridComboEditor::optionPicked, &m_grid, &CGridCtrl::EndEditing);
        editor = box;
        break;
    }
    case GridCellKind::Decimal:
        editor = MakeLineEdit(parent, new GridAmountValidator());
        break;
    case GridCellKind::Numeric: {
        const auto* numeric = static_cast<const CGridCellNumeric*>(cell);
        editor = MakeLineEdit(parent, new GridNumberValidator(numeric->GetMinimum(), numeric->GetMaximum()));
        break;
    }
    case GridCellKind::Text:
        editor = MakeLineEdit(parent, new Cp1252Validator());
        break;
    }
    m_grid.EditorCreated(editor, index);
    return editor;
}

void CGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // Qt offers the cell's data again whenever the cell changes (a colour,
    // say); what the user has typed so far must not be overwritten.
    static const char* const kFilled = "gridEditorFilled";
    const CGridCellBase* cell = m_grid.GetCell(index.row(), index.column());
    if (!cell || editor->property(kFilled).toBool())
        return;
    editor->setProperty(kFilled, true);
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const int found = cell->GetKind() == GridCellKind::Combo
            ? static_cast<const CGridCellCombo*>(cell)->FindText() : -1;
        box->setCurrentIndex(found);
        if (box->isEditable())
            box->setEditText(Cp1252::ToQString(cell->GetText()));
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(Cp1252::ToQString(cell->GetText()));
        edit->selectAll();
    }
}

void CGridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const
{
    // The grid stores an edited text itself (CGridCtrl::OnEndEditCell).
}

bool CGridDelegate::EditorText(QWidget* editor, int row, int col, std::string& text) const
{
    const CGridCellBase* cell = m_grid.GetCell(row, col);
    if (!cell)
        return false;
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (box->isEditable()) {
            const std::optional<std::string> typed = Cp1252::FromQString(box->currentText());
            if (!typed)
                return false;
            text = *typed;
            return true;
        }
        const int chosen = box->currentIndex();
        if (chosen < 0 || cell->GetKind() != GridCellKind::Combo)
            return false;
        const auto& options = static_cast<const CGridCellCombo*>(cell)->GetOptions();
        if (static_cast<std::size_t>(chosen) >= options.size())
            return false;
        text = options[static_cast<std::size_t>(chosen)];
        return true;
    }
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit)
        return false;
    if (!edit->isModified()) {
        text = cell->GetText();
        return true;
    }
    const std::optional<std::string> typed = Cp1252::FromQString(edit->text());
    if (!typed)
        return false;
    text = *typed;
    // A typed amount is shown the way every amount is (12,5 becomes 12,50).
    if (cell->GetKind() == GridCellKind::Decimal && !text.empty())
        text = CGridCellDecimal::FormatAmount(ParseBetrag(text));
    return true;
}

void CGridDelegate::TypeInto(QWidget* editor, QChar character) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (box->isEditable()) {
            box->lineEdit()->selectAll();
            box->lineEdit()->insert(QString(character));
        } else {
            // The closed list jumps to the first option with that letter.
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QCoreApplication::sendEvent(box, &key);
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->selectAll();
        edit->insert(QString(character));
        edit->setModified(true);
    }
}

bool CGridDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_grid.IsEditorOf(object)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            // Alt+Up/Down open and close a drop-down list.
            if (key->modifiers() & Qt::AltModifier)
                break;
            [[fallthrough]];
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
            m_grid.EditorKeyPressed(key->key(), key->modifiers());
            return true;
        case Qt::Key_Escape:
            m_grid.CancelEditing();
            return true;
        default:
            break;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void CGridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (m_grid.GetItemFormat(index.row(), index.column()) & GVF_WORDBREAK)
        option->features |= QStyleOptionViewItem::WrapText;
    else
        option->features &= ~QStyleOptionViewItem::WrapText;
}
