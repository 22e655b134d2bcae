// The totals block, the date label and the date keys of the main window
// against bookings written through the journal: carry-over, receipts,
// payments and balance of a day and of a month, the red balance, and what
// shows with no cash book at all.
#include "HauptfensterTestBasis.h"

#include "bookinggrids/CBuchungEingabe.h"
#include "bookinggrids/CBuchungListe.h"
#include "core/CBuchungen.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "mainwindow/CSummenPanel.h"
#include "storage/CSettings.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace hauptfenster;

namespace {

CBetrag Euro(std::int64_t cent) { return CBetrag(cent * 100); }

class Summen : public HauptfensterTest {
protected:
    // Bookings around March 2004; today is the 15th.
    void OeffneMaerz()
    {
        const std::string kasse = LegeKasseAn("Laden.kbx", {
            {CDatum::FromYMD(2004, 2, 27), Euro(10000), {}},
            {CDatum::FromYMD(2004, 3, 1), {}, Euro(3000)},
            {CDatum::FromYMD(2004, 3, 15), Euro(1234), Euro(200)},
            {CDatum::FromYMD(2004, 3, 15), Euro(100000), {}},
            {CDatum::FromYMD(2004, 3, 31), {}, Euro(555)},
            {CDatum::FromYMD(2004, 4, 1), Euro(100), {}},
        });
        Start();
        fenster->ProcessCommandLine({QString::fromStdString(kasse)});
        ASSERT_NE(fenster->GetBuchungen(), nullptr);
    }
    std::vector<QString> Betraege() const
    {
        return {Label("labelUebertrag")->text(), Label("labelEinnahmen")->text(), Label("labelAusgaben")->text(),
                Label("labelKassenbestand")->text()};
    }
    QColor BestandFarbe() const
    {
        return Label("labelKassenbestand")->palette().color(QPalette::WindowText);
    }
    QRadioButton* Radio(const char* name) const
    {
        return fenster->findChild<QRadioButton*>(QString::fromLatin1(name));
    }
};

using V = std::vector<QString>;

} // namespace

TEST_F(Summen, DayAndMonthAgainstTheJournal)
{
    OeffneMaerz();
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("15. März 2004"));
    // Before the 15th: 100,00 in, 30,00 out; on the 15th two bookings.
    EXPECT_EQ(Betraege(), (V{"70,00", "1.012,34", "2,00", "1.080,34"}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(fenster->findChild<QLabel*>(QStringLiteral("labelWaehrung%1").arg(i))->text(), "EUR");

    Radio("radioMonatlich")->click();
    EXPECT_TRUE(settings->GetMonthmode());
    EXPECT_TRUE(fenster->DatumAuswahl()->IsMonthMode());
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("März 2004"));
    // The whole month, the 31st included, April left out.
    EXPECT_EQ(Betraege(), (V{"100,00", "1.012,34", "37,55", "1.074,79"}));
    EXPECT_NE(BestandFarbe(), QColor(255, 0, 0));

    // February: nothing before it, one receipt on the 27th.
    QTest::keyClick(fenster.get(), Qt::Key_PageUp);
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("Februar 2004"));
    EXPECT_EQ(Betraege(), (V{"0,00", "100,00", "0,00", "100,00"}));

    Radio("radioTaeglich")->click();
    EXPECT_FALSE(settings->GetMonthmode());
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("15. Februar 2004"));
}

