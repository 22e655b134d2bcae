// Settling the booking being typed, as the main window's commands do it:
// commit, discard, the question and its three answers, reselecting the
// committed booking, the modified flag, deleting from the list, opening a
// booking selected in the list, the negative-cash warning and Ctrl+G.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "bookinggrids/GridTyping.h"
#include "core/CBuchungen.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "storage/CKassenbuch.h"
#include "storage/CSettings.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <iterator>

using namespace hauptfenster;
using namespace gridtyping;
using A = UserMessages::Answer;

namespace {

const char* const kFrage = "Wollen Sie die aktuellen \xC4nderungen speichern?";
const char* const kLoeschen = "Wollen Sie die ausgew\xE4hlte Buchung l\xF6schen?";

class BuchungFluss : public HauptfensterTest {
protected:
    void Oeffne(const std::vector<Buchung>& buchungen)
    {
        const std::string kasse = LegeKasseAn("Laden.kbx", buchungen);
        Start();
        fenster->resize(1000, 700);
        fenster->show();
        fenster->ProcessCommandLine({QString::fromStdString(kasse)});
        ASSERT_NE(fenster->GetBuchungen(), nullptr);
    }
    // "&Neu" and a receipt of `betrag` typed in on the selected day.
    void TippeEinnahme(const QString& betrag)
    {
        Knopf("buttonNeu")->click();
        ASSERT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
        PickInOpenList(fenster->Eingabe(), "Verk");
        TypeInto(fenster->Eingabe(), 1, 4, betrag);
        ASSERT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    }
    int Anzahl() const { return fenster->GetBuchungen()->GetCount(); }
    QString Einnahmen() const { return Label("labelEinnahmen")->text(); }
};

} // namespace

TEST_F(BuchungFluss, SaveButtonCommitsReselectsAndSetsTheModifiedFlag)
{
    Oeffne({{CDatum::FromYMD(2004, 3, 15), CBetrag(100000), {}}});
    EXPECT_FALSE(Knopf("buttonSpeichern")->isEnabled());
    TippeEinnahme("250");
    EXPECT_TRUE(Knopf("buttonSpeichern")->isEnabled());
    EXPECT_TRUE(Knopf("buttonAbbrechen")->isEnabled());
    EXPECT_FALSE(Knopf("buttonLoeschen")->isEnabled());
    EXPECT_FALSE(fenster->DatumAuswahl()->IsEnabledFlag());

    Knopf("buttonSpeichern")->click();
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_EQ(Anzahl(), 2);
    EXPECT_EQ(fenster->GetBuchungen()->GetItem(1).Datum, CDatum::FromYMD(2004, 3, 15));
    EXPECT_EQ(Einnahmen(), "260,00");
    EXPECT_EQ(fenster->Liste().GetRowCount(), 3);
    EXPECT_EQ(fenster->Liste().GetSelectedBooking(), 1);
    EXPECT_TRUE(fenster->Steuerung().IsModified());
    EXPECT_TRUE(Aktion("actionSpeichern")->isEnabled());
    EXPECT_FALSE(Knopf("buttonSpeichern")->isEnabled());
    EXPECT_TRUE(Knopf("buttonLoeschen")->isEnabled());
    EXPECT_TRUE(fenster->DatumAuswahl()->IsEnabledFlag());

    // "A&bbrechen" throws changes away and leaves the flag alone.
    Aktion("actionSpeichern")->trigger();
    TippeEinnahme("7");
    Knopf("buttonAbbrechen")->click();
    EXPECT_EQ(Anzahl(), 2);
    EXPECT_FALSE(fenster->Steuerung().IsModified());
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(BuchungFluss, DateChangeAsksAndItsAnswersCommitDiscardOrKeep)
{
    Oeffne({});
    TippeEinnahme("5");
    // Cancel: the bar has the new date, list, label and totals the old one.
    messages.Queue(A::Cancel);
    fenster->DatumAuswahl()->Next();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kFrage);
    EXPECT_EQ(messages.Last().buttons, UserMessages::Buttons::YesNoCancel);
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Question);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 16));
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("15. März 2004"));
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    EXPECT_TRUE(fenster->IsAvailable());

    // No: discarded, nothing to save.
    messages.Queue(A::No);
    fenster->DatumAuswahl()->Previous();
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Idle);
    EXPECT_EQ(Anzahl(), 0);
    EXPECT_FALSE(fenster->Steuerung().IsModified());
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("15. März 2004"));

    // Yes: committed, and the flag is set.
    TippeEinnahme("5");
    messages.Queue(A::Yes);
    Knopf("buttonNeu")->click();
    EXPECT_EQ(Anzahl(), 1);
    EXPECT_TRUE(fenster->Steuerung().IsModified());
    EXPECT_EQ(Einnahmen(), "5,00");
    // ... and "&Neu" went on to the next booking.
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(messages.PendingAnswers(), 0u);
}

