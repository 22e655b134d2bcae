// The file flows of the main window with the file-dialog double: new, open,
// save, save as, close, the recent files, the command line, the autosave
// tick and the save at the end; the title, the history and the enabling
// that follow each of them.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "mainwindow/CHauptfensterAktionen.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "storage/CKassenbuch.h"
#include "storage/CSettings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <fstream>
#include <iterator>

using namespace hauptfenster;

namespace {

const char* const kLadeFehler = "Fehler beim Laden der Datei";

class DateiFluss : public HauptfensterTest {
protected:
    // Number of bookings in the file on disk.
    int BuchungenAufPlatte(const std::string& path)
    {
        ScriptedUserMessages still;
        CKassenbuch kasse(still);
        if (!kasse.Open(path))
            return -1;
        return kasse.GetBuchungen()->GetCount();
    }
    static std::string Inhalt(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void BucheImSpeicher()
    {
        CBuchungen* journal = fenster->GetBuchungen();
        ASSERT_NE(journal, nullptr);
        const int i = journal->AddItem();
        journal->GetItem(i).Datum = CDatum::FromYMD(2004, 3, 15);
        journal->GetItem(journal->AddLine(i), 0);
    }
    // The enabling of a window with (true) or without (false) a cash book.
    void ErwarteFreigabe(bool offen)
    {
        for (const char* name : {"actionExport", "actionBelegtexte", "actionUmsatzsteuer", "actionFirma",
                                 "actionKassenbericht", "actionStatistik", "actionSchliessen",
                                 "actionSpeichernUnter"})
            EXPECT_EQ(Aktion(name)->isEnabled(), offen) << name;
        for (const char* name : {"buttonKassenbericht", "buttonStatistik", "buttonMonatsuebersicht",
                                 "buttonLoeschen", "buttonNeu"})
            EXPECT_EQ(Knopf(name)->isEnabled(), offen) << name;
        EXPECT_EQ(fenster->findChild<QRadioButton*>("radioMonatlich")->isEnabled(), offen);
        EXPECT_EQ(fenster->DatumAuswahl()->IsLoaded(), offen);
        // Never without a change to save; always there to start or leave.
        EXPECT_FALSE(Aktion("actionSpeichern")->isEnabled());
        for (const char* name : {"actionNeu", "actionOeffnen", "actionBeenden", "actionHilfe", "actionInfo"})
            EXPECT_TRUE(Aktion(name)->isEnabled()) << name;
        EXPECT_FALSE(Knopf("buttonSpeichern")->isEnabled());
        EXPECT_FALSE(Knopf("buttonAbbrechen")->isEnabled());
    }
};

} // namespace

TEST_F(DateiFluss, MenusHoldTheirCommandsWithGermanTextsAndShortcuts)
{
    Start();
    const QMenu* datei = fenster->findChild<QMenu*>("menuDatei");
    ASSERT_NE(datei, nullptr);
    QStringList texte;
    for (QAction* a : datei->actions())
        texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(texte, QStringList({"&Neu...\tStrg+N", "&Öffnen...\tStrg+O", "&Speichern\tStrg+S",
                                  "Speichern &unter...", "S&chließen\tStrg+W", "-", "&Export...", "-", "-",
                                  "&Beenden"}));
    EXPECT_EQ(Aktion("actionFirma")->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(Aktion("actionBelegtexte")->text(), "&Belegstexte...\tStrg+B");
    EXPECT_EQ(Aktion("actionUmsatzsteuer")->shortcut(), QKeySequence("Ctrl+U"));
    EXPECT_EQ(Aktion("actionWarnNegative")->text(), "&Kassennegativprüfung");
    EXPECT_TRUE(Aktion("actionAutosave")->isCheckable());
    QStringList menus;
    for (const char* m : {"menuDatei", "menuStammdaten", "menuAuswertungen", "menuEinstellungen", "menuHilfe"})
        menus << fenster->findChild<QMenu*>(QString::fromLatin1(m))->title();
    EXPECT_EQ(menus, QStringList({"&Datei", "&Stammdaten", "&Auswertungen", "&Einstellungen", "&?"}));
}

TEST_F(DateiFluss, NewCashBookIsNamedInTheTitleAndHistory)
{
    Start();
    fenster->ProcessCommandLine({});
    ErwarteFreigabe(false);

    dialogs.Queue(QString());  // cancelled: nothing happens
    Aktion("actionNeu")->trigger();
    EXPECT_EQ(Titel(), "Kuvex");

    const std::string neu = Pfad("Kassen/Neu.kbx");
    dialogs.Queue(QString::fromStdString(neu));
    // The company data are asked for at once; the user leaves them for later.
    modal.QueueReject(QStringLiteral("firmenverwaltungDlg"));
    Aktion("actionNeu")->trigger();
    EXPECT_EQ(modal.Count(), 1u);
    ASSERT_EQ(dialogs.Count(), 2u);
    EXPECT_EQ(dialogs.Last().kind, ScriptedFileDialogs::Kind::Save);
    EXPECT_EQ(dialogs.Last().startFolder.toStdString(), Pfad("Kassen"));
    EXPECT_EQ(Titel(), "Kuvex -  <Neu.kbx>");
    EXPECT_EQ(settings->GetHistoryEntry(0), neu);
    EXPECT_EQ(fenster->Aktionen().Recent(0)->text().toStdString(), "&1 " + neu);
    ErwarteFreigabe(true);
    EXPECT_EQ(fenster->findChild<QLabel*>("labelWaehrung0")->text(), "EUR");
    EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 0);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(DateiFluss, NewRefusedForALockedNameLeavesNoCashBookOpen)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {});
    const std::string belegt = Pfad("Kassen/Belegt.kbx");
    // Another program has the chosen name open.
    ScriptedUserMessages still;
    CKassenbuch andere(still);
    ASSERT_TRUE(andere.New(belegt));

