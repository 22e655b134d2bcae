// The receipt-text dialog as the user meets it: rows clicked and typed
// into, the buttons pressed, Ctrl+Up/Down on the grid, the questions
// answered from a script; the catalogue checked after "&Speichern".
#include "StammdatenTestHilfe.h"
#include "bookinggrids/GridTyping.h"
#include "masterdata/CBelegtexteDlg.h"
#include "masterdata/CStammdatenGrid.h"
#include "platform/ScriptedUserMessages.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

using namespace stammdaten;
using namespace gridtyping;
using A = UserMessages::Answer;

namespace {

class BelegtexteDlgTest : public ::testing::Test {
protected:
    BelegtexteDlgTest()
    {
        messages.SetOnUnexpected([](const ScriptedUserMessages::Box& box) {
            ADD_FAILURE() << "unexpected question: " << box.text;
        });
    }
    void Oeffne()
    {
        vorher = zugriff.Katalog();
        dlg = std::make_unique<CBelegtexteDlg>(zugriff, messages);
        dlg->show();
    }
    CGridCtrl& Grid() const { return dlg->Grid(); }
    void Klicke(const char* name) const
    {
        auto* knopf = dlg->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(knopf, nullptr) << name;
        knopf->click();
    }
    void Loesche(std::initializer_list<int> zeilen, A antwort = A::Yes)
    {
        KlickeZeile(Grid(), *zeilen.begin());
        for (int r : zeilen)
            KlickeZeile(Grid(), r, Qt::ShiftModifier);
        messages.Queue(antwort);
        Klicke("buttonLoeschen");
    }
    // "&Neu", then the name, the kind and the rate as the user types and picks them.
    void NeueZeile(const QString& name, const QString& art, const QString& ust)
    {
        Klicke("buttonNeu");
        const int row = Grid().GetRowCount() - 1;
        ASSERT_EQ(Grid().GetFocusCell(), CCellID(row, 0));
        TypeInto(Grid(), row, 0, name);
        Pick(Grid(), row, 2, art);
        Pick(Grid(), row, 3, ust);
    }
    std::vector<std::string> Namen() const
    {
        std::vector<std::string> namen;
        for (int i = 0; i < zugriff.katalog->GetCount(); ++i)
            namen.push_back(zugriff.katalog->GetBezeichnung(i));
        return namen;
    }
    std::vector<std::string> Spalte0() const
    {
        std::vector<std::string> texte;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            texte.push_back(Grid().GetItemText(r, 0));
        return texte;
    }

    QTemporaryDir temp;
    ScriptedUserMessages messages;
    Zugriff zugriff{temp.filePath(QStringLiteral("ust.xml")).toStdString()};
    std::string vorher;
    std::unique_ptr<CBelegtexteDlg> dlg;
};

const QColor kGrau(221, 221, 221);

TEST_F(BelegtexteDlgTest, FillsRowsInSortOrderWithKindRateAndGreySystemText)
{
    zugriff.katalog->SetSort(0, 2);     // Anfangsbestand last
    zugriff.katalog->SetSort(1, 1);     // Bankeinzahlung before it
    zugriff.katalog->SetEinAus(5, 0);   // Porto stored as neither
    Oeffne();
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8("Belegtexte für das Kassenbuch"));
    const char* titel[] = {"Bezeichnung", "Info", "Art", "USt/%", "inaktiv", "Statistik"};
    int andere = 0;
    for (int col = 0; col < 6; ++col) {
        EXPECT_EQ(Grid().GetItemText(0, col), titel[col]);
        EXPECT_GE(Grid().GetColumnWidth(col), Grid().fontMetrics().horizontalAdvance(QString::fromLatin1(titel[col])));
        andere += col == 1 ? 0 : Grid().GetColumnWidth(col);
    }
    // "Info" takes what the other columns leave.
    EXPECT_EQ(Grid().GetColumnWidth(1), Grid().viewport()->width() - andere);
    ASSERT_EQ(Grid().GetRowCount(), 10);
    EXPECT_EQ(Grid().GetItemText(1, 0), "Bankauszahlung");
    EXPECT_EQ(Grid().GetItemText(8, 0), "Bankeinzahlung");
    EXPECT_EQ(Grid().GetItemText(9, 0), "Anfangsbestand");
    const int verkauf = ZeileMit(Grid(), "Verkauf");
    EXPECT_EQ(Grid().GetItemText(verkauf, 2), "Einnahmen");
    EXPECT_EQ(Grid().GetItemText(verkauf, 3), "19,00");
    EXPECT_TRUE(Grid().GetCheck(verkauf, 5));
    EXPECT_EQ(Grid().GetItemText(ZeileMit(Grid(), "Porto"), 2), "Aufteilung");
    EXPECT_EQ(Grid().GetItemText(1, 2), "Einnahmen");
    EXPECT_EQ(Grid().GetItemText(2, 2), "Ausgaben");
    // Only active rates are offered, in their "Sort" order.
    const std::vector<std::string> saetze = {"0,00% (steuerfrei)", "19,00% (Regelsatz)", "7,00% (erm\xE4\xDFigt)",
                                             "0,00% (steuerfrei \xD6sterreich)", "20,00% (Normalsatz \xD6sterreich)",
                                             "5,00% (Zoll)"};
    EXPECT_EQ(Grid().GetComboOptions(1, 3), saetze);
    for (int col = 0; col < 6; ++col) {
        EXPECT_EQ(Grid().GetItemBkColour(9, col), kGrau) << col;
        EXPECT_EQ(Grid().IsCellEditable(9, col), col == 5) << col;
        EXPECT_FALSE(Grid().GetItemBkColour(8, col).isValid()) << col;
        EXPECT_TRUE(Grid().IsCellEditable(8, col)) << col;
    }
}

