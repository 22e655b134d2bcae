// The grids inside the real main window, driven as a user drives them:
// clicks on list rows, typing into the entry grid, Enter, Esc and the
// window's buttons, with the message and file-dialog doubles answering and
// the date selector's "today" pinned to 15 March 2004.
#include "GridTyping.h"
#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedModalDialogs.h"
#include "platform/ScriptedTrayIcon.h"
#include "platform/ScriptedUserMessages.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace gridtyping;
using A = UserMessages::Answer;

namespace {

const char* const kFrage = "Wollen Sie die aktuellen \xC4nderungen speichern?";

struct Vorgabe {
    int tag;
    const char* text;
    int einnahmeCent;
    int ausgabeCent;
};

class HauptfensterEingabe : public ::testing::Test {
protected:
    HauptfensterEingabe()
    {
        ordner = std::filesystem::path(temp.path().toStdString());
        messages.SetOnUnexpected([](const ScriptedUserMessages::Box& box) {
            ADD_FAILURE() << "unexpected question: " << box.text;
        });
    }
    ~HauptfensterEingabe() override { fenster.reset(); }

    // A program folder with the shipped data files and a cash book holding
    // these bookings of March 2004, opened in a new main window.
    void Oeffne(const std::vector<Vorgabe>& buchungen)
    {
        const std::filesystem::path data = std::filesystem::path(KUVEX_SOURCE_DIR) / "data";
        for (const char* file : {"steuersaetze.xml", "laender.xml"})
            std::filesystem::copy_file(data / file, ordner / file);
        std::ofstream(ordner / "settings.xml", std::ios::binary)
            << "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Settings>\n\t<Settings />\n"
               "\t<Paths>\n\t\t<Kassen>.</Kassen>\n\t\t<Backup>Backup</Backup>\n\t</Paths>\n"
               "\t<Files>\n\t\t<Laender>laender.xml</Laender>\n\t\t<Steuersatz>steuersaetze.xml</Steuersatz>\n"
               "\t</Files>\n\t<FileHistory />\n</Settings>\n";

        const std::string pfad = (ordner / "Laden.kbx").string();
        {
            ScriptedUserMessages still;
            CKassenbuch kasse(still);
            ASSERT_TRUE(kasse.New(pfad));
            CBuchungen& journal = *kasse.GetBuchungen();
            for (const Vorgabe& b : buchungen) {
                const int i = journal.AddItem();
                journal.GetItem(i).Datum = CDatum::FromYMD(2004, 3, b.tag);
                CBuchungszeile& z = journal.GetItem(i, journal.AddLine(i));
                z.Bezeichnung = b.text;
                z.Einnahme = CBetrag(std::int64_t{b.einnahmeCent} * 100);
                z.Ausgabe = CBetrag(std::int64_t{b.ausgabeCent} * 100);
                z.UStID = 200;
            }
            ASSERT_TRUE(kasse.Save());
        }
        sitzung = std::make_unique<CProgrammSitzung>(
            ordner, messages, [] { return CDatum::FromLocal(2004, 3, 15, 12, 0, 0).Seconds(); });
        ASSERT_TRUE(sitzung->Start());
        fenster = std::make_unique<CKassenbuchDlg>(*sitzung, messages, dialogs, modal, tray,
                                                   [] { return QDate(2004, 3, 15); });
        fenster->resize(1000, 700);
        fenster->show();
        fenster->ProcessCommandLine({QString::fromStdString(pfad)});
        ASSERT_NE(fenster->GetBuchungen(), nullptr);
    }

    CBuchungEingabe& Eingabe() const { return fenster->Eingabe(); }
    CBuchungListe& Liste() const { return fenster->Liste(); }
    const CBuchungen& Journal() const { return *fenster->GetBuchungen(); }
    QPushButton* Knopf(const char* name) const { return fenster->findChild<QPushButton*>(name); }

    void KlickeZeile(int row)
    {
        const QRect zelle = Liste().visualRect(Liste().model()->index(row, 2));
        ASSERT_TRUE(zelle.isValid()) << "row " << row << " is not on screen";
        QTest::mouseClick(Liste().viewport(), Qt::LeftButton, {}, zelle.center());
    }

