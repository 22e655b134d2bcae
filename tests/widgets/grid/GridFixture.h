#pragma once
// A shown, active grid with every hook recorded, its model watched by Qt's
// model tester for the whole test.
#include "widgets/grid/CGridCtrl.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct EndEdit {
    int row;
    int col;
    std::string text;
};

class RecordingGrid : public CGridCtrl {
public:
    using CGridCtrl::CGridCtrl;

    std::vector<CCellID> starts;
    std::vector<int> startKeys;
    std::vector<EndEdit> ends;
    std::vector<std::string> validated;
    bool accept = true;
    std::vector<int> keys;
    std::vector<CCellID> changes;
    // Returns true when it took the key (the grid then does nothing).
    std::function<bool(int key)> keyFirst;

    void OnEndEditCell(int row, int col, const std::string& text) override
    {
        ends.push_back({row, col, text});
        CGridCtrl::OnEndEditCell(row, col, text);
    }

protected:
    void OnEditCell(int row, int col, QPoint point, int key) override
    {
        starts.push_back(CCellID(row, col));
        startKeys.push_back(key);
        CGridCtrl::OnEditCell(row, col, point, key);
    }
    bool ValidateEdit(int, int, const std::string& text) override
    {
        validated.push_back(text);
        return accept;
    }
    void OnEditorChanged(int row, int col) override
    {
        changes.push_back(CCellID(row, col));
        CGridCtrl::OnEditorChanged(row, col);
    }
    void OnKeyDown(int key, int repeat, Qt::KeyboardModifiers modifiers) override
    {
        keys.push_back(key);
        if (keyFirst && keyFirst(key))
            return;
        CGridCtrl::OnKeyDown(key, repeat, modifiers);
    }
};

// Header row 0 ("A" ... ), rows 1..5 with texts "r<row>c<col>".
class GridFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid = std::make_unique<RecordingGrid>();
        tester = std::make_unique<QAbstractItemModelTester>(
            grid->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        grid->SetColumnCount(4);
        grid->SetRowCount(6);
        grid->SetFixedRowCount(1);
        for (int c = 0; c < 4; ++c) {
            grid->SetItemText(0, c, std::string(1, char('A' + c)));
            for (int r = 1; r < 6; ++r)
                grid->SetItemText(r, c, "r" + std::to_string(r) + "c" + std::to_string(c));
        }
        grid->resize(500, 300);
        grid->show();
        grid->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
        QObject::connect(grid.get(), &CGridCtrl::endLabelEdit, grid.get(), [this](int r, int c, int* answer) {
            notified.push_back(CCellID(r, c));
            textAtNotification.push_back(grid->GetItemText(r, c));
            *answer = answer_;
        });
        QObject::connect(grid.get(), &CGridCtrl::selChanged, grid.get(),
                         [this](int r, int c) { selChanges.push_back(CCellID(r, c)); });
    }

    void TearDown() override
    {
        tester.reset();
        grid.reset();
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }
    QLineEdit* LineEditor() const { return qobject_cast<QLineEdit*>(Focus()); }
    QPoint CellCentre(int row, int col) const
    {
        return grid->visualRect(grid->model()->index(row, col)).center();
    }

    std::unique_ptr<RecordingGrid> grid;
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::vector<CCellID> notified;
    std::vector<std::string> textAtNotification;
    std::vector<CCellID> selChanges;
    int answer_ = 0;
};