TEST_F(BelegtexteDlgTest, EmptyRowQuestionAnsweredYesNoAndCancel)
{
    const struct {
        bool vorherGeloescht;
        A antwort;
        bool offen;
        QDialog::DialogCode ergebnis;
    } faelle[] = {
        {false, A::Yes, false, QDialog::Accepted},
        {true, A::Yes, false, QDialog::Accepted},   // deleted rows are checked too
        {false, A::No, true, QDialog::Rejected},
        {false, A::Cancel, false, QDialog::Rejected},
    };
    for (const auto& fall : faelle) {
        messages.Clear();
        zugriff.katalog = std::make_unique<CBelegtexte>();
        Oeffne();
        Klicke("buttonNeu");
        if (fall.vorherGeloescht)
            Loesche({10});
        messages.Queue(fall.antwort);
        Klicke("buttonSpeichern");
        ASSERT_EQ(messages.Count(), fall.vorherGeloescht ? 2u : 1u);
        EXPECT_EQ(messages.Last().text, "Eine leere Zeile wurde entdeckt, wollen sie diese Zeile l\xF6schen?");
        EXPECT_EQ(messages.Last().buttons, UserMessages::Buttons::YesNoCancel);
        EXPECT_EQ(messages.Last().caption, "Kuvex");
        EXPECT_EQ(dlg->isVisible(), fall.offen);
        EXPECT_EQ(dlg->result(), fall.ergebnis);
        // The empty row is never written; Yes still saves the other rows.
        EXPECT_EQ(zugriff.katalog->GetCount(), 9);
        EXPECT_EQ(zugriff.katalog->GetSort(8) == 9, fall.ergebnis == QDialog::Accepted);
        if (fall.offen) {
            EXPECT_TRUE(Grid().IsCellSelected(10, 0));
        }
    }
}