    Start();
    fenster->ProcessCommandLine({QString::fromStdString(laden)});
    ASSERT_EQ(Titel(), "Kuvex - Laden <Laden.kbx>");
    BucheImSpeicher();
    dialogs.Queue(QString::fromStdString(belegt));
    Aktion("actionNeu")->trigger();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, CKassenbuch::kDateiGesperrt);
    // The old cash book was saved on the way out and is no longer open:
    // nothing stays loaded behind a window whose commands are all off.
    EXPECT_EQ(BuchungenAufPlatte(laden), 1);
    EXPECT_EQ(fenster->GetBuchungen(), nullptr);
    EXPECT_EQ(Titel(), "Kuvex");
    EXPECT_EQ(fenster->findChild<QLabel*>("labelWaehrung0")->text(), "-");
    EXPECT_EQ(fenster->Liste().GetRowCount(), 1);
    ErwarteFreigabe(false);
    EXPECT_EQ(settings->GetHistoryEntry(0), laden);
}

TEST_F(DateiFluss, ARelativeNameFromTheCommandLineEntersTheHistoryAsTheFullPath)
{
    const std::filesystem::path vorher = std::filesystem::current_path();
    Start();
    for (const char* name : {"A.kbx", "./B.kbx", "Backup/../C.kbx"}) {
        const std::string kasse = LegeKasseAn(std::filesystem::path(name).filename().string(), {});
        std::filesystem::create_directories(std::filesystem::path(kasse).parent_path() / "Backup");
        std::filesystem::current_path(std::filesystem::path(kasse).parent_path());
        fenster->ProcessCommandLine({QString::fromLatin1(name)});
        std::filesystem::current_path(vorher);
        EXPECT_EQ(settings->GetHistoryEntry(0), kasse) << name;
        for (int i = 1; i < 4; ++i)
            EXPECT_NE(settings->GetHistoryEntry(i), name);
    }
}

