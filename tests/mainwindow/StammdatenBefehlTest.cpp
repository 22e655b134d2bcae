// "&Belegstexte..." and "&Umsatzsteuer..." from the main window: each
// dialog asked for through the dialog runner while the window is
// unavailable, driven through its widgets; after OK the change reaches the
// .kbx file (on Save) or the VAT-rate file (at once), after Cancel both
// files stay byte for byte as they were.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "bookinggrids/GridTyping.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CSteuersaetze.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "platform/CHilfeFenster.h"
#include "storage/CKassenbuch.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <iterator>

using namespace hauptfenster;

namespace {

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class StammdatenBefehl : public HauptfensterTest {
protected:
    void OeffneLaden()
    {
        laden = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 15), CBetrag(2500000), CBetrag(), "Verkauf"}});
        Start();
        fenster->resize(1000, 700);
        fenster->show();
        fenster->ProcessCommandLine({QString::fromStdString(laden)});
        ASSERT_NE(fenster->GetBuchungen(), nullptr);
    }
    // The user does `was` in the dialog's grid, then presses the button named knopf.
    ScriptedModalDialogs::Answer Im(const char* gridName, std::function<void(CGridCtrl&)> was, const char* knopf)
    {
        return [=, this](QDialog& dlg) {
            verfuegbarImDialog = fenster->IsAvailable();
            auto* grid = dlg.findChild<CGridCtrl*>(QString::fromLatin1(gridName));
            auto* taste = dlg.findChild<QAbstractButton*>(QString::fromLatin1(knopf));
            if (!grid || !taste) {
                ADD_FAILURE() << "no " << gridName << " or " << knopf;
                return int(QDialog::Rejected);
            }
            dlg.show();
            was(*grid);
            taste->click();
            return dlg.result();
        };
    }
    static void Klicke(CGridCtrl& grid, int row)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(row, 0)).center());
    }
    // Default catalogue, all sort keys 0: "Verkauf" is row 8.
    static void BenenneVerkaufUm(CGridCtrl& grid) { gridtyping::TypeInto(grid, 8, 0, QStringLiteral("Erloese")); }

    std::string laden;
    bool verfuegbarImDialog = true;
};

TEST_F(StammdatenBefehl, RenamedReceiptTextReachesTheFileAndTheBookingKeepsItsText)
{
    OeffneLaden();
    modal.Queue(QStringLiteral("belegtexteDlg"), Im("gridBelegtexte", BenenneVerkaufUm, "buttonSpeichern"));
    Aktion("actionBelegtexte")->trigger();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Calls()[0].title, QString::fromUtf8("Belegtexte für das Kassenbuch"));
    EXPECT_FALSE(verfuegbarImDialog);
    EXPECT_TRUE(fenster->IsAvailable());
    EXPECT_EQ(fenster->GetBelegtexte()->GetBezeichnung(7), "Erloese");

    // The booking is opened and booked again: its old text is shown
    // read-only and nothing zeroes its amount.
    CBuchungListe& liste = fenster->Liste();
    QTest::mouseClick(liste.viewport(), Qt::LeftButton, {}, liste.visualRect(liste.model()->index(1, 2)).center());
    ASSERT_EQ(fenster->Eingabe().GetItemText(1, 1), "Verkauf");
    EXPECT_EQ(fenster->Eingabe().GetItemText(1, 4), "250,00");
    gridtyping::TypeInto(fenster->Eingabe(), 1, 3, QStringLiteral("R-7"));
    Knopf("buttonSpeichern")->click();
    ASSERT_TRUE(Aktion("actionSpeichern")->isEnabled());
    Aktion("actionSpeichern")->trigger();
    Aktion("actionSchliessen")->trigger();
    EXPECT_EQ(messages.Count(), 0u);

    ScriptedUserMessages still;
    CKassenbuch kasse(still);
    ASSERT_TRUE(kasse.Open(laden));
    EXPECT_EQ(kasse.GetBelegtexte()->GetBezeichnung(7), "Erloese");
    const CBuchungszeile& zeile = kasse.GetBuchungen()->GetItem(0, 0);
    EXPECT_EQ(zeile.Bezeichnung, "Verkauf");
    EXPECT_EQ(zeile.Einnahme, CBetrag(2500000));
    EXPECT_EQ(kasse.GetBuchungen()->GetItem(0).RgNr, "R-7");
}

