// The window's behaviours as the user meets them: the "&Einstellungen"
// toggles taking effect (on top, autostart entry), the close box hiding
// into the tray or ending the program, the tray icon's double-click and
// menu, hiding refused while a dialog is open, "/hide", a second start
// waking the window, autosave, the logo, help on F1 and the Info dialog.
#include "HauptfensterTestBasis.h"

#include "core/CBuchungen.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "mainwindow/CLogo.h"
#include "platform/CHilfeFenster.h"
#include "storage/CSettings.h"

#include <QAction>
#include <QImageReader>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QUrl>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace hauptfenster;

namespace {

namespace fs = std::filesystem;

// Receives the links the program hands to the desktop.
class LinkFaenger : public QObject {
    Q_OBJECT
public:
    QStringList links;
public slots:
    void Oeffne(const QUrl& url) { links << url.toString(); }
};

class FensterVerhalten : public HauptfensterTest {
protected:
    FensterVerhalten()
    {
        alteKonfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp.path() + QStringLiteral("/config")));
    }
    ~FensterVerhalten() override { qputenv("XDG_CONFIG_HOME", alteKonfig); }

    void OeffneLaden()
    {
        laden = LegeKasseAn("Laden.kbx", {});
        Start();
        fenster->show();
        fenster->ProcessCommandLine({QString::fromStdString(laden)});
    }
    std::string Autostart() const
    {
        std::ifstream in(fs::path(temp.path().toStdString()) / "config" / "autostart" / "kuvex.desktop");
        std::string zeile;
        while (std::getline(in, zeile))
            if (zeile.rfind("Exec=", 0) == 0)
                return zeile;
        return "(none)";
    }
    QAction* Tray(const char* name) { return tray.OpenMenu()->findChild<QAction*>(QString::fromLatin1(name)); }
    bool Versteckt() const { return fenster->Verhalten().IsHidden(); }

    QByteArray alteKonfig;
    std::string laden;
};