TEST_F(BelegtexteDlgTest, DuplicateIsRefusedEvenAgainstADeletedRow)
{
    Oeffne();
    Loesche({6});   // Porto
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Wollen Sie diesen Eintrag wirklich l\xF6schen");
    EXPECT_EQ(messages.Last().buttons, UserMessages::Buttons::YesNo);
    EXPECT_EQ(Grid().GetRowHeight(6), 0);
    NeueZeile(QStringLiteral("Porto"), QStringLiteral("Ausg"), QStringLiteral("19"));

    for (A antwort : {A::Ok, A::Cancel}) {
        messages.Queue(antwort);
        Klicke("buttonSpeichern");
        EXPECT_EQ(messages.Last().text,
                  "Eine Kurzbezeichnung darf nur einmal vorkommen. \xC4ndern Sie den Text!");
        EXPECT_EQ(messages.Last().buttons, UserMessages::Buttons::OkCancel);
        EXPECT_EQ(dlg->isVisible(), antwort == A::Ok);
        EXPECT_EQ(zugriff.Katalog(), vorher);
    }
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(BelegtexteDlgTest, DeletingTwoEntriesRemovesExactlyThose)
{
    Oeffne();
    Loesche({2, 3});
    EXPECT_EQ(messages.Last().text, "Wollen Sie diese Eintr\xE4ge wirklich l\xF6schen");
    Klicke("buttonSpeichern");
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    const std::vector<std::string> rest = {"Anfangsbestand", "Betriebsbedarf", "Geringwertige Wirtschaftsg\xFCter",
                                           "Porto", "Privatentnahme", "Verkauf", "Anlageinvestition"};
    EXPECT_EQ(Namen(), rest);
    EXPECT_EQ(zugriff.katalog->GetSort(1), 4);
}

TEST_F(BelegtexteDlgTest, SystemTextIsNotDeletedAndSaysSo)
{
    Oeffne();
    Loesche({1, 2});
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text,
              "Sie haben versuch den Systemtext \"Anfangsbestand\" zu l\xF6schen. L\xF6schen wird ignoriert");
    EXPECT_EQ(messages.Last().caption, "Warnung");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Warning);
    EXPECT_GT(Grid().GetRowHeight(1), 0);
    EXPECT_EQ(Grid().GetRowHeight(2), 0);
    // No after the question deletes nothing at all.
    Loesche({3}, A::No);
    EXPECT_GT(Grid().GetRowHeight(3), 0);
    Klicke("buttonSpeichern");
    EXPECT_EQ(zugriff.katalog->GetBezeichnung(0), "Anfangsbestand");
    EXPECT_EQ(zugriff.katalog->FindByBezeichnung("Bankeinzahlung"), -1);
    EXPECT_EQ(zugriff.katalog->GetCount(), 8);
}

TEST_F(BelegtexteDlgTest, DownPassesAHiddenRowAlsoOntoTheLastOne)
{
    const struct {
        int geloescht, zeile, ziel;
    } faelle[] = {{3, 2, 4}, {8, 7, 9}};
    for (const auto& fall : faelle) {
        messages.Clear();
        Oeffne();
        const std::string name = Grid().GetItemText(fall.zeile, 0);
        const std::string nachbar = Grid().GetItemText(fall.ziel, 0);
        Loesche({fall.geloescht});
        KlickeZeile(Grid(), fall.zeile);
        Klicke("buttonAb");
        EXPECT_EQ(Grid().GetItemText(fall.ziel, 0), name);
        EXPECT_EQ(Grid().GetItemText(fall.zeile, 0), nachbar);
        EXPECT_EQ(Grid().GetFocusCell().row, fall.ziel);
        // The end of the list stops it.
        if (fall.ziel == 9) {
            Klicke("buttonAb");
            EXPECT_EQ(Grid().GetItemText(9, 0), name);
        }
        Klicke("buttonSpeichern");
        ASSERT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(zugriff.katalog->GetSort(zugriff.katalog->FindByBezeichnung(name)), fall.ziel);
        EXPECT_EQ(zugriff.katalog->GetSort(zugriff.katalog->FindByBezeichnung(nachbar)), fall.zeile);
        zugriff.katalog = std::make_unique<CBelegtexte>();
    }
}

TEST_F(BelegtexteDlgTest, CtrlUpOnTheFirstRowDoesNothingAndTheGreyFollowsTheSystemText)
{
    Oeffne();
    KlickeZeile(Grid(), 1);
    QTest::keyClick(&Grid(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Spalte0().front(), "Anfangsbestand");
    EXPECT_EQ(Grid().GetFocusCell().row, 1);
    QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid().GetItemText(2, 0), "Anfangsbestand");
    EXPECT_EQ(Grid().GetItemBkColour(2, 0), kGrau);
    EXPECT_FALSE(Grid().GetItemBkColour(1, 0).isValid());
    EXPECT_TRUE(Grid().IsCellEditable(1, 0));
    EXPECT_FALSE(Grid().IsCellEditable(2, 0));
    // Also from an open editor: the edit ends, the row moves back up.
    ASSERT_TRUE(Grid().EditCell(1, 1));
    QTest::keyClick(LineEditor(Grid()), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid().GetItemText(1, 0), "Anfangsbestand");
}