TEST_F(DateiFluss, OpenMakesBackupsStartsAutosaveAndNamesTheCompany)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 15), CBetrag(10000), {}}},
                                          "B\xE4" "ckerei");
    Start();
    fenster->ProcessCommandLine({});
    dialogs.Queue(QString::fromStdString(laden));
    Aktion("actionOeffnen")->trigger();
    ASSERT_EQ(dialogs.Count(), 1u);
    EXPECT_EQ(dialogs.Last().kind, ScriptedFileDialogs::Kind::Open);
    EXPECT_EQ(Titel(), QStringLiteral("Kuvex - Bäckerei <Laden.kbx>"));
    EXPECT_TRUE(std::filesystem::exists(ordner / "Backup" / "Laden.daily.bak"));
    EXPECT_TRUE(std::filesystem::exists(ordner / "Backup" / "Laden.weekly.bak"));
    QTimer* timer = fenster->Steuerung().AutosaveTimer();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 120000);
    EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 1);
    ErwarteFreigabe(true);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(DateiFluss, DamagedOrMissingFileLeavesNoCashBookOpen)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {});
    {
        std::ofstream kaputt(Pfad("Kaputt.kbx"), std::ios::binary);
        kaputt << "kein ZIP";
    }
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(laden)});
    ASSERT_EQ(Titel(), "Kuvex - Laden <Laden.kbx>");

    dialogs.Queue(QString::fromStdString(Pfad("Kaputt.kbx")));
    Aktion("actionOeffnen")->trigger();
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kLadeFehler);
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Error);
    EXPECT_EQ(Titel(), "Kuvex");
    EXPECT_EQ(fenster->GetBuchungen(), nullptr);
    ErwarteFreigabe(false);
    // The damaged file is not in the history; the good one still is.
    EXPECT_EQ(settings->GetHistoryEntry(0), laden);
}

TEST_F(DateiFluss, SaveClearsTheModifiedFlagAndSaveAsMovesToTheNewName)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {});
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(laden)});
    BucheImSpeicher();
    fenster->Steuerung().SetModified(true);
    EXPECT_TRUE(Aktion("actionSpeichern")->isEnabled());
    Aktion("actionSpeichern")->trigger();
    EXPECT_FALSE(Aktion("actionSpeichern")->isEnabled());
    EXPECT_FALSE(fenster->Steuerung().IsModified());

    const std::string kopie = Pfad("Kassen/Kopie.kbx");
    dialogs.Queue(QString::fromStdString(kopie));
    Aktion("actionSpeichernUnter")->trigger();
    EXPECT_EQ(dialogs.Last().initialName.toStdString(), laden);
    EXPECT_EQ(Titel(), "Kuvex - Laden <Kopie.kbx>");
    EXPECT_EQ(settings->GetHistoryEntry(0), kopie);
    EXPECT_EQ(settings->GetHistoryEntry(1), laden);
    EXPECT_EQ(fenster->Aktionen().Recent(1)->text().toStdString(), "&2 " + laden);

    Aktion("actionSchliessen")->trigger();
    EXPECT_EQ(BuchungenAufPlatte(laden), 1);
    EXPECT_EQ(BuchungenAufPlatte(kopie), 1);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(DateiFluss, FailedSaveAsKeepsSavingToTheOpenFile)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {});
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(laden)});
    BucheImSpeicher();
    // A folder that does not exist: nothing can be written there.
    dialogs.Queue(QString::fromStdString(Pfad("Fehlt/Kopie.kbx")));
    Aktion("actionSpeichernUnter")->trigger();
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_EQ(messages.Boxes().front().text, "Fehler beim Anlegen der Datei " + Pfad("Fehlt/Kopie.kbx"));
    EXPECT_EQ(Titel(), "Kuvex - Laden <Laden.kbx>");
    EXPECT_EQ(fenster->Steuerung().Dokument().GetFileName(), laden);
    EXPECT_EQ(settings->GetHistoryEntry(0), laden);
    const std::size_t boxes = messages.Count();
    // The booking reaches the cash book on the way out.
    Aktion("actionSchliessen")->trigger();
    EXPECT_EQ(messages.Count(), boxes);
    EXPECT_EQ(Titel(), "Kuvex");
    EXPECT_EQ(BuchungenAufPlatte(laden), 1);
}

TEST_F(DateiFluss, CloseSavesWithoutAskingAndEmptiesTheWindow)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 15), CBetrag(50000), {}}});
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(laden)});
    BucheImSpeicher();
    Aktion("actionSchliessen")->trigger();
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(Titel(), "Kuvex");
    EXPECT_EQ(fenster->findChild<QLabel*>("labelEinnahmen")->text(), "0,00");
    EXPECT_EQ(fenster->findChild<QLabel*>("labelWaehrung3")->text(), "-");
    EXPECT_EQ(fenster->Liste().GetRowCount(), 1);
    ErwarteFreigabe(false);
    EXPECT_EQ(BuchungenAufPlatte(laden), 2);
}

