// Starting and ending the program as main() does: the settings file that
// must be there, the VAT-rate file that must be there, the file named on
// the command line, the settings and the cash book written at the end, and
// the fatal-error box that ends the program without saving.
#include "app/CKassenbuchApp.h"

#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedModalDialogs.h"
#include "platform/ScriptedTrayIcon.h"
#include "platform/ScriptedUserMessages.h"
#include "storage/CKassenbuch.h"
#include "storage/CSettings.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <csignal>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class Start : public ::testing::Test {
protected:
    Start() : ordner(temp.path().toStdString()) {}

    void LegeOrdnerAn(bool mitSteuersaetzen = true)
    {
        const fs::path data = fs::path(KUVEX_SOURCE_DIR) / "data";
        fs::copy_file(data / "settings.xml", ordner / "settings.xml");
        fs::copy_file(data / "laender.xml", ordner / "laender.xml");
        if (mitSteuersaetzen)
            fs::copy_file(data / "steuersaetze.xml", ordner / "steuersaetze.xml");
    }
    std::string LegeKasseAn(const std::string& name)
    {
        ScriptedUserMessages still;
        CKassenbuch kasse(still);
        const std::string path = (ordner / name).string();
        EXPECT_TRUE(kasse.New(path));
        kasse.GetFirma()->SetKurzbezeichnung("Kiosk");
        EXPECT_TRUE(kasse.Save());
        return path;
    }
    int Buchungen(const std::string& path)
    {
        ScriptedUserMessages still;
        CKassenbuch kasse(still);
        return kasse.Open(path) ? kasse.GetBuchungen()->GetCount() : -1;
    }

    // Its own socket, no picture, nothing written into the desktop.
    CKassenbuchApp::Optionen Optionen() const
    {
        return {.kanal = temp.path() + QStringLiteral("/kanal"), .splashMs = 0, .dateiTyp = false};
    }

    QTemporaryDir temp;
    fs::path ordner;
    ScriptedUserMessages messages;
    ScriptedFileDialogs dialogs;
    ScriptedModalDialogs modal;
    ScriptedTrayIcon tray;
};

} // namespace

TEST_F(Start, WithoutSettingsFileTheProgramEndsWithItsMessage)
{
    CKassenbuchApp app(ordner, messages, dialogs, modal, tray, Optionen());
    EXPECT_FALSE(app.Start({}, false));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Die Einstellungsdatei (settings.xml) wurde nicht gefunden");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Error);
    EXPECT_EQ(app.Window(), nullptr);
    app.Finish();
    EXPECT_FALSE(fs::exists(ordner / "settings.xml"));
}

TEST_F(Start, WithoutVatRateFileTheProgramEndsNamingIt)
{
    LegeOrdnerAn(false);
    CKassenbuchApp app(ordner, messages, dialogs, modal, tray, Optionen());
    EXPECT_FALSE(app.Start({}, false));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "steuersaetze.xml nicht gefunden. Das Programm wird beendet.");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Error);
    EXPECT_EQ(app.Window(), nullptr);
    app.Finish();
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(Start, OpensTheFileArgumentAndWritesSettingsAndCashBookAtTheEnd)
{
    LegeOrdnerAn();
    const std::string kasse = LegeKasseAn("Kiosk.kbx");
    {
        CKassenbuchApp app(ordner, messages, dialogs, modal, tray, Optionen());
        ASSERT_TRUE(app.Start({QString::fromStdString(kasse)}, false));
        EXPECT_EQ(app.Window()->windowTitle(), "Kuvex - Kiosk <Kiosk.kbx>");
        app.Window()->GetBuchungen()->AddItem();
        app.Finish();
    }
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(Buchungen(kasse), 1);
    // The history reached the disk: a second start opens the file itself.
    ScriptedUserMessages still;
    CSettings settings(ordner, still);
    ASSERT_TRUE(settings.Load());
    EXPECT_EQ(settings.GetHistoryEntry(0), kasse);
    CKassenbuchApp zweite(ordner, messages, dialogs, modal, tray, Optionen());
    ASSERT_TRUE(zweite.Start({}, false));
    EXPECT_EQ(zweite.Window()->windowTitle(), "Kuvex - Kiosk <Kiosk.kbx>");
    zweite.Finish();
}