TEST_F(BuchungFluss, AnIncompleteBookingStopsTheCommand)
{
    Oeffne({});
    Knopf("buttonNeu")->click();
    ASSERT_TRUE(fenster->Eingabe().EditCell(1, 2));
    QTest::keyClick(LineEditor(fenster->Eingabe()), Qt::Key_X);
    // No text chosen: the validation message, the booking stays open.
    Knopf("buttonSpeichern")->click();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().caption, "Unvollst\xE4ndige Eingabe");
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    EXPECT_FALSE(fenster->Steuerung().IsModified());
    EXPECT_TRUE(fenster->IsAvailable());
    // The close command is refused as well: the window stays.
    messages.Queue(A::Yes);
    EXPECT_FALSE(fenster->close());
    QTest::keyClick(fenster.get(), Qt::Key_Escape);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Idle);
}

TEST_F(BuchungFluss, SelectingABookingOpensItAndDeletingRemovesIt)
{
    Oeffne({{CDatum::FromYMD(2004, 3, 15), CBetrag(10000), {}},
            {CDatum::FromYMD(2004, 3, 15), CBetrag(20000), {}},
            {CDatum::FromYMD(2004, 3, 15), CBetrag(40000), {}}});
    EXPECT_EQ(Einnahmen(), "7,00");
    CBuchungListe& liste = fenster->Liste();
    liste.SelectBooking(1);
    emit liste.bookingSelectionChanged(2);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(fenster->Eingabe().GetRecordIndex(), 1);

    // No: nothing happens.
    messages.Queue(A::No);
    Knopf("buttonLoeschen")->click();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kLoeschen);
    EXPECT_EQ(messages.Last().buttons, UserMessages::Buttons::YesNo);
    EXPECT_EQ(Anzahl(), 3);

    messages.Queue(A::Yes);
    Knopf("buttonLoeschen")->click();
    ASSERT_EQ(Anzahl(), 2);
    EXPECT_EQ(fenster->GetBuchungen()->GetItem(1).Zeilen[0].Einnahme, CBetrag(40000));
    EXPECT_EQ(Einnahmen(), "5,00");
    EXPECT_EQ(liste.GetRowCount(), 3);
    EXPECT_EQ(liste.GetBookingOfRow(2), 1);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Idle);
    // The journal now differs from the file: the deletion can be saved, and
    // the list highlights nothing, as the entry grid holds nothing.
    EXPECT_TRUE(fenster->Steuerung().IsModified());
    EXPECT_TRUE(Aktion("actionSpeichern")->isEnabled());
    EXPECT_EQ(liste.GetSelectedBooking(), -1);
    EXPECT_FALSE(liste.GetSelectedCellRange().IsValid());
}