TEST_F(FensterVerhalten, StayOnTopFollowsItsToggleAndKeepsTheWindowWhereItWas)
{
    OeffneLaden();
    fenster->setGeometry(100, 80, 900, 640);
    const QRect vorher = fenster->geometry();
    Aktion("actionStayOnTop")->trigger();
    EXPECT_TRUE(settings->GetStayOnTop());
    EXPECT_TRUE(Aktion("actionStayOnTop")->isChecked());
    EXPECT_TRUE(fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->geometry(), vorher);
    Aktion("actionStayOnTop")->trigger();
    EXPECT_FALSE(fenster->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(FensterVerhalten, AutostartEntryHoldsTheQuotedPathAndHideAsCloseToTrayWasWhenWritten)
{
    OeffneLaden();
    const std::string programm = "Exec=\"" + QCoreApplication::applicationFilePath().toStdString() + "\"";
    Aktion("actionAutostart")->trigger();
    EXPECT_TRUE(settings->GetAutostart());
    EXPECT_EQ(Autostart(), programm);
    Aktion("actionAutostart")->trigger();
    EXPECT_EQ(Autostart(), "(none)");

    Aktion("actionCloseToTray")->trigger();
    Aktion("actionAutostart")->trigger();
    EXPECT_EQ(Autostart(), programm + " /hide");
    // Switching close-to-tray off later leaves the entry as it was written.
    Aktion("actionCloseToTray")->trigger();
    EXPECT_FALSE(settings->GetCloseToTray());
    EXPECT_EQ(Autostart(), programm + " /hide");
}

TEST_F(FensterVerhalten, CloseBoxHidesIntoTheTrayOnlyWithCloseToTray)
{
    OeffneLaden();
    EXPECT_TRUE(tray.IsShown());
    EXPECT_EQ(tray.Tip(), "Kuvex - das Kassenbuch");
    EXPECT_TRUE(fenster->close());
    EXPECT_FALSE(Versteckt());

    fenster->show();
    Aktion("actionCloseToTray")->trigger();
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(Versteckt());
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_NE(fenster->GetBuchungen(), nullptr);

    // "&Beenden" (here from the tray menu) really closes the window.
    fenster->Verhalten().Zeigen();
    Tray("trayBeenden")->trigger();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_FALSE(Versteckt());
}

TEST_F(FensterVerhalten, WithoutATrayHidingMinimisesInstead)
{
    tray.SetAvailable(false);
    OeffneLaden();
    Aktion("actionCloseToTray")->trigger();
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(Versteckt());
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(fenster->isMinimized());
    fenster->Verhalten().Zeigen();
    EXPECT_FALSE(fenster->isMinimized());
    EXPECT_FALSE(Versteckt());
}

TEST_F(FensterVerhalten, DoubleClickAlternatesAndAnzeigenKeepsTheHiddenFlag)
{
    OeffneLaden();
    tray.DoubleClick();
    EXPECT_TRUE(Versteckt());
    tray.DoubleClick();
    EXPECT_FALSE(Versteckt());
    EXPECT_TRUE(fenster->isVisible());

    tray.DoubleClick();
    Tray("trayAnzeigen")->trigger();
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(Versteckt());
    // So the next double-click shows (restores) the window instead of hiding it.
    tray.DoubleClick();
    EXPECT_FALSE(Versteckt());
    EXPECT_TRUE(fenster->isVisible());
}

TEST_F(FensterVerhalten, WhileADialogIsOpenTheTrayNeitherHidesNorOffersOpenAndQuit)
{
    OeffneLaden();
    bool oeffnen = true, beenden = true, versteckt = true;
    modal.Queue(QStringLiteral("infoDlg"), [&](QDialog&) {
        tray.DoubleClick();
        versteckt = Versteckt();
        oeffnen = Tray("trayOeffnen")->isEnabled();
        beenden = Tray("trayBeenden")->isEnabled();
        return int(QDialog::Accepted);
    });
    Tray("trayInfo")->trigger();
    EXPECT_EQ(modal.Count(), 1u);
    EXPECT_FALSE(versteckt);
    EXPECT_FALSE(oeffnen);
    EXPECT_FALSE(beenden);
    EXPECT_TRUE(Tray("trayOeffnen")->isEnabled());
    EXPECT_TRUE(fenster->IsAvailable());
}

TEST_F(FensterVerhalten, HideSwitchHidesAfterTheFileIsOpen)
{
    laden = LegeKasseAn("Laden.kbx", {});
    Start();
    fenster->show();
    fenster->ProcessCommandLine({QStringLiteral("/hide"), QString::fromStdString(laden)});
    EXPECT_FALSE(Versteckt());
    QTRY_VERIFY(Versteckt());
    EXPECT_NE(fenster->GetBuchungen(), nullptr);
    EXPECT_FALSE(fenster->isVisible());
}

TEST_F(FensterVerhalten, WakeUpShowsAndWithAFileSavesTheOpenOneFirst)
{
    OeffneLaden();
    const std::string andere = LegeKasseAn("Andere.kbx", {}, "Kiosk");
    tray.DoubleClick();
    fenster->GetBuchungen()->AddItem();
    fenster->Aufwecken(1, andere);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(Titel(), "Kuvex - Laden <Laden.kbx>");
    // While a dialog works on the open cash book it is not pulled away.
    messages.Queue(UserMessages::Answer::Ok);
    modal.Queue(QStringLiteral("infoDlg"), [&](QDialog&) {
        fenster->Aufwecken(3, andere);
        return int(QDialog::Accepted);
    });
    Aktion("actionInfo")->trigger();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, CKassenbuchDlg::DialogOffen);
    EXPECT_EQ(Titel(), "Kuvex - Laden <Laden.kbx>");
    fenster->Aufwecken(3, andere);
    EXPECT_EQ(Titel(), "Kuvex - Kiosk <Andere.kbx>");
    ScriptedUserMessages still;
    CKassenbuch alte(still);
    ASSERT_TRUE(alte.Open(laden));
    EXPECT_EQ(alte.GetBuchungen()->GetCount(), 1);
}

TEST_F(FensterVerhalten, AnOpenHelpWindowHidesAndComesBackWithTheWindow)
{
    OeffneLaden();
    fenster->Hilfe(1);
    const QPointer<CHilfeFenster> hilfe = fenster->HilfeFenster();
    ASSERT_TRUE(hilfe && hilfe->isVisible());
    // Back by a double-click on the icon, then by the tray's "Anzeigen".
    for (const char* zurueck : {"doppelklick", "trayAnzeigen"}) {
        tray.DoubleClick();
        EXPECT_FALSE(fenster->isVisible());
        EXPECT_FALSE(hilfe->isVisible()) << zurueck;
        if (std::strcmp(zurueck, "doppelklick") == 0)
            tray.DoubleClick();
        else
            Tray(zurueck)->trigger();
        EXPECT_TRUE(fenster->isVisible());
        EXPECT_TRUE(hilfe->isVisible()) << zurueck;
    }
}

TEST_F(FensterVerhalten, AutosaveRewritesAnUnchangedCashBookAndWithoutOneDoesNothing)
{
    OeffneLaden();
    Aktion("actionAutosave")->trigger();
    struct stat vorher {};
    ASSERT_EQ(stat(laden.c_str(), &vorher), 0);
    fenster->Steuerung().AutosaveTick();
    struct stat nachher {};
    ASSERT_EQ(stat(laden.c_str(), &nachher), 0);
    // A save replaces the file by a new one.
    EXPECT_NE(vorher.st_ino, nachher.st_ino);

    Aktion("actionSchliessen")->trigger();
    ASSERT_EQ(stat(laden.c_str(), &vorher), 0);
    fenster->Steuerung().AutosaveTick();
    ASSERT_EQ(stat(laden.c_str(), &nachher), 0);
    EXPECT_EQ(vorher.st_ino, nachher.st_ino);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(FensterVerhalten, LogoShowsTheHandAndOpensTheLinkOfTheSettings)
{
    LegeProgrammOrdnerAn(ordner);
    fs::copy_file(fs::path(KUVEX_SOURCE_DIR) / "data" / "logo.gif", ordner / "logo.gif");
    std::string text;
    {
        std::ifstream in(ordner / "settings.xml");
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    text.replace(text.find("</Settings>\n"), 0, "\t<Logo>\n\t\t<Link>https://kuvex.example/laden</Link>\n\t</Logo>\n");
    std::ofstream(ordner / "settings.xml") << text;
    LinkFaenger faenger;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &faenger, "Oeffne");
    OeffneLaden();
    auto* logo = fenster->findChild<CLogo*>(QStringLiteral("logo"));
    ASSERT_NE(logo, nullptr);
    EXPECT_NE(logo->movie(), nullptr);
    // The whole picture, not what the row of buttons leaves of it.
    EXPECT_EQ(logo->size(), QImageReader(QString::fromStdString((ordner / "logo.gif").string())).size());
    EXPECT_EQ(logo->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(logo, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(faenger.links, QStringList{QStringLiteral("https://kuvex.example/laden")});
}

TEST_F(FensterVerhalten, F1OpensTheHelpAtTheMainWindowsTopic)
{
    OeffneLaden();
    fs::create_directory(ordner / "hilfe");
    for (const char* seite : {"index.html", "hauptfenster.html"})
        fs::copy_file(fs::path(KUVEX_SOURCE_DIR) / "data" / "hilfe" / seite, ordner / "hilfe" / seite);
    QTest::keyClick(fenster.get(), Qt::Key_F1);
    CHilfeFenster* hilfe = fenster->HilfeFenster();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->isVisible());
    EXPECT_EQ(hilfe->AktuelleSeite(), "hauptfenster.html");
}

TEST_F(FensterVerhalten, InfoShowsProductVersionAndBlueLinks)
{
    OeffneLaden();
    QStringList texte;
    modal.Queue(QStringLiteral("infoDlg"), [&](QDialog& dlg) {
        texte << dlg.windowTitle();
        for (const char* name : {"infoName", "infoVersion", "infoWeb", "infoMail"})
            if (auto* label = dlg.findChild<QLabel*>(QString::fromLatin1(name)))
                texte << label->text();
        return int(QDialog::Accepted);
    });
    Aktion("actionInfo")->trigger();
    ASSERT_EQ(texte.size(), 5);
    EXPECT_EQ(texte[0], "Info");
    EXPECT_EQ(texte[1], "Kuvex - das Kassenbuch");
    EXPECT_TRUE(texte[2].startsWith("Version ")) << texte[2].toStdString();
    EXPECT_TRUE(texte[3].contains("href=\"https://kuvex.example/\"") && texte[3].contains("color:#0000ff"));
    EXPECT_TRUE(texte[4].contains("href=\"mailto:support@kuvex.example\"") && texte[4].contains("underline"));
}

} // namespace

#include "FensterVerhaltenTest.moc"