TEST_F(StammdatenBefehl, CancelledReceiptTextsLeaveTheFileByteIdentical)
{
    OeffneLaden();
    const std::string vorher = Bytes(laden);
    modal.Queue(QStringLiteral("belegtexteDlg"), Im("gridBelegtexte", BenenneVerkaufUm, "buttonAbbrechen"));
    Aktion("actionBelegtexte")->trigger();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(fenster->GetBelegtexte()->GetBezeichnung(7), "Verkauf");
    EXPECT_FALSE(Aktion("actionSpeichern")->isEnabled());
    Aktion("actionSpeichern")->trigger();
    EXPECT_EQ(Bytes(laden), vorher);
}

TEST_F(StammdatenBefehl, VatRatesAreWrittenToTheirFileOnOkAndLeftAloneOnCancel)
{
    OeffneLaden();
    const std::string datei = Pfad("steuersaetze.xml");
    const std::string vorher = Bytes(datei);
    // The first rate moves down one row and is switched inactive.
    const auto aendere = [](CGridCtrl& grid) {
        Klicke(grid, 1);
        QTest::keyClick(&grid, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_End);
        QTest::keyClick(&grid, Qt::Key_Space);
    };
    modal.Queue(QStringLiteral("ustDlg"), Im("gridUSt", aendere, "buttonAbbrechen"));
    Aktion("actionUmsatzsteuer")->trigger();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Calls()[0].title, QString::fromUtf8("USt-Sätze einrichten"));
    EXPECT_EQ(Bytes(datei), vorher);
    EXPECT_FALSE(fenster->GetSteuersaetze()->IsInaktiv(100));

    modal.Queue(QStringLiteral("ustDlg"), Im("gridUSt", aendere, "buttonSpeichern"));
    Aktion("actionUmsatzsteuer")->trigger();
    ASSERT_EQ(modal.Count(), 2u);
    EXPECT_FALSE(verfuegbarImDialog);
    EXPECT_TRUE(fenster->IsAvailable());
    EXPECT_EQ(messages.Count(), 0u);
    const CSteuersaetze neu(datei);
    EXPECT_TRUE(neu.IsInaktiv(100));
    EXPECT_EQ(neu.GetSort(100), 2);
    EXPECT_EQ(neu.GetSort(200), 1);
    // The VAT-rate file is no part of the cash book.
    EXPECT_FALSE(Aktion("actionSpeichern")->isEnabled());
}

} // namespace

TEST_F(StammdatenBefehl, F1InEitherDialogShowsItsHelpPage)
{
    OeffneLaden();
    std::filesystem::copy(std::filesystem::path(KUVEX_SOURCE_DIR) / "data" / "hilfe", ordner / "hilfe");
    const struct {
        const char* aktion;
        const char* dialog;
        const char* grid;
        int thema;
    } faelle[] = {{"actionBelegtexte", "belegtexteDlg", "gridBelegtexte", 700},
                  {"actionUmsatzsteuer", "ustDlg", "gridUSt", 800}};
    for (const auto& fall : faelle) {
        QString seite;
        const auto hilfe = [&](CGridCtrl& grid) {
            QTest::keyClick(&grid, Qt::Key_F1);
            if (CHilfeFenster* fensterHilfe = fenster->HilfeFenster())
                seite = fensterHilfe->AktuelleSeite();
        };
        modal.Queue(QString::fromLatin1(fall.dialog), Im(fall.grid, hilfe, "buttonAbbrechen"));
        Aktion(fall.aktion)->trigger();
        EXPECT_EQ(seite, QString::fromLatin1(CHilfeFenster::Seite(fall.thema))) << fall.dialog;
    }
}
