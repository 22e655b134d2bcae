// Escape is "&Abbrechen" in every master-data dialog, wherever the focus
// is; with a cell editor open the first Escape only ends the edit. Also
// run under a real X server (ctest's masterdata_x11), where the keys take
// the way the desktop gives them.
#include "StammdatenTestHilfe.h"
#include "masterdata/CBelegtexteDlg.h"
#include "masterdata/CFirmenverwaltungDlg.h"
#include "masterdata/CUStDlg.h"
#include "platform/ScriptedUserMessages.h"

#include <QApplication>
#include <QTemporaryDir>

#include <functional>

using namespace stammdaten;

TEST(StammdatenEscape, EscapeCancelsEveryDialogAndFirstEndsAnOpenEdit)
{
    QTemporaryDir temp;
    Zugriff zugriff{temp.filePath(QStringLiteral("ust.xml")).toStdString()};
    ScriptedUserMessages messages;
    const struct {
        std::function<QDialog*()> baue;
        const char* grid;   // where the focus goes; nullptr: where the dialog puts it
        int editierbar;     // a column the second round opens an editor in; -1: none
    } faelle[] = {
        {[&] { return new CBelegtexteDlg(zugriff, messages); }, "gridBelegtexte", 1},
        {[&] { return new CUStDlg(*zugriff.steuer); }, "gridUSt", -1},
        {[&] { return new CFirmenverwaltungDlg(zugriff, "", messages); }, nullptr, -1},
    };
    for (const auto& f : faelle) {
        for (const bool editieren : {false, true}) {
            if (editieren && f.editierbar < 0)
                continue;
            const std::unique_ptr<QDialog> dlg(f.baue());
            dlg->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
            dlg->activateWindow();   // no window manager does it under Xvfb
            ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get())) << dlg->objectName().toStdString();
            auto* grid = f.grid ? dlg->findChild<CGridCtrl*>(QString::fromLatin1(f.grid)) : nullptr;
            if (grid) {
                grid->setFocus();
                KlickeZeile(*grid, 2);
                QTest::keyClick(dlg->windowHandle(), Qt::Key_End);
            }
            if (editieren) {
                ASSERT_TRUE(grid->EditCell(2, f.editierbar));
                QTest::keyClick(dlg->windowHandle(), Qt::Key_Escape);
                EXPECT_FALSE(grid->IsEditing());
                EXPECT_TRUE(dlg->isVisible());
            }
            QTest::keyClick(dlg->windowHandle(), Qt::Key_Escape);
            EXPECT_FALSE(dlg->isVisible()) << dlg->objectName().toStdString() << " " << editieren;
            EXPECT_EQ(dlg->result(), QDialog::Rejected);
        }
    }
}
