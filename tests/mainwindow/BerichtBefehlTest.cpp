// The report commands of the main window: the preview runs through the
// dialog runner with the window hidden and unavailable and comes back by
// "&Schließen" or the close box; a cancelled question opens nothing; the
// monthly overview shows the selected month.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/GridTyping.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "widgets/grid/CGridCtrl.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>

using namespace hauptfenster;
using namespace gridtyping;

namespace {

class BerichtBefehl : public HauptfensterTest {
protected:
    void Oeffne()
    {
        const std::string kasse = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 2), CBetrag(50000), {}},
                                                            {CDatum::FromYMD(2004, 3, 9), {}, CBetrag(20000), "Porto"}});
        Start();
        fenster->show();
        fenster->ProcessCommandLine({QString::fromStdString(kasse)});
        ASSERT_NE(fenster->GetBuchungen(), nullptr);
    }
    // What the frame looked like while it ran, and how it was left.
    struct ImFenster {
        bool gelaufen = false;
        bool hauptfensterSichtbar = true;
        bool verfuegbar = true;
        QString titel;
        bool maximiert = false;
        int seiten = 0;
    };
    ScriptedModalDialogs::Answer Vorschau(ImFenster& im, const std::function<void(QDialog&)>& tue)
    {
        return [this, &im, tue](QDialog& frame) {
            im.gelaufen = true;
            im.hauptfensterSichtbar = fenster->isVisible();
            im.verfuegbar = fenster->IsAvailable();
            im.titel = frame.windowTitle();
            im.maximiert = frame.windowState() & Qt::WindowMaximized;
            if (auto* p = frame.findChild<QPrintPreviewWidget*>(QStringLiteral("preview")))
                im.seiten = p->pageCount();
            tue(frame);
            return frame.result();
        };
    }
};

} // namespace

TEST_F(BerichtBefehl, CashReportHidesTheWindowUntilTheCloseButton)
{
    Oeffne();
    ImFenster im;
    modal.Queue(QStringLiteral("reportFrame"), Vorschau(im, [](QDialog& frame) {
        frame.findChild<QPushButton*>(QStringLiteral("buttonSchliessen"))->click();
    }));
    Aktion("actionKassenbericht")->trigger();
    ASSERT_TRUE(im.gelaufen);
    EXPECT_FALSE(im.hauptfensterSichtbar);
    EXPECT_FALSE(im.verfuegbar);
    EXPECT_EQ(im.titel, "Druckmodul");
    EXPECT_TRUE(im.maximiert);
    EXPECT_EQ(im.seiten, 1);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(fenster->IsAvailable());
}

TEST_F(BerichtBefehl, TheCloseBoxBringsTheWindowBackToo)
{
    Oeffne();
    fenster->showMaximized();
    ImFenster im;
    modal.Queue(QStringLiteral("reportFrame"), Vorschau(im, [](QDialog& frame) { frame.close(); }));
    Knopf("buttonStatistik")->click();
    ASSERT_TRUE(im.gelaufen);
    EXPECT_FALSE(im.hauptfensterSichtbar);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(fenster->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(fenster->IsAvailable());
}

TEST_F(BerichtBefehl, CancellingThePendingBookingOpensNothing)
{
    Oeffne();
    Knopf("buttonNeu")->click();
    PickInOpenList(fenster->Eingabe(), "Verk");
    TypeInto(fenster->Eingabe(), 1, 4, QStringLiteral("5"));
    ASSERT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    messages.Queue(UserMessages::Answer::Cancel);
    Aktion("actionKassenbericht")->trigger();
    EXPECT_EQ(modal.Count(), 0u);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(fenster->IsAvailable());
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    EXPECT_EQ(messages.Count(), 1u);
    fenster->SettlePendingEntry(SettleMode::Discard, false);
}

TEST_F(BerichtBefehl, MonthlyOverviewOfTheSelectedMonth)
{
    Oeffne();
    bool verfuegbar = true;
    QString titel;
    std::string kasse;
    modal.Queue(QStringLiteral("monatsUebersichtDlg"), [&](QDialog& dlg) {
        verfuegbar = fenster->IsAvailable();
        titel = dlg.findChild<QLabel*>(QStringLiteral("labelTitel"))->text();
        kasse = dlg.findChild<CGridCtrl*>(QStringLiteral("gridMonatsuebersicht"))->GetItemText(9, 4);
        dlg.findChild<QPushButton*>(QStringLiteral("buttonSchliessen"))->click();
        return dlg.result();
    });
    Knopf("buttonMonatsuebersicht")->click();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Calls()[0].title, QString::fromUtf8("Kassen-Monatsübersicht"));
    EXPECT_EQ(modal.Calls()[0].result, QDialog::Accepted);
    EXPECT_FALSE(verfuegbar);
    EXPECT_TRUE(fenster->IsAvailable());
    EXPECT_EQ(titel, QString::fromUtf8("März 2004 - POS-Kasse"));
    EXPECT_EQ(kasse, "3,00");   // 5,00 in on the 2nd, 2,00 out on the 9th
}
