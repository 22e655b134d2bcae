// The monthly overview dialog: its texts, the grid's header, cells and
// colours from the overview's rows, and the header alone when the cash
// book is missing.
#include "BerichtJournal.h"
#include "TestZugriff.h"

#include "reports/CMonatsUebersichtDlg.h"
#include "widgets/grid/CGridCtrl.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

using namespace berichte;

TEST(MonatsUebersichtDlg, ShowsTheSelectedMonthDayByDay)
{
    TestZugriff z;
    z.firma.SetWaehrung("CHF");
    Buche(z.journal, Tag(2004, 2, 29), {"Anfangsbestand", Eur(10)});
    Buche(z.journal, Tag(2004, 3, 6), {"Porto", {}, Eur(25)});
    CMonatsUebersichtDlg dlg(z);
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("Kassen-Monatsübersicht"));
    EXPECT_EQ(dlg.Titel()->text(), QString::fromUtf8("März 2004 - POS-Kasse"));
    EXPECT_EQ(dlg.Waehrung()->text(), "alle Werte in CHF");
    auto* schliessen = dlg.findChild<QPushButton*>(QStringLiteral("buttonSchliessen"));
    ASSERT_TRUE(schliessen);
    EXPECT_EQ(schliessen->text(), QString::fromUtf8("&Schließen"));

    CGridCtrl& g = *dlg.Grid();
    ASSERT_EQ(g.GetRowCount(), 32);
    EXPECT_EQ(g.GetColumnCount(), 5);
    EXPECT_EQ(g.GetFixedRowCount(), 1);
    EXPECT_TRUE(g.GetListMode());
    const char* koepfe[] = {"KW", "Tag", "Einnahmen", "Ausgaben", "Kassenbestand"};
    const int breiten[] = {58, 50, 95, 95, 95};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(g.GetItemText(0, c), koepfe[c]);
        EXPECT_EQ(g.GetColumnWidth(c), breiten[c]);
        EXPECT_EQ(g.GetItemFormat(0, c) & (GVF_CENTER | GVF_RIGHT), GVF_CENTER);
    }
    EXPECT_EQ(g.GetItemText(1, 0), "KW 10");
    EXPECT_EQ(g.GetItemText(1, 1), "Mo, 01.");
    EXPECT_EQ(g.GetItemText(1, 4), "10,00");
    EXPECT_EQ(g.GetItemText(6, 3), "25,00");
    EXPECT_EQ(g.GetItemText(6, 2), "");
    EXPECT_EQ(g.GetItemText(6, 4), "-15,00");
    EXPECT_EQ(g.GetItemFormat(6, 4) & (GVF_CENTER | GVF_RIGHT), GVF_RIGHT);
    EXPECT_EQ(g.GetItemBkColour(1, 0), QColor(224, 240, 224));
    EXPECT_EQ(g.GetItemBkColour(6, 4), QColor(240, 224, 224));   // Saturday
    EXPECT_EQ(g.GetItemBkColour(8, 2), QColor(240, 240, 224));   // Monday of the second week
}

TEST(MonatsUebersichtDlg, WithoutACashBookOnlyTheHeader)
{
    for (int fehlt = 0; fehlt < 3; ++fehlt) {
        TestZugriff z;
        z.mitAuswahl = fehlt != 0;
        z.mitJournal = fehlt != 1;
        z.mitFirma = fehlt != 2;
        CMonatsUebersichtDlg dlg(z);
        EXPECT_EQ(dlg.Grid()->GetRowCount(), 1) << fehlt;
        EXPECT_EQ(dlg.Titel()->text(), "Monat Jahr - POS-Kasse");
        EXPECT_EQ(dlg.Waehrung()->text(), "alle Werte in EUR");
    }
}
