#pragma once
// Draws the grid's cells and makes their in-cell editors: a line edit for
// text, a drop-down box for a drop-down cell, a line edit that takes only
// an amount or a whole number for decimal and numeric cells. Check boxes
// have no editor; a click or Space ticks them.
//
// The delegate never writes into the model: when an edit ends, the grid
// takes the editor's text and runs its end-of-edit rule. Keys that end an
// edit (Tab, Enter, Page Up/Down, Home, End, arrows) and Escape are caught
// here, before the editor sees them, and handed to the grid.
#include <QStyledItemDelegate>

#include <string>

class CGridCtrl;

class CGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CGridDelegate(CGridCtrl& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The text the editor holds now as cell bytes. false when it offers
    // none (a drop-down list with nothing chosen): the cell keeps its text.
    // An editor the user did not change gives back the cell's text as it was.
    bool EditorText(QWidget* editor, int row, int col, std::string& text) const;
    // The character that started the edit replaces the editor's content.
    void TypeInto(QWidget* editor, QChar character) const;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    CGridCtrl& m_grid;
};