TEST_F(Start, EndingWhileHiddenInTheTrayEndsTheEventLoopAndSavesTheBooking)
{
    LegeOrdnerAn();
    const std::string kasse = LegeKasseAn("Kiosk.kbx");
    const std::vector<std::function<void()>> enden = {
        [&] { tray.OpenMenu()->findChild<QAction*>(QStringLiteral("trayBeenden"))->trigger(); },
        [] { std::raise(SIGTERM); },
    };
    for (std::size_t i = 0; i < enden.size(); ++i) {
        CKassenbuchApp app(ordner, messages, dialogs, modal, tray, Optionen());
        ASSERT_TRUE(app.Start({QString::fromStdString(kasse), QStringLiteral("/hide")}));
        QTRY_VERIFY(!app.Window()->isVisible());
        app.Window()->GetBuchungen()->AddItem();
        QTimer frist;
        QObject::connect(&frist, &QTimer::timeout, [] { QCoreApplication::exit(2); });
        frist.start(5000);
        QTimer::singleShot(0, enden[i]);
        EXPECT_EQ(QCoreApplication::exec(), 0) << i;
        app.Finish();
        EXPECT_EQ(Buchungen(kasse), static_cast<int>(i) + 1);
    }
}

TEST_F(Start, FatalErrorKeepsTheCashBookAndRescuesTheBookingsBesideIt)
{
    LegeOrdnerAn();
    const std::string kasse = LegeKasseAn("Kiosk.kbx");
    // An earlier rescue is never overwritten: this one gets a number.
    std::ofstream(ordner / "Kiosk.rettung.kbx") << "alt";
    CKassenbuchApp app(ordner, messages, dialogs, modal, tray, Optionen());
    ASSERT_TRUE(app.Start({QString::fromStdString(kasse)}, false));
    app.Window()->GetBuchungen()->AddItem();
    app.Fatal("Ung\xFCltige Datei");
    const std::string rettung = (ordner / "Kiosk.rettung.2.kbx").string();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Ein schwerwiegender Fehler ist aufgetreten. Das Programm wird beendet.\n"
                                    "Ung\xFCltige Datei\nDie Buchungen wurden gesichert in: " + rettung);
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Error);
    app.Finish();
    EXPECT_EQ(Buchungen(kasse), 0);
    EXPECT_EQ(Buchungen(rettung), 1);
    std::ifstream alt(ordner / "Kiosk.rettung.kbx");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(alt), {}), "alt");
}

TEST_F(Start, FatalErrorWithoutCashBookOrTextShowsTheFirstLineOnly)
{
    LegeOrdnerAn();
    CKassenbuchApp app(ordner, messages, dialogs, modal, tray, Optionen());
    ASSERT_TRUE(app.Start({}, false));
    app.Fatal("");
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Ein schwerwiegender Fehler ist aufgetreten. Das Programm wird beendet.");
    app.Finish();
}

TEST_F(Start, ASecondStartHandsItsFileToTheRunningProgramAndEndsWithStatusZero)
{
    LegeOrdnerAn();
    const std::string laden = LegeKasseAn("Laden.kbx");
    const std::string kiosk = LegeKasseAn("Kiosk2.kbx");
    CKassenbuchApp erste(ordner, messages, dialogs, modal, tray, Optionen());
    ASSERT_TRUE(erste.Start({QString::fromStdString(laden)}, false));
    ScriptedUserMessages zweitMeldungen;
    CKassenbuchApp zweite(ordner, zweitMeldungen, dialogs, modal, tray, Optionen());
    EXPECT_FALSE(zweite.Start({QStringLiteral("--no-splash"), QString::fromStdString(kiosk)}, false));
    EXPECT_EQ(zweite.EndStatus(), 0);
    EXPECT_EQ(zweite.Window(), nullptr);
    QTRY_COMPARE(erste.Window()->windowTitle(), QStringLiteral("Kuvex - Kiosk <Kiosk2.kbx>"));
    EXPECT_TRUE(erste.Window()->isVisible());
    EXPECT_EQ(zweitMeldungen.Count(), 0u);
    erste.Finish();
}

TEST_F(Start, TheStartUpPictureComesFromTheProgramFolderWhateverTheCurrentFolder)
{
    const fs::path bild = fs::path(KUVEX_SOURCE_DIR) / "data" / "Splash.bmp";
    const fs::path vorher = fs::current_path();
    fs::current_path(ordner);
    CSplashWnd fehlt(ordner / "Splash.bmp");
    EXPECT_FALSE(fehlt.HasPicture());
    fs::current_path(vorher);
    CSplashWnd splash(bild);
    ASSERT_TRUE(splash.HasPicture());
    // Grey 128 is see-through: the corners are cut out of the window.
    EXPECT_FALSE(splash.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(splash.mask().contains(QPoint(splash.width() / 2, splash.height() / 2)));
    QElapsedTimer uhr;
    uhr.start();
    splash.Zeige();
    EXPECT_TRUE(splash.isVisible());
    splash.WarteUndSchliesse(50);
    EXPECT_GE(uhr.elapsed(), 50);
    EXPECT_FALSE(splash.isVisible());
}