TEST_F(BuchungFluss, SelectionWithUnsavedChangesAsksAndCancelKeepsTheOldBooking)
{
    Oeffne({{CDatum::FromYMD(2004, 3, 15), CBetrag(10000), {}},
            {CDatum::FromYMD(2004, 3, 15), CBetrag(20000), {}}});
    TippeEinnahme("9");
    fenster->Liste().SelectBooking(0);
    messages.Queue(A::Cancel);
    emit fenster->Liste().bookingSelectionChanged(1);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    EXPECT_EQ(fenster->Eingabe().GetRecordIndex(), -1);
    // The new booking stays open, so no listed booking stays selected.
    EXPECT_EQ(fenster->Liste().GetSelectedBooking(), -1);

    // Yes: the new booking is written, then the chosen one is opened.
    fenster->Liste().SelectBooking(0);
    messages.Queue(A::Yes);
    emit fenster->Liste().bookingSelectionChanged(1);
    EXPECT_EQ(Anzahl(), 3);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(fenster->Eingabe().GetRecordIndex(), 0);
    EXPECT_EQ(fenster->Liste().GetSelectedBooking(), 0);
}

TEST_F(BuchungFluss, NegativeCashIsReportedWithItsFirstDayWhenTheOptionIsOn)
{
    Oeffne({{CDatum::FromYMD(2004, 3, 1), CBetrag(100000), {}}});
    Aktion("actionWarnNegative")->trigger();
    ASSERT_TRUE(settings->GetWarnNegative());
    Knopf("buttonNeu")->click();
    PickInOpenList(fenster->Eingabe(), "Porto");
    TypeInto(fenster->Eingabe(), 1, 5, "10,01");
    Knopf("buttonSpeichern")->click();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Der Bestand in der Kasse ist seit 15.03.2004 negativ.");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Warning);
    EXPECT_EQ(Label("labelKassenbestand")->text(), "-0,01");
    EXPECT_EQ(Anzahl(), 2);

    // Off again: no warning.
    Aktion("actionWarnNegative")->trigger();
    Knopf("buttonNeu")->click();
    PickInOpenList(fenster->Eingabe(), "Porto");
    TypeInto(fenster->Eingabe(), 1, 5, "1");
    Knopf("buttonSpeichern")->click();
    EXPECT_EQ(messages.Count(), 1u);
}

TEST_F(BuchungFluss, AHandOverDuringTheNegativeCashWarningLeavesTheCashBookInPlace)
{
    Oeffne({{CDatum::FromYMD(2004, 3, 1), CBetrag(100000), {}}});
    const std::string andere = LegeKasseAn("Andere.kbx", {}, "Kiosk");
    Aktion("actionWarnNegative")->trigger();
    messages.SetOnShow([&](const ScriptedUserMessages::Box& box) {
        if (box.icon == UserMessages::Icon::Warning)
            fenster->Aufwecken(3, andere);
    });
    // Each amount leaves the cash negative.
    for (const char* betrag : {"10,01", "2"}) {
        Knopf("buttonNeu")->click();
        PickInOpenList(fenster->Eingabe(), "Porto");
        TypeInto(fenster->Eingabe(), 1, 5, betrag);
        Knopf("buttonSpeichern")->click();
        ASSERT_GE(messages.Count(), 2u);
        // Recorded first: the box it came up in is recorded when answered.
        EXPECT_EQ(messages.Boxes()[messages.Count() - 2].text, CKassenbuchDlg::DialogOffen);
        EXPECT_EQ(fenster->windowTitle(), QStringLiteral("Kuvex - Laden <Laden.kbx>")) << betrag;
        EXPECT_EQ(fenster->Liste().GetSelectedBooking(), Anzahl() - 1) << betrag;
    }
    messages.SetOnShow(nullptr);
}