TEST_F(BelegtexteDlgTest, KindStoredAsZeroIsKeptUnlessChanged)
{
    const std::pair<const char*, int> faelle[] = {{nullptr, 0}, {"Einn", 1}, {"Ausg", -1}};
    for (const auto& [wahl, einAus] : faelle) {
        zugriff.katalog = std::make_unique<CBelegtexte>();
        zugriff.katalog->SetEinAus(5, 0);
        Oeffne();
        TypeInto(Grid(), 6, 1, QStringLiteral("Briefmarken"));
        if (wahl)
            Pick(Grid(), 6, 2, QString::fromLatin1(wahl));
        Klicke("buttonSpeichern");
        EXPECT_EQ(zugriff.katalog->GetEinAus(5), einAus) << (wahl ? wahl : "untouched");
        EXPECT_EQ(zugriff.katalog->GetInfo(5), "Briefmarken");
    }
}

TEST_F(BelegtexteDlgTest, VatChoiceIsStoredAsTheRatesIdAndUntouchedIdsStay)
{
    zugriff.katalog->SetUStID(6, 500);   // Privatentnahme: an inactive rate
    Oeffne();
    EXPECT_EQ(Grid().GetItemText(7, 3), "16,00");
    TypeInto(Grid(), 7, 0, QStringLiteral("Entnahme"));
    // Same percentage as the rate before, another id: the second "0…" of the list.
    ASSERT_TRUE(Grid().EditCell(2, 3));
    QComboBox* liste = ComboEditor(Grid());
    ASSERT_NE(liste, nullptr);
    QTest::keyClick(liste, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(liste->view()->isVisible());
    const QRect eintrag = liste->view()->visualRect(liste->model()->index(3, 0));
    QTest::mouseClick(liste->view()->viewport(), Qt::LeftButton, {}, eintrag.center());
    EXPECT_FALSE(Grid().IsEditing());
    EXPECT_EQ(Grid().GetItemText(2, 3), "0,00");
    NeueZeile(QString::fromUtf8("Kaffee"), QStringLiteral("Ausg"), QStringLiteral("7"));
    EXPECT_EQ(Grid().GetItemText(10, 3), "7,00");
    ASSERT_TRUE(Grid().EditCell(10, 1));
    TypeCharacters(LineEditor(Grid()), QString::fromUtf8("Küche"));
    QTest::keyClick(LineEditor(Grid()), Qt::Key_Tab);
    Klicke("buttonSpeichern");
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(zugriff.katalog->GetUStID(1), 300);
    EXPECT_EQ(zugriff.katalog->GetUStID(6), 500);
    EXPECT_EQ(zugriff.katalog->GetBezeichnung(6), "Entnahme");
    ASSERT_EQ(zugriff.katalog->GetCount(), 10);
    EXPECT_EQ(zugriff.katalog->GetBezeichnung(9), "Kaffee");
    EXPECT_EQ(zugriff.katalog->GetInfo(9), "K\xFC" "che");
    EXPECT_EQ(zugriff.katalog->GetEinAus(9), -1);
    EXPECT_EQ(zugriff.katalog->GetUStID(9), 201);
    EXPECT_EQ(zugriff.katalog->GetSort(9), 10);
}

TEST_F(BelegtexteDlgTest, CancelLeavesTheCatalogueByteIdentical)
{
    Oeffne();
    TypeInto(Grid(), 2, 0, QStringLiteral("Bank"));
    Loesche({4});
    NeueZeile(QStringLiteral("Neu"), QStringLiteral("Einn"), QStringLiteral("19"));
    KlickeZeile(Grid(), 5);
    Klicke("buttonAuf");
    Klicke("buttonAbbrechen");
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(zugriff.Katalog(), vorher);
}

TEST_F(BelegtexteDlgTest, F1AsksForItsHelpTopic)
{
    Oeffne();
    QSignalSpy hilfe(dlg.get(), &CBelegtexteDlg::HilfeAngefordert);
    QTest::keyClick(&Grid(), Qt::Key_F1);
    ASSERT_EQ(hilfe.count(), 1);
    EXPECT_EQ(hilfe.at(0).at(0).toInt(), 700);
}

} // namespace
