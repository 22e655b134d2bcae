// "Kasse &abschließen..." from the main window: the count typed into the
// dialog, the difference booked as a receipt, as a payment or not at all,
// a count that is no whole number refused in the dialog.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungListe.h"
#include "bookinggrids/GridTyping.h"
#include "core/CBuchungen.h"
#include "mainwindow/CAbschlussBefehl.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "storage/CKassenbuch.h"
#include "storage/CTagesabschluss.h"
#include "bookinggrids/CBuchungEingabe.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace hauptfenster;

namespace {

// The user types `anzahl` fifty-euro notes and presses `knopf`; a refused
// count leaves the dialog open, so then it is cancelled.
ScriptedModalDialogs::Answer Zaehle(const QString& anzahl, const char* knopf)
{
    return [anzahl, knopf](QDialog& dlg) {
        auto* feld = dlg.findChild<QLineEdit*>(QStringLiteral("editAnzahl3"));
        auto* taste = dlg.findChild<QPushButton*>(QString::fromLatin1(knopf));
        if (!feld || !taste) {
            ADD_FAILURE() << "no field 50,00 or no " << knopf;
            return int(QDialog::Rejected);
        }
        gridtyping::TypeCharacters(feld, anzahl);
        EXPECT_TRUE(taste->isEnabled()) << knopf;
        taste->click();
        return dlg.result() == QDialog::Accepted ? int(QDialog::Accepted) : int(QDialog::Rejected);
    };
}

} // namespace

TEST_F(HauptfensterTest, CloseBooksTheDifferenceBothWays)
{
    const std::string kasse = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 13), CBetrag(1000000), {},
                                                         "Anfangsbestand"}});
    Start(QDate(2004, 3, 20));
    fenster->ProcessCommandLine({QString::fromStdString(kasse)});
    messages.SetOnUnexpected([](const ScriptedUserMessages::Box& b) { ADD_FAILURE() << b.text; });
    for (int i = 0; i < 7; ++i)
        fenster->DatumAuswahl()->StepDay(-1);

    struct Fall {
        const char* anzahl;
        const char* knopf;
        std::int64_t einnahme, ausgabe; // of the difference booking; both 0: none
    } faelle[] = {
        {"3", "buttonBuchen", 500000, 0},         // 150 counted, 100 in the book
        {"2", "buttonBuchen", 0, 500000},         // 100 counted, 150 in the book
        {"2", "buttonAbschliessen", 0, 0},
    };
    CBuchungen& journal = *fenster->GetBuchungen();
    for (const Fall& f : faelle) {
        const int vorher = journal.GetCount();
        modal.Queue(QStringLiteral("kassenabschlussDlg"), Zaehle(QString::fromLatin1(f.anzahl), f.knopf));
        messages.Queue(UserMessages::Answer::No);
        Aktion("actionKassenabschluss")->trigger();
        EXPECT_EQ(messages.Last().text, CAbschlussBefehl::DruckFrage);
        const CDatum tag = fenster->GetDatumAuswahl()->GetDate();
        EXPECT_EQ(fenster->Steuerung().Dokument().LetzterAbschlussTag(), tag);
        ASSERT_EQ(journal.GetCount(), vorher + (f.einnahme || f.ausgabe ? 1 : 0)) << f.anzahl;
        if (f.einnahme || f.ausgabe) {
            EXPECT_EQ(journal.GetItem(vorher).Datum, tag);
            EXPECT_EQ(journal.GetItem(vorher, 0).Bezeichnung, "Kassendifferenz");
            EXPECT_EQ(journal.GetItem(vorher, 0).Einnahme, CBetrag(f.einnahme));
            EXPECT_EQ(journal.GetItem(vorher, 0).Ausgabe, CBetrag(f.ausgabe));
        }
        EXPECT_TRUE(Aktion("actionSpeichern")->isEnabled());
        fenster->DatumAuswahl()->StepDay(1);
    }

    // A count that is not a whole number is refused and nothing is closed.
    modal.Queue(QStringLiteral("kassenabschlussDlg"), Zaehle(QStringLiteral("1,5"), "buttonBuchen"));
    Aktion("actionKassenabschluss")->trigger();
    EXPECT_EQ(messages.Last().text, "Die Anzahl bei 50,00 muss eine ganze Zahl von 0 bis 9.999.999 sein, nicht \"1,5\".");
    EXPECT_EQ(fenster->Steuerung().Dokument().GetKassenabschluesse().Alle().size(), 3u);
    EXPECT_TRUE(fenster->IsAvailable());

    // A closed day still shows, marked in the date and in the list.
    fenster->DatumAuswahl()->StepDay(-1);
    fenster->DatumAuswahl()->StepDay(-1);
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("14. März 2004 (abgeschlossen)"));
    EXPECT_EQ(fenster->Liste().GetItemBkColour(1, 0), CBuchungListe::FarbeAbgeschlossen());
}

TEST_F(HauptfensterTest, FixedBookingsRefuseABookingOnAClosedDay)
{
    const std::string pfad = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 13), CBetrag(1000000), {},
                                                        "Anfangsbestand"}});
    {
        ScriptedUserMessages still;
        CKassenbuch kasse(still);
        ASSERT_TRUE(kasse.Open(pfad));
        kasse.SchalteGoBDEin();
        CTagesabschluss::Schliesse(kasse,
                                   CZaehlprotokoll::Erstelle(*kasse.GetBuchungen(), CDatum::FromYMD(2004, 3, 13),
                                                             "USD", {}, CBetrag(1000000)),
                                   CDatum::FromYMD(2004, 3, 20), 0);
        ASSERT_TRUE(kasse.Save());
    }
    Start(QDate(2004, 3, 13));
    fenster->resize(1000, 700);
    fenster->show();
    fenster->ProcessCommandLine({QString::fromStdString(pfad)});
    Knopf("buttonNeu")->click();
    gridtyping::PickInOpenList(fenster->Eingabe(), "Verk");
    gridtyping::TypeInto(fenster->Eingabe(), 1, 4, QStringLiteral("5"));
    Knopf("buttonSpeichern")->click();
    const std::string kGesperrt = "Die Kasse ist bis einschlie\xDFlich 13.03.2004 abgeschlossen. Buchungen an "
                                  "diesem oder einem fr\xFCheren Tag k\xF6nnen nicht mehr erfasst, korrigiert oder "
                                  "storniert werden.";
    EXPECT_EQ(messages.Last().text, kGesperrt);
    // The booking stays open, nothing typed is lost, nothing is booked.
    EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 1);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    Knopf("buttonAbbrechen")->click();

    // Neither reversed nor corrected.
    for (const char* knopf : {"buttonLoeschen", "buttonKorrigieren"}) {
        messages.Clear();
        fenster->Liste().SelectBooking(0);
        emit fenster->Liste().bookingSelectionChanged(1);
        messages.Queue(UserMessages::Answer::Yes);
        Knopf(knopf)->click();
        EXPECT_EQ(messages.Last().text, kGesperrt) << knopf;
        EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 1);
    }
}
