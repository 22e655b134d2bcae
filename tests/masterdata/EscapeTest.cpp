// Escape is "&Abbrechen" in every master-data dialog; with a cell editor
// open the first Escape only ends the edit. ctest runs it under Xvfb too.
#include "StammdatenTestHilfe.h"
#include "masterdata/CBelegtexteDlg.h"
#include "masterdata/CFirmenverwaltungDlg.h"
#include "masterdata/CUStDlg.h"
#include "platform/ScriptedUserMessages.h"

#include <QTemporaryDir>

using namespace stammdaten;

TEST(StammdatenEscape, EscapeCancelsEveryDialogAndFirstEndsAnOpenEdit)
{
    QTemporaryDir temp;
    Zugriff zugriff{temp.filePath(QStringLiteral("ust.xml")).toStdString()};
    ScriptedUserMessages messages;
    // Receipt texts (once more with an open editor), VAT rates, company.
    for (int fall = 0; fall < 4; ++fall) {
        const std::unique_ptr<QDialog> dlg(fall < 2 ? static_cast<QDialog*>(new CBelegtexteDlg(zugriff, messages))
                                           : fall == 2 ? static_cast<QDialog*>(new CUStDlg(*zugriff.steuer))
                                                       : new CFirmenverwaltungDlg(zugriff, "", messages));
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        dlg->activateWindow();   // no window manager does it under Xvfb
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get())) << fall;
        if (auto* grid = fall < 3 ? dlg->findChild<CGridCtrl*>() : nullptr) {
            KlickeZeile(*grid, 2);
            if (fall == 1) {
                ASSERT_TRUE(grid->EditCell(2, 1));
                QTest::keyClick(dlg->windowHandle(), Qt::Key_Escape);
                EXPECT_FALSE(grid->IsEditing());
                EXPECT_TRUE(dlg->isVisible());
            }
        }
        QTest::keyClick(dlg->windowHandle(), Qt::Key_Escape);
        EXPECT_FALSE(dlg->isVisible()) << fall;
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
    }
}
