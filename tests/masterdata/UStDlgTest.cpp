// The VAT-rate dialog as the user meets it: the country filter chosen,
// rows clicked and moved with the arrow buttons and Ctrl+Up/Down, the
// inactive box ticked with Space; the table checked after "&Speichern".
#include "StammdatenTestHilfe.h"
#include "masterdata/CStammdatenGrid.h"
#include "masterdata/CUStDlg.h"

#include <QComboBox>
#include <QTemporaryDir>

using namespace stammdaten;

namespace {

const char* const kOe1 = "steuerfrei \xD6sterreich";
const char* const kOe2 = "Normalsatz \xD6sterreich";
using Namen = std::vector<std::string>;

class UStDlgTest : public ::testing::Test {
protected:
    void Oeffne()
    {
        dlg = std::make_unique<CUStDlg>(Steuer(), nullptr);
        dlg->show();
    }
    CSteuersaetze& Steuer() const { return *zugriff.steuer; }
    CGridCtrl& Grid() const { return dlg->Grid(); }
    void Filter(int land) const { dlg->findChild<QComboBox*>(QStringLiteral("comboLand"))->setCurrentIndex(land); }
    Namen Sichtbar() const
    {
        Namen namen;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            if (Grid().GetRowHeight(r) > 0)
                namen.push_back(Grid().GetItemText(r, 0));
        return namen;
    }
    // Clicks the row, goes to its "inaktiv" box and presses Space.
    void Kreuze(int row)
    {
        KlickeZeile(Grid(), row);
        QTest::keyClick(&Grid(), Qt::Key_End);
        QTest::keyClick(&Grid(), Qt::Key_Space);
    }

    QTemporaryDir temp;
    Zugriff zugriff{temp.filePath(QStringLiteral("ust.xml")).toStdString()};
    std::unique_ptr<CUStDlg> dlg;
};

TEST_F(UStDlgTest, ShowsTheRatesInSortOrderReadOnlyAndFilteredByCountry)
{
    Oeffne();
    const Namen alle = {"steuerfrei", "Regelsatz", "erm\xE4\xDFigt", kOe1, kOe2, "alt", "Zoll"};
    EXPECT_EQ(Sichtbar(), alle);
    // 1968, 2007, 1970 (in June), 1971.
    const char* daten[] = {"", "01.01.2007", "", "01.01.1971"};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(Grid().GetItemText(r, 1), daten[r - 1]) << r;
    EXPECT_EQ(Grid().GetItemText(2, 2), "19,00");
    for (int col = 0; col < 4; ++col) {
        EXPECT_EQ(Grid().IsCellEditable(2, col), col == 3) << col;
        EXPECT_EQ(Grid().GetItemBkColour(2, col), col < 3 ? QColor(238, 238, 238) : QColor()) << col;
        EXPECT_EQ(Grid().GetItemFgColour(2, col), col < 3 ? QColor(34, 34, 34) : QColor()) << col;
    }
    EXPECT_TRUE(Grid().GetCheck(6, 3));

    const Namen gefiltert[] = {alle, {"steuerfrei", "Regelsatz", "erm\xE4\xDFigt", "alt"}, {kOe1, kOe2}, {}};
    KlickeZeile(Grid(), 1);
    for (int land : {1, 2, 3, 0}) {
        Filter(land);
        EXPECT_EQ(Sichtbar(), gefiltert[land]) << land;
    }
    // A row the filter hid is not moved unseen.
    Filter(2);
    KlickeKnopf(*dlg, "buttonAb");
    Filter(0);
    EXPECT_EQ(Sichtbar(), alle);
}

TEST_F(UStDlgTest, AustrianFilterStopsAtItsLastRow)
{
    Oeffne();
    Filter(2);
    KlickeZeile(Grid(), 4);
    KlickeKnopf(*dlg, "buttonAb");
    // German rates follow below; the filter has hidden them.
    KlickeKnopf(*dlg, "buttonAb");
    QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ControlModifier);
    Filter(0);
    EXPECT_EQ(Sichtbar(), (Namen{"steuerfrei", "Regelsatz", "erm\xE4\xDFigt", kOe2, kOe1, "alt", "Zoll"}));
    KlickeKnopf(*dlg, "buttonSpeichern");
    EXPECT_EQ(Steuer().GetSort(301), 4);
    EXPECT_EQ(Steuer().GetSort(300), 5);
}

TEST_F(UStDlgTest, SavingAfterOnlyReorderingRewritesEverySortAndKeepsInaktiv)
{
    Steuer().SetSort(100, 10);   // steuerfrei goes last
    Oeffne();
    KlickeZeile(Grid(), 7);
    QTest::keyClick(&Grid(), Qt::Key_Up, Qt::ControlModifier);
    KlickeKnopf(*dlg, "buttonSpeichern");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    const std::pair<int, int> sortNachId[] = {{200, 1}, {201, 2}, {300, 3}, {301, 4}, {500, 5}, {100, 6}, {600, 7}};
    for (const auto& [id, sort] : sortNachId) {
        EXPECT_EQ(Steuer().GetSort(id), sort) << id;
        EXPECT_EQ(Steuer().IsInaktiv(id), id == 500) << id;
    }
    const std::string text = Bytes(Steuer());
    EXPECT_EQ(text.find("Inaktiv"), text.rfind("Inaktiv"));
}

TEST_F(UStDlgTest, SpaceSwitchesInactiveAndCancelWritesNothing)
{
    for (const char* knopf : {"buttonAbbrechen", "buttonSpeichern"}) {
        Oeffne();
        Kreuze(6);
        KlickeKnopf(*dlg, "buttonAuf");
        KlickeKnopf(*dlg, knopf);
    }
    // Cancel left the table as it was, so the save switched "alt" on again.
    EXPECT_FALSE(Steuer().IsInaktiv(500));
    EXPECT_EQ(Steuer().GetSort(500), 5);
}

} // namespace