TEST_F(Summen, PageKeysAndHomeStepTheDateEvenFromInsideTheList)
{
    OeffneMaerz();
    QTest::keyClick(&fenster->Liste(), Qt::Key_PageDown);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 16));
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("16. März 2004"));
    EXPECT_EQ(Betraege(), (V{"1.080,34", "0,00", "0,00", "1.080,34"}));

    // Back over the month end and the leap day.
    for (int i = 0; i < 17; ++i)
        QTest::keyClick(fenster.get(), Qt::Key_PageUp);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 2, 28));
    QTest::keyClick(fenster.get(), Qt::Key_PageDown);
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("29. Februar 2004"));
    QTest::keyClick(fenster.get(), Qt::Key_PageDown);
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("1. März 2004"));
    // The 1st: carry-over from February, the payment of the day.
    EXPECT_EQ(Betraege(), (V{"100,00", "0,00", "30,00", "70,00"}));

    QTest::keyClick(&fenster->Liste(), Qt::Key_Home);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 15));
    QTest::keyClick(fenster.get(), Qt::Key_PageDown);
    QTest::keyClick(fenster.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 15));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(Summen, DateKeysDoNothingWhileTheOpenBookingHasChanges)
{
    OeffneMaerz();
    fenster->Eingabe().NewBooking();
    ASSERT_EQ(fenster->Eingabe().GetState(), EntryState::Open);
    // State 1: the keys still step (and the unchanged booking is let go).
    QTest::keyClick(fenster.get(), Qt::Key_PageDown);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 16));
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Idle);

    fenster->Eingabe().NewBooking();
    ASSERT_TRUE(fenster->Eingabe().EditCell(1, 2));
    ASSERT_EQ(fenster->Eingabe().GetState(), EntryState::Changed);
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home})
        QTest::keyClick(fenster.get(), key);
    QTest::keyClick(fenster.get(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 16));
    EXPECT_FALSE(fenster->DatumAuswahl()->IsEnabledFlag());
    EXPECT_EQ(messages.Count(), 0u);

    // Esc throws the changes away without a question.
    QTest::keyClick(fenster.get(), Qt::Key_Escape);
    EXPECT_EQ(fenster->Eingabe().GetState(), EntryState::Idle);
    EXPECT_EQ(fenster->GetBuchungen()->GetCount(), 6);
    EXPECT_TRUE(fenster->DatumAuswahl()->IsEnabledFlag());
    EXPECT_EQ(messages.Count(), 0u);
    QTest::keyClick(fenster.get(), Qt::Key_Escape);  // nothing open: nothing happens
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(Summen, BalanceOfMinusOneTenThousandthIsRed)
{
    const std::string kasse = LegeKasseAn("Minus.kbx", {
        {CDatum::FromYMD(2004, 3, 14), CBetrag(10000), {}},
        {CDatum::FromYMD(2004, 3, 15), {}, CBetrag(10001)},
    });
    Start();
    fenster->ProcessCommandLine({QString::fromStdString(kasse)});
    EXPECT_EQ(Label("labelKassenbestand")->text(), QStringLiteral("-0,00"));
    EXPECT_EQ(BestandFarbe(), QColor(255, 0, 0));
    EXPECT_TRUE(fenster->findChild<CSummenPanel*>()->IstRot());

    // The day before ends on exactly 1,00: not red.
    QTest::keyClick(fenster.get(), Qt::Key_PageUp);
    EXPECT_EQ(Label("labelKassenbestand")->text(), QStringLiteral("1,00"));
    EXPECT_NE(BestandFarbe(), QColor(255, 0, 0));
}

TEST_F(Summen, NoCashBookShowsZerosAndDashes)
{
    Start();
    fenster->ProcessCommandLine({});
    EXPECT_EQ(fenster->GetBuchungen(), nullptr);
    EXPECT_EQ(Betraege(), (V{"0,00", "0,00", "0,00", "0,00"}));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(fenster->findChild<QLabel*>(QStringLiteral("labelWaehrung%1").arg(i))->text(), "-");
    EXPECT_EQ(Titel(), "Kuvex");
    // The window starts on today, whatever year that is.
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2004, 3, 15));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(Summen, StartsOnTodayAlsoInAYearLongAfterTheOldYearList)
{
    history = {};
    Start(QDate(2031, 12, 31));
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2031, 12, 31));
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("31. Dezember 2031"));
    // One step on is the next year, which the list holds.
    QTest::keyClick(fenster.get(), Qt::Key_PageDown);
    EXPECT_EQ(fenster->DatumAuswahl()->GetDate(), CDatum::FromYMD(2032, 1, 1));
}

TEST_F(Summen, MonthModeIsRestoredFromTheSettings)
{
    LegeProgrammOrdnerAn(ordner);
    {
        ScriptedUserMessages still;
        CSettings s(ordner, still);
        ASSERT_TRUE(s.Load());
        s.SetMonthmode(true);
        ASSERT_TRUE(s.Save());
    }
    Start();
    EXPECT_TRUE(fenster->DatumAuswahl()->IsMonthMode());
    EXPECT_TRUE(Radio("radioMonatlich")->isChecked());
    EXPECT_FALSE(Radio("radioTaeglich")->isChecked());
    EXPECT_EQ(Label("labelDatum")->text(), QStringLiteral("März 2004"));
}
