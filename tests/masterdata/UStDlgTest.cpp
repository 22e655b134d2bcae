// The VAT-rate dialog as the user meets it: the country filter chosen,
// rows clicked and moved with the arrow buttons and Ctrl+Up/Down, the
// inactive box ticked with Space; the table checked after "&Speichern".
#include "StammdatenTestHilfe.h"
#include "masterdata/CStammdatenGrid.h"
#include "masterdata/CUStDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace stammdaten;

namespace {

class UStDlgTest : public ::testing::Test {
protected:
    void Oeffne()
    {
        vorher = Tabelle();
        dlg = std::make_unique<CUStDlg>(Steuer(), nullptr);
        dlg->show();
    }
    CSteuersaetze& Steuer() const { return *zugriff.steuer; }
    std::string Tabelle() const
    {
        std::ostringstream out;
        Steuer().SaveStream(out);
        return out.str();
    }
    CGridCtrl& Grid() const { return dlg->Grid(); }
    void Klicke(const char* name) const
    {
        auto* knopf = dlg->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(knopf, nullptr) << name;
        knopf->click();
    }
    QComboBox* Filter() const { return dlg->findChild<QComboBox*>(QStringLiteral("comboLand")); }
    std::vector<std::string> Sichtbar() const
    {
        std::vector<std::string> namen;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            if (Grid().GetRowHeight(r) > 0)
                namen.push_back(Grid().GetItemText(r, 0));
        return namen;
    }

    QTemporaryDir temp;
    Zugriff zugriff{temp.filePath(QStringLiteral("ust.xml")).toStdString()};
    std::string vorher;
    std::unique_ptr<CUStDlg> dlg;
};

const char* const kOe1 = "steuerfrei \xD6sterreich";
const char* const kOe2 = "Normalsatz \xD6sterreich";

TEST_F(UStDlgTest, ShowsTheRatesInSortOrderReadOnlyWithTheirDates)
{
    Oeffne();
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8("USt-Sätze einrichten"));
    ASSERT_EQ(Filter()->count(), 4);
    EXPECT_EQ(Filter()->itemText(0), "<Alle>");
    EXPECT_EQ(Filter()->itemText(2), QString::fromUtf8("Österreich"));
    EXPECT_EQ(Grid().GetItemText(0, 1), "g\xFCltig ab");
    EXPECT_EQ(Grid().GetItemText(0, 2), "%-Satz");
    const std::vector<std::string> alle = {"steuerfrei", "Regelsatz", "erm\xE4\xDFigt", kOe1, kOe2, "alt", "Zoll"};
    EXPECT_EQ(Sichtbar(), alle);
    // 1968, 2007, 1970 (in June), 1971.
    const char* daten[] = {"", "01.01.2007", "", "01.01.1971"};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(Grid().GetItemText(r, 1), daten[r - 1]) << r;
    EXPECT_EQ(Grid().GetItemText(2, 2), "19,00");
    EXPECT_EQ(Grid().GetItemFormat(2, 2) & GVF_RIGHT, GVF_RIGHT);
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(Grid().IsCellEditable(2, col), col == 3) << col;
        EXPECT_EQ(Grid().GetItemBkColour(2, col), col < 3 ? QColor(238, 238, 238) : QColor()) << col;
        EXPECT_EQ(Grid().GetItemFgColour(2, col), col < 3 ? QColor(34, 34, 34) : QColor()) << col;
    }
    EXPECT_TRUE(Grid().GetCheck(6, 3));
    EXPECT_FALSE(Grid().GetCheck(5, 3));
}

TEST_F(UStDlgTest, CountryFilterShowsOnlyThatCountrysRates)
{
    const std::vector<std::vector<std::string>> erwartet = {
        {"steuerfrei", "Regelsatz", "erm\xE4\xDFigt", kOe1, kOe2, "alt", "Zoll"},
        {"steuerfrei", "Regelsatz", "erm\xE4\xDFigt", "alt"},
        {kOe1, kOe2},
        {},
    };
    Oeffne();
    KlickeZeile(Grid(), 1);
    for (int land : {1, 2, 3, 0}) {
        Filter()->setCurrentIndex(land);
        EXPECT_EQ(Sichtbar(), erwartet[static_cast<std::size_t>(land)]) << land;
    }
    // The focus went with its row when the filter hid it: DOWN moves nothing unseen.
    Filter()->setCurrentIndex(2);
    Klicke("buttonAb");
    Filter()->setCurrentIndex(0);
    EXPECT_EQ(Sichtbar(), erwartet[0]);
}

TEST_F(UStDlgTest, AustrianFilterStopsAtItsLastRow)
{
    Oeffne();
    Filter()->setCurrentIndex(2);
    KlickeZeile(Grid(), 4);
    Klicke("buttonAb");
    EXPECT_EQ(Grid().GetItemText(5, 0), kOe1);
    // German rates follow below; the filter has hidden them.
    Klicke("buttonAb");
    QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid().GetItemText(5, 0), kOe1);
    EXPECT_EQ(Grid().GetItemText(6, 0), "alt");
    Filter()->setCurrentIndex(0);
    const std::vector<std::string> alle = {"steuerfrei", "Regelsatz", "erm\xE4\xDFigt", kOe2, kOe1, "alt", "Zoll"};
    EXPECT_EQ(Sichtbar(), alle);
    Klicke("buttonSpeichern");
    EXPECT_EQ(Steuer().GetSort(301), 4);
    EXPECT_EQ(Steuer().GetSort(300), 5);
}

TEST_F(UStDlgTest, SavingAfterOnlyReorderingRewritesEverySortAndKeepsInaktiv)
{
    Steuer().SetSort(100, 10);   // steuerfrei goes last
    Oeffne();
    KlickeZeile(Grid(), 7);
    QTest::keyClick(&Grid(), Qt::Key_Up, Qt::ControlModifier);
    Klicke("buttonSpeichern");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    const std::pair<int, int> sortNachId[] = {{200, 1}, {201, 2}, {300, 3}, {301, 4}, {500, 5}, {100, 6}, {600, 7}};
    for (const auto& [id, sort] : sortNachId) {
        EXPECT_EQ(Steuer().GetSort(id), sort) << id;
        EXPECT_EQ(Steuer().IsInaktiv(id), id == 500) << id;
    }
    const std::string text = Tabelle();
    EXPECT_EQ(text.find("Inaktiv"), text.rfind("Inaktiv"));
}

TEST_F(UStDlgTest, SpaceTicksInactiveAndCancelWritesNothing)
{
    Oeffne();
    KlickeZeile(Grid(), 2);
    QTest::keyClick(&Grid(), Qt::Key_End);
    QTest::keyClick(&Grid(), Qt::Key_Space);
    EXPECT_TRUE(Grid().GetCheck(2, 3));
    Klicke("buttonAuf");
    Klicke("buttonAbbrechen");
    EXPECT_EQ(Tabelle(), vorher);

    Oeffne();
    KlickeZeile(Grid(), 6);
    QTest::keyClick(&Grid(), Qt::Key_End);
    QTest::keyClick(&Grid(), Qt::Key_Space);
    Klicke("buttonSpeichern");
    EXPECT_FALSE(Steuer().IsInaktiv(500));
}

TEST_F(UStDlgTest, F1AsksForItsHelpTopic)
{
    Oeffne();
    QSignalSpy hilfe(dlg.get(), &CUStDlg::HilfeAngefordert);
    QTest::keyClick(&Grid(), Qt::Key_F1);
    ASSERT_EQ(hilfe.count(), 1);
    EXPECT_EQ(hilfe.at(0).at(0).toInt(), 800);
}

} // namespace