TEST_F(BuchungFluss, CtrlGNoMakes20000BookingsAndCancelNone)
{
    Oeffne({});
    messages.Queue(A::Cancel);
    QTest::keyClick(fenster.get(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              "Geben Sie die Anzahl der zu generierenden Buchungen ein...\nJa = 200.000, Nein = 20.000");
    EXPECT_EQ(messages.Last().caption, "BuchungsGenerator");
    EXPECT_EQ(messages.Last().buttons, UserMessages::Buttons::YesNoCancel);
    EXPECT_EQ(Anzahl(), 0);

    messages.Clear();
    messages.Queue(A::No);
    QTest::keyClick(&fenster->Liste(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(Texte(), (std::vector<std::string>{
        "Geben Sie die Anzahl der zu generierenden Buchungen ein...\nJa = 200.000, Nein = 20.000",
        "20000 Buchungen werden erzeugt", "Erzeugung abgeschlossen"}));
    EXPECT_EQ(messages.Boxes()[1].caption, "Kuvex");
    const CBuchungen& journal = *fenster->GetBuchungen();
    ASSERT_EQ(journal.GetCount(), 20000);
    EXPECT_EQ(journal.GetItem(0).Notiz, "Buchung #0");
    EXPECT_EQ(journal.GetItem(19999).Notiz, "Buchung #19999");
    EXPECT_EQ(journal.GetItem(0).Datum, CDatum::FromYMD(2003, 1, 1));
    EXPECT_EQ(journal.GetItem(19999).Datum, CDatum::FromYMD(2005, 12, 30));
    // Not a change of the user's: the flag stays clear.
    EXPECT_FALSE(fenster->Steuerung().IsModified());
    // The window shows the new state: a 2004 day has bookings again.
    fenster->findChild<QRadioButton*>("radioMonatlich")->click();
    EXPECT_GT(fenster->Liste().GetRowCount(), 500);
}

TEST_F(BuchungFluss, CtrlGWithoutACashBookDoesNothing)
{
    Start();
    fenster->ProcessCommandLine({});
    QTest::keyClick(fenster.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(BuchungFluss, ListHighlightsOnlyTheBookingOpenInTheEntryGrid)
{
    Oeffne({{CDatum::FromYMD(2004, 3, 15), CBetrag(100000), {}}, {CDatum::FromYMD(2004, 3, 15), CBetrag(20000), {}}});
    CBuchungListe& liste = fenster->Liste();
    liste.SelectBooking(1);
    emit liste.bookingSelectionChanged(2);
    ASSERT_EQ(fenster->Eingabe().GetRecordIndex(), 1);
    EXPECT_EQ(liste.GetSelectedBooking(), 1);

    // A new booking is in none of the rows.
    Knopf("buttonNeu")->click();
    ASSERT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
    EXPECT_EQ(liste.GetSelectedBooking(), -1);
    EXPECT_FALSE(liste.GetSelectedCellRange().IsValid());
}

TEST_F(BuchungFluss, SavingWithAChangedBookingOpenAsksFirstAndWritesWhatWasAnswered)
{
    const std::string kasse = LegeKasseAn("Laden.kbx", {});
    Start();
    fenster->show();
    fenster->ProcessCommandLine({QString::fromStdString(kasse)});
    TippeEinnahme("10");
    Knopf("buttonSpeichern")->click();
    TippeEinnahme("20");
    QAction* speichern = Aktion("actionSpeichern");
    ASSERT_TRUE(speichern->isEnabled());
    auto inhalt = [&] {
        std::ifstream in(kasse, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string vorher = inhalt();

    // Cancel: nothing is written and the booking stays open.
    messages.Queue(A::Cancel);
    speichern->trigger();
    EXPECT_EQ(messages.Last().text, kFrage);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    EXPECT_EQ(inhalt(), vorher);

    // Yes: the booking is in the journal before the file is written.
    messages.Queue(A::Yes);
    speichern->trigger();
    EXPECT_FALSE(fenster->Steuerung().IsModified());
    const std::string kopie = Pfad("Kopie.kbx");
    std::ofstream(kopie, std::ios::binary) << inhalt();
    ScriptedUserMessages still;
    CKassenbuch gespeichert(still);
    ASSERT_TRUE(gespeichert.Open(kopie));
    EXPECT_EQ(gespeichert.GetBuchungen()->GetCount(), 2);
}