    QTemporaryDir temp;
    std::filesystem::path ordner;
    ScriptedUserMessages messages;
    ScriptedFileDialogs dialogs;
    ScriptedModalDialogs modal;
    ScriptedTrayIcon tray;
    std::unique_ptr<CProgrammSitzung> sitzung;
    std::unique_ptr<CKassenbuchDlg> fenster;
};

} // namespace

TEST_F(HauptfensterEingabe, EnterOnACompleteBookingCommitsItAndOpensTheNext)
{
    Oeffne({});
    Knopf("buttonNeu")->click();
    ASSERT_EQ(Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(Eingabe().GetItemText(1, 0), "15");
    PickInOpenList(Eingabe(), "Verk", Qt::Key_Return);   // incomplete: on to the amount
    ASSERT_EQ(Eingabe().GetEditCell(), CCellID(1, 4));
    TypeIntoOpenEditor(Eingabe(), "12,34", Qt::Key_Return);

    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_EQ(Journal().GetCount(), 1);
    EXPECT_EQ(Journal().GetItem(0).Datum, CDatum::FromYMD(2004, 3, 15));
    EXPECT_EQ(Journal().GetItem(0, 0).Einnahme, CBetrag(123400));
    EXPECT_EQ(Liste().GetRowCount(), 2);
    EXPECT_EQ(Liste().GetItemText(1, 4), "12,34");
    // The next booking is open at once, on its receipt text.
    EXPECT_EQ(Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(Eingabe().GetRecordIndex(), -1);
    EXPECT_EQ(Eingabe().GetEditCell(), CCellID(1, 1));
    EXPECT_EQ(Eingabe().GetItemText(1, 1), "");
}

TEST_F(HauptfensterEingabe, MonthlyModePresetsTheDayOfTheBookingBefore)
{
    Oeffne({});
    fenster->findChild<QRadioButton*>("radioMonatlich")->click();
    Knopf("buttonNeu")->click();
    ASSERT_EQ(Eingabe().GetEditCell(), CCellID(1, 0));
    EXPECT_EQ(Eingabe().GetItemText(1, 0), "");
    TypeIntoOpenEditor(Eingabe(), "9");
    PickInOpenList(Eingabe(), "Porto");
    TypeInto(Eingabe(), 1, 5, "3", Qt::Key_Return);
    ASSERT_EQ(Journal().GetCount(), 1);
    EXPECT_EQ(Journal().GetItem(0).Datum, CDatum::FromYMD(2004, 3, 9));
    EXPECT_EQ(Eingabe().GetItemText(1, 0), "9");
    EXPECT_EQ(Eingabe().GetEditCell(), CCellID(1, 0));
}

TEST_F(HauptfensterEingabe, EscDiscardsTheBookingWithoutAsking)
{
    Oeffne({{15, "Verkauf", 1000, 0}});
    Knopf("buttonNeu")->click();
    PickInOpenList(Eingabe(), "Verk");
    ASSERT_TRUE(Eingabe().EditCell(1, 4));
    QTest::keyClicks(LineEditor(Eingabe()), "77");
    QTest::keyClick(LineEditor(Eingabe()), Qt::Key_Escape);
    EXPECT_EQ(Eingabe().GetState(), EntryState::Idle);
    EXPECT_EQ(Eingabe().GetRowCount(), 1);
    EXPECT_EQ(Journal().GetCount(), 1);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(HauptfensterEingabe, ClickingAnotherBookingAsksFirstAndCancelKeepsTheOldOne)
{
    Oeffne({{15, "Verkauf", 1000, 0}, {15, "Porto", 0, 250}});
    KlickeZeile(1);
    ASSERT_EQ(Eingabe().GetState(), EntryState::Open);
    ASSERT_EQ(Eingabe().GetRecordIndex(), 0);
    EXPECT_EQ(Eingabe().GetItemText(1, 4), "10,00");
    TypeInto(Eingabe(), 1, 4, "11");
    ASSERT_EQ(Eingabe().GetState(), EntryState::Changed);

    messages.Queue(A::Cancel);
    KlickeZeile(2);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kFrage);
    EXPECT_EQ(Eingabe().GetState(), EntryState::Changed);
    EXPECT_EQ(Eingabe().GetRecordIndex(), 0);
    EXPECT_EQ(Eingabe().GetItemText(1, 4), "11,00");
    EXPECT_EQ(Journal().GetItem(0, 0).Einnahme, CBetrag(100000));
    // The list points at the booking still open, not at the clicked row.
    EXPECT_EQ(Liste().GetSelectedBooking(), 0);

    // So clicking row 2 again asks again; No throws the change away and
    // opens the clicked booking.
    messages.Queue(A::No);
    KlickeZeile(2);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(Eingabe().GetRecordIndex(), 1);
    EXPECT_EQ(Journal().GetItem(0, 0).Einnahme, CBetrag(100000));
    KlickeZeile(1);
    EXPECT_EQ(Eingabe().GetItemText(1, 4), "10,00");

    // Without changes the next click opens the booking at once.
    KlickeZeile(2);
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(Eingabe().GetRecordIndex(), 1);
    EXPECT_EQ(Eingabe().GetItemText(1, 5), "2,50");
}

TEST_F(HauptfensterEingabe, DeletingABookingRenumbersTheRows)
{
    Oeffne({{15, "Verkauf", 100, 0}, {15, "Verkauf", 200, 0}, {15, "Verkauf", 300, 0}});
    KlickeZeile(1);
    messages.Queue(A::Yes);
    Knopf("buttonLoeschen")->click();
    ASSERT_EQ(Journal().GetCount(), 2);
    ASSERT_EQ(Liste().GetRowCount(), 3);
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(Liste().GetBookingOfRow(row), row - 1);
        EXPECT_EQ(Liste().GetItemText(row, 4), row == 1 ? "2,00" : "3,00");
    }
    // The renumbered row opens the booking it shows.
    KlickeZeile(2);
    EXPECT_EQ(Eingabe().GetRecordIndex(), 1);
    EXPECT_EQ(Eingabe().GetItemText(1, 4), "3,00");
}

TEST_F(HauptfensterEingabe, SplitBookingTypedInIsListedAsAufteilung)
{
    Oeffne({});
    Knopf("buttonNeu")->click();
    PickInOpenList(Eingabe(), "Verk");
    TypeInto(Eingabe(), 1, 4, "100");
    Pick(Eingabe(), 1, 1, ".");
    Pick(Eingabe(), 3, 1, "Porto");
    TypeInto(Eingabe(), 3, 5, "4,5", Qt::Key_Return);
    ASSERT_EQ(Journal().GetCount(), 1);
    ASSERT_EQ(Liste().GetRowCount(), 2);
    EXPECT_EQ(Liste().GetItemText(1, 1), "Aufteilung");
    EXPECT_EQ(Liste().GetItemText(1, 4), "100,00");
    EXPECT_EQ(Liste().GetItemText(1, 5), "4,50");
    EXPECT_EQ(Liste().GetItemText(1, 7), "");
}

TEST_F(HauptfensterEingabe, PortoChosenInTheFirstListSurvivesPageDownAndIsAskedAbout)
{
    Oeffne({});
    Knopf("buttonNeu")->click();
    QComboBox* box = ComboEditor(Eingabe());
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, "Porto");  // chosen; the list is still open
    EXPECT_EQ(Eingabe().GetState(), EntryState::Changed);
    EXPECT_FALSE(fenster->DatumAuswahl()->IsEnabledFlag());

    // A booking with changes keeps Page Down from stepping the date, so
    // nothing settles it behind the user's back.
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 15));
    EXPECT_EQ(Eingabe().GetState(), EntryState::Changed);
    EXPECT_EQ(Eingabe().GetItemText(1, 1), "Porto");
    EXPECT_EQ(messages.Count(), 0u);

    // Settling it now asks; Cancel keeps it.
    messages.Queue(A::Cancel);
    Knopf("buttonNeu")->click();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kFrage);
    EXPECT_EQ(Eingabe().GetState(), EntryState::Changed);
    EXPECT_EQ(Eingabe().GetItemText(1, 1), "Porto");
    EXPECT_EQ(Journal().GetCount(), 0);

    // No throws it away and "&Neu" opens the next one.
    messages.Queue(A::No);
    Knopf("buttonNeu")->click();
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(Eingabe().GetItemText(1, 1), "");
    EXPECT_EQ(Journal().GetCount(), 0);
}
