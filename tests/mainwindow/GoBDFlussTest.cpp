// Locked bookings through the window: the switch in "&Einstellungen", a
// booking shown read-only, "&Stornieren" and "&Korrigieren", the list
// marking what was reversed, and a changed file opening read-only.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "mainwindow/CKassenbuchSteuerung.h"
#include "storage/CKassenbuch.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

using namespace hauptfenster;
using A = UserMessages::Answer;

namespace {

class GoBDFluss : public HauptfensterTest {
protected:
    void Oeffne()
    {
        const std::string kasse = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 15), CBetrag(10000), {}},
                                                            {CDatum::FromYMD(2004, 3, 15), CBetrag(40000), {}}});
        Start();
        fenster->resize(1000, 700);
        fenster->show();
        fenster->ProcessCommandLine({QString::fromStdString(kasse)});
        ASSERT_NE(fenster->GetBuchungen(), nullptr);
    }
    // Selects booking i in the list as a click would.
    void Waehle(int i)
    {
        CBuchungListe& liste = fenster->Liste();
        liste.SelectBooking(i);
        emit liste.bookingSelectionChanged(i + 1);
    }
    CKassenbuch& Kasse() { return fenster->Steuerung().Dokument(); }
};

} // namespace

TEST_F(GoBDFluss, SwitchReverseCorrectAndTheListMarks)
{
    Oeffne();
    QAction* schalter = Aktion("actionGoBD");
    EXPECT_EQ(Knopf("buttonLoeschen")->text(), "&Löschen");
    messages.Queue(A::No);
    schalter->trigger();
    EXPECT_FALSE(Kasse().IsGoBD());
    messages.Queue(A::Yes);
    schalter->trigger();
    ASSERT_TRUE(Kasse().IsGoBD());
    EXPECT_TRUE(schalter->isChecked());
    EXPECT_FALSE(schalter->isEnabled());
    EXPECT_EQ(Knopf("buttonLoeschen")->text(), "&Stornieren");
    EXPECT_TRUE(Knopf("buttonKorrigieren")->isVisible());

    // An existing booking is shown, not edited.
    Waehle(0);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
    EXPECT_FALSE(fenster->Eingabe().IsEditable());

    messages.Queue(A::Yes);
    Knopf("buttonLoeschen")->click();
    EXPECT_EQ(messages.Last().text, "Wollen Sie die ausgew\xE4hlte Buchung stornieren?");
    ASSERT_EQ(fenster->GetBuchungen()->GetCount(), 3);
    EXPECT_EQ(fenster->GetBuchungen()->GetItem(2).Notiz, "Storno zu Nr. 1");
    CBuchungListe& liste = fenster->Liste();
    ASSERT_EQ(liste.GetRowCount(), 4);
    EXPECT_EQ(liste.GetItemText(1, 2), "storniert durch Nr. 3");
    EXPECT_EQ(liste.GetItemFgColour(1, 1), QColor(128, 128, 128));
    EXPECT_EQ(liste.GetItemFgColour(2, 1), QColor());
    QDir().mkpath(QStringLiteral("/work/shots"));
    fenster->grab().save(QStringLiteral("/work/shots/gobd-liste.png"));

    // A reversed booking is not reversed again; the window says why.
    Waehle(0);
    messages.Queue(A::Yes);
    Knopf("buttonLoeschen")->click();
    EXPECT_EQ(messages.Last().text, "Die Buchung Nr. 1 ist bereits durch Nr. 3 storniert.");
    EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 3);

    // Korrigieren: reversed, and a new booking with its lines is open.
    Waehle(1);
    messages.Queue(A::Yes);
    Knopf("buttonKorrigieren")->click();
    ASSERT_EQ(fenster->GetBuchungen()->GetCount(), 4);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    EXPECT_EQ(fenster->Eingabe().GetRecordIndex(), -1);
    EXPECT_EQ(fenster->Eingabe().GetItemText(1, 1), "Verkauf");
    Knopf("buttonSpeichern")->click();
    ASSERT_EQ(fenster->GetBuchungen()->GetCount(), 5);
    EXPECT_EQ(Kasse().GetProtokoll()->GetCount(), 5);
    ASSERT_TRUE(Kasse().Save());
    CKassenbuch wieder(messages);
    Kasse().Close();
    ASSERT_TRUE(wieder.Open(Pfad("Laden.kbx")));
    EXPECT_TRUE(wieder.GetProtokoll()->IstInOrdnung());
    EXPECT_EQ(wieder.GetProtokoll()->StorniertDurch(1), 4u);
}

TEST_F(GoBDFluss, ChangedFileOpensReadOnlyWithTheWarning)
{
    {
        const std::string kasse = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 15), CBetrag(10000), {}}});
        CKassenbuch book(messages);
        ASSERT_TRUE(book.Open(kasse));
        // As an older program leaves it: the flag it kept, the log it dropped.
        book.GetFirma()->SetGoBD();
        ASSERT_TRUE(book.Save());
    }
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(Pfad("Laden.kbx"))});
    ASSERT_TRUE(Kasse().IsNurLesen());
    EXPECT_EQ(messages.Last().text, "Das Kassenbuch wurde au\xDF" "erhalb von Kuvex ver\xE4" "ndert: Eintrag Nr. 1 fehlt. "
                                    "Es wird nur zum Lesen ge\xF6" "ffnet.");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Warning);
    Knopf("buttonNeu")->click();
    EXPECT_EQ(messages.Last().text, CKassenbuch::kNurLesen);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Idle);
    EXPECT_FALSE(Knopf("buttonKorrigieren")->isEnabled());
}
