// The report starter with the real dialog runner: the preview runs while
// the main window is hidden, and closing it by its close box brings the
// window back without ending the program.
#include "BerichtJournal.h"
#include "TestZugriff.h"

#include "platform/QtModalDialogs.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedUserMessages.h"
#include "reports/CReportStarter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

using namespace berichte;

TEST(ReportStarter, TheCloseBoxEndsThePreviewNotTheProgram)
{
    TestZugriff z;
    Buche(z.journal, Tag(2004, 3, 2), {"Verkauf", Eur(1)});
    QWidget fenster;
    fenster.show();
    bool letztesFenster = false;
    const auto verbindung = QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { letztesFenster = true; });
    bool versteckt = false;
    QString titel;
    QTimer::singleShot(50, [&] {
        QWidget* frame = QApplication::activeModalWidget();
        ASSERT_TRUE(frame);
        versteckt = fenster.isHidden();
        titel = frame->windowTitle();
        frame->close();
    });
    QtModalDialogs dialoge;
    ScriptedFileDialogs dateien;
    ScriptedUserMessages meldungen;
    // Inside the program's own event loop, as the window runs it.
    bool geoeffnet = false;
    QTimer::singleShot(0, [&] {
        geoeffnet = CReportStarter(CReportStarter::Bericht::Kassenbericht, z, dialoge, dateien, meldungen)
                        .Open(&fenster);
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    });
    QCoreApplication::exec();
    QObject::disconnect(verbindung);
    EXPECT_TRUE(geoeffnet);
    EXPECT_TRUE(versteckt);
    EXPECT_EQ(titel, "Druckmodul");
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_FALSE(letztesFenster);
}

TEST(ReportStarter, NothingToPrepareFromShowsNoPreview)
{
    TestZugriff z;
    z.mitJournal = false;
    QWidget fenster;
    fenster.show();
    QtModalDialogs dialoge;
    ScriptedFileDialogs dateien;
    ScriptedUserMessages meldungen;
    EXPECT_FALSE(CReportStarter(CReportStarter::Bericht::Statistik, z, dialoge, dateien, meldungen).Open(&fenster));
    EXPECT_TRUE(fenster.isVisible());
}