TEST_F(DateiFluss, RecentFilesOpenSkipTheOpenOneAndIgnoreMissingOnes)
{
    const std::string a = LegeKasseAn("A.kbx", {}, "Anna");
    const std::string b = LegeKasseAn("B.kbx", {}, "Berta");
    const std::string kaputt = Pfad("Kaputt.kbx");
    std::ofstream(kaputt, std::ios::binary) << "PK";
    history = {a, b, Pfad("Weg.kbx"), kaputt};
    Start();
    fenster->ProcessCommandLine({});  // the most recent entry: A
    ASSERT_EQ(Titel(), "Kuvex - Anna <A.kbx>");
    // The menu: items 8 onwards of "&Datei", one per entry.
    const QList<QAction*> datei = fenster->findChild<QMenu*>("menuDatei")->actions();
    ASSERT_GE(datei.size(), 12);
    EXPECT_EQ(datei[8]->objectName(), "actionRecent0");
    EXPECT_EQ(datei[9]->text().toStdString(), "&2 " + b);
    EXPECT_EQ(datei[11]->objectName(), "actionRecent3");

    // The open file again: no save, no reload.
    BucheImSpeicher();
    const auto stand = std::filesystem::last_write_time(a);
    Aktion("actionRecent0")->trigger();
    EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 1);
    EXPECT_EQ(std::filesystem::last_write_time(a), stand);

    // A missing file: nothing at all.
    Aktion("actionRecent2")->trigger();
    EXPECT_EQ(Titel(), "Kuvex - Anna <A.kbx>");
    EXPECT_EQ(messages.Count(), 0u);

    // Another one: A is saved on the way.
    Aktion("actionRecent1")->trigger();
    EXPECT_EQ(Titel(), "Kuvex - Berta <B.kbx>");
    EXPECT_EQ(settings->GetHistoryEntry(0), b);
    EXPECT_EQ(settings->GetHistoryEntry(1), a);
    EXPECT_EQ(fenster->Aktionen().Recent(0)->text().toStdString(), "&1 " + b);

    // A file that is there but no cash book.
    Aktion("actionRecent3")->trigger();
    // The archive reader may say why first; the window's message ends it.
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kLadeFehler);
    EXPECT_EQ(Titel(), "Kuvex");
    fenster.reset();
    EXPECT_EQ(BuchungenAufPlatte(a), 1);
}

TEST_F(DateiFluss, CommandLineOpensTheFirstExistingFileElseTheMostRecent)
{
    const std::string a = LegeKasseAn("A.kbx", {}, "Anna");
    const std::string b = LegeKasseAn("B.kbx", {}, "Berta");
    history = {a};
    Start();
    fenster->ProcessCommandLine({"/hide", QString::fromStdString(Pfad("Weg.kbx")), QString::fromStdString(b),
                                 QString::fromStdString(a)});
    EXPECT_EQ(Titel(), "Kuvex - Berta <B.kbx>");
    EXPECT_EQ(settings->GetHistoryEntry(0), b);
    EXPECT_EQ(settings->GetHistoryEntry(1), a);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(DateiFluss, AutosaveTickSavesOnlyWithItsOption)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {});
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(laden)});
    BucheImSpeicher();
    const std::string vorher = Inhalt(laden);
    fenster->Steuerung().AutosaveTick();
    EXPECT_EQ(Inhalt(laden), vorher);
    Aktion("actionAutosave")->trigger();
    EXPECT_TRUE(settings->GetAutosave());
    EXPECT_TRUE(Aktion("actionAutosave")->isChecked());
    // A booking being typed stays open through the periodic save.
    fenster->Eingabe().NewBooking();
    fenster->Steuerung().SetModified(true);
    fenster->Steuerung().AutosaveTick();
    EXPECT_NE(Inhalt(laden), vorher);
    EXPECT_FALSE(fenster->Steuerung().IsModified());
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(messages.Count(), 0u);
    fenster->Eingabe().Finish(nullptr);
    Aktion("actionSchliessen")->trigger();
    EXPECT_EQ(BuchungenAufPlatte(laden), 1);
}

TEST_F(DateiFluss, EndingSavesTheOpenCashBookWithoutAQuestion)
{
    const std::string laden = LegeKasseAn("Laden.kbx", {});
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(laden)});
    BucheImSpeicher();
    BucheImSpeicher();
    fenster->close();
    fenster.reset();
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(BuchungenAufPlatte(laden), 2);
}
