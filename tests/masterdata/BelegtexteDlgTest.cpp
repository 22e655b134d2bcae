// The receipt-text dialog as the user meets it: rows clicked and typed
// into, the buttons pressed, Ctrl+Up/Down on the grid, the questions
// answered from a script; the catalogue checked after "&Speichern".
#include "StammdatenTestHilfe.h"
#include "bookinggrids/GridTyping.h"
#include "masterdata/CBelegtexteDlg.h"
#include "masterdata/CStammdatenGrid.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedUserMessages.h"

#include <QAbstractItemView>
#include <QTemporaryDir>

using namespace stammdaten;
using namespace gridtyping;
using A = UserMessages::Answer;

namespace {

const QColor kGrau(221, 221, 221);

class BelegtexteDlgTest : public ::testing::Test {
protected:
    BelegtexteDlgTest()
    {
        messages.SetOnUnexpected([](const auto& box) { ADD_FAILURE() << "unexpected question: " << box.text; });
    }
    void Oeffne(bool neuerKatalog = false)
    {
        if (neuerKatalog)
            zugriff.katalog = std::make_unique<CBelegtexte>();
        messages.Clear();
        vorher = zugriff.Katalog();
        dlg = std::make_unique<CBelegtexteDlg>(zugriff, messages);
        dlg->show();
    }
    CGridCtrl& Grid() const { return dlg->Grid(); }
    CBelegtexte& Katalog() const { return *zugriff.katalog; }
    void Klicke(const char* name) const { KlickeKnopf(*dlg, name); }
    void Loesche(std::initializer_list<int> zeilen, A antwort = A::Yes)
    {
        for (int r : zeilen)
            KlickeZeile(Grid(), r, r == *zeilen.begin() ? Qt::NoModifier : Qt::ShiftModifier);
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

    QTemporaryDir temp;
    ScriptedUserMessages messages;
    Zugriff zugriff{temp.filePath(QStringLiteral("ust.xml")).toStdString()};
    std::string vorher;
    std::unique_ptr<CBelegtexteDlg> dlg;
};

TEST_F(BelegtexteDlgTest, FillsRowsInSortOrderWithKindRateAndGreySystemText)
{
    Katalog().SetSort(0, 2);     // Anfangsbestand last
    Katalog().SetSort(1, 1);     // Bankeinzahlung before it
    Katalog().SetEinAus(5, 0);   // Porto stored as neither
    Oeffne();
    ASSERT_EQ(Grid().GetRowCount(), 10);
    const std::pair<int, const char*> zeilen[] = {{1, "Bankauszahlung"}, {8, "Bankeinzahlung"}, {9, "Anfangsbestand"}};
    for (const auto& [row, name] : zeilen)
        EXPECT_EQ(Grid().GetItemText(row, 0), name);
    const int verkauf = ZeileMit(Grid(), "Verkauf");
    EXPECT_EQ(Grid().GetItemText(verkauf, 2), "Einnahmen");
    EXPECT_EQ(Grid().GetItemText(verkauf, 3), "19,00");
    EXPECT_EQ(Grid().GetItemText(ZeileMit(Grid(), "Porto"), 2), "Aufteilung");
    // Active rates only ("alt" is not offered), in their "Sort" order.
    const std::vector<std::string> saetze = Grid().GetComboOptions(1, 3);
    ASSERT_EQ(saetze.size(), 6u);
    EXPECT_EQ(saetze[1], "19,00% (Regelsatz)");
    int andere = 0;
    for (int col = 0; col < CBelegtexteDlg::SpaltenZahl; ++col) {
        EXPECT_EQ(Grid().GetItemBkColour(9, col), kGrau) << col;
        // The account is the adviser's choice, also for a system text.
        EXPECT_EQ(Grid().IsCellEditable(9, col), col == CBelegtexteDlg::Statistik || col == CBelegtexteDlg::Konto)
            << col;
        EXPECT_TRUE(Grid().IsCellEditable(8, col)) << col;
        const QString titel = Cp1252::ToQString(Grid().GetItemText(0, col));
        EXPECT_GE(Grid().GetColumnWidth(col), Grid().fontMetrics().horizontalAdvance(titel)) << col;
        andere += col == 1 ? 0 : Grid().GetColumnWidth(col);
    }
    // "Info" takes what the other columns leave.
    EXPECT_EQ(Grid().GetColumnWidth(1), Grid().viewport()->width() - andere);
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
        Oeffne(true);
        Klicke("buttonNeu");
        if (fall.vorherGeloescht)
            Loesche({10});
        messages.Queue(fall.antwort);
        Klicke("buttonSpeichern");
        EXPECT_EQ(messages.Last().text, "Eine leere Zeile wurde entdeckt, wollen sie diese Zeile l\xF6schen?");
        EXPECT_EQ(messages.Last().buttons, UserMessages::Buttons::YesNoCancel);
        EXPECT_EQ(dlg->isVisible(), fall.offen);
        EXPECT_EQ(dlg->result(), fall.ergebnis);
        // The empty row is never written; Yes still saves the other rows.
        EXPECT_EQ(Katalog().GetCount(), 9);
        EXPECT_EQ(Katalog().GetSort(8) == 9, fall.ergebnis == QDialog::Accepted);
        if (fall.offen) {
            EXPECT_TRUE(Grid().IsCellSelected(10, 0));
        }
    }
}

TEST_F(BelegtexteDlgTest, SaveComparesTrimmedNamesAndLeavesDeletedRowsOut)
{
    const std::string doppelt = "Eine Kurzbezeichnung darf nur einmal vorkommen. \xC4ndern Sie den Text!";
    const struct {
        const char* name;
        bool altePortoWeg, neueWeg;
        std::string frage;   // answered Cancel; none: saved with `portos` entries "Porto"
        int portos;
    } faelle[] = {
        {"Porto ", false, false, doppelt, 1},
        {" Porto", false, false, doppelt, 1},
        {"   ", false, false, "Eine leere Zeile wurde entdeckt, wollen sie diese Zeile l\xF6schen?", 1},
        {"Porto", true, false, "", 1},
        {"Porto", true, true, "", 0},   // deleted, added again, deleted again
    };
    for (const auto& f : faelle) {
        Oeffne();
        if (f.altePortoWeg)
            Loesche({ZeileMit(Grid(), "Porto")});
        NeueZeile(QString::fromLatin1(f.name), QStringLiteral("Ausg"), QStringLiteral("19"));
        if (f.neueWeg)
            Loesche({10});
        messages.Queue(A::Cancel);
        Klicke("buttonSpeichern");
        EXPECT_EQ(messages.PendingAnswers() ? std::string() : messages.Last().text, f.frage) << f.name;
        int portos = 0;
        for (int i = 0; i < Katalog().GetCount(); ++i)
            portos += Katalog().GetBezeichnung(i) == "Porto";
        EXPECT_EQ(portos, f.portos) << f.name;
    }
}

TEST_F(BelegtexteDlgTest, DeleteRightAfterOpeningTakesTheRowWithTheFocusFrame)
{
    Katalog().SetSort(0, 99);   // the system text last
    // Keys pressed on the grid first; none leaves row 1.
    for (const Qt::Key taste : {Qt::Key_unknown, Qt::Key_Down}) {
        Oeffne();
        const int vorher = Katalog().GetCount();
        Grid().setFocus();
        if (taste != Qt::Key_unknown)
            QTest::keyClick(&Grid(), taste);
        const int zeile = Grid().GetFocusCell().row;
        ASSERT_GE(zeile, 1);
        const std::string name = Grid().GetItemText(zeile, 0);
        messages.Queue(A::Yes);
        Klicke("buttonLoeschen");
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(Grid().GetRowHeight(zeile), 0) << name;
        Klicke("buttonSpeichern");
        EXPECT_EQ(Katalog().GetCount(), vorher - 1) << name;
    }
}

TEST_F(BelegtexteDlgTest, DeletingTwoEntriesAndASystemTextRemovesExactlyTheTwo)
{
    Oeffne();
    Loesche({1, 2, 3});
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Boxes()[0].text, "Wollen Sie diese Eintr\xE4ge wirklich l\xF6schen");
    EXPECT_EQ(messages.Last().text,
              "Sie haben versuch den Systemtext \"Anfangsbestand\" zu l\xF6schen. L\xF6schen wird ignoriert");
    EXPECT_EQ(messages.Last().caption, "Warnung");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Warning);
    Loesche({4}, A::No);
    Klicke("buttonSpeichern");
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    const std::vector<std::string> rest = {"Anfangsbestand", "Betriebsbedarf", "Geringwertige Wirtschaftsg\xFCter",
                                           "Porto", "Privatentnahme", "Verkauf", "Anlageinvestition"};
    std::vector<std::string> namen;
    for (int i = 0; i < Katalog().GetCount(); ++i)
        namen.push_back(Katalog().GetBezeichnung(i));
    EXPECT_EQ(namen, rest);
}

TEST_F(BelegtexteDlgTest, DownPassesAHiddenRowAlsoOntoTheLastOne)
{
    // The second case presses twice: the end of the list stops it.
    const struct {
        int geloescht, zeile, ziel, druecke;
    } faelle[] = {{3, 2, 4, 1}, {8, 7, 9, 2}};
    for (const auto& fall : faelle) {
        Oeffne(true);
        const std::string name = Grid().GetItemText(fall.zeile, 0);
        const std::string nachbar = Grid().GetItemText(fall.ziel, 0);
        Loesche({fall.geloescht});
        KlickeZeile(Grid(), fall.zeile);
        for (int i = 0; i < fall.druecke; ++i)
            Klicke("buttonAb");
        EXPECT_EQ(Grid().GetItemText(fall.ziel, 0), name);
        Klicke("buttonSpeichern");
        EXPECT_EQ(Katalog().GetSort(Katalog().FindByBezeichnung(name)), fall.ziel);
        EXPECT_EQ(Katalog().GetSort(Katalog().FindByBezeichnung(nachbar)), fall.zeile);
    }
}

TEST_F(BelegtexteDlgTest, CtrlUpOnTheFirstRowDoesNothingAndTheGreyFollowsTheSystemText)
{
    Oeffne();
    KlickeZeile(Grid(), 1);
    QTest::keyClick(&Grid(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(Grid().GetItemText(1, 0), "Anfangsbestand");
    QTest::keyClick(&Grid(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid().GetItemText(2, 0), "Anfangsbestand");
    EXPECT_EQ(Grid().GetItemBkColour(2, 0), kGrau);
    EXPECT_FALSE(Grid().GetItemBkColour(1, 0).isValid());
    EXPECT_TRUE(Grid().IsCellEditable(1, 0));
    // Also from an open editor: the edit ends, the row moves back up.
    ASSERT_TRUE(Grid().EditCell(1, 1));
    QTest::keyClick(LineEditor(Grid()), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Grid().GetItemText(1, 0), "Anfangsbestand");
}

TEST_F(BelegtexteDlgTest, OnlyChangedCellsAreWrittenAndAKindOfZeroIsKept)
{
    const std::pair<const char*, int> faelle[] = {{nullptr, 0}, {"Einn", 1}, {"Ausg", -1}};
    for (const auto& [wahl, einAus] : faelle) {
        zugriff.katalog = std::make_unique<CBelegtexte>();
        Katalog().SetEinAus(5, 0);      // Porto
        Katalog().SetUStID(6, 500);     // Privatentnahme: an inactive rate
        Oeffne();
        EXPECT_EQ(Grid().GetItemText(7, 3), "16,00");
        TypeInto(Grid(), 7, 0, QStringLiteral("Entnahme"));
        if (wahl)
            Pick(Grid(), 6, 2, QString::fromLatin1(wahl));
        Klicke("buttonSpeichern");
        EXPECT_EQ(Katalog().GetEinAus(5), einAus) << (wahl ? wahl : "untouched");
        EXPECT_EQ(Katalog().GetUStID(6), 500);
        EXPECT_EQ(Katalog().GetBezeichnung(6), "Entnahme");
    }
}

TEST_F(BelegtexteDlgTest, NewRowAndVatChoiceAreStoredWithTheRatesId)
{
    Oeffne();
    // Same percentage as the rate before, another id: picked in the open list.
    ASSERT_TRUE(Grid().EditCell(2, 3));
    QComboBox* liste = ComboEditor(Grid());
    QTest::keyClick(liste, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(liste->view()->isVisible());
    QTest::mouseClick(liste->view()->viewport(), Qt::LeftButton, {},
                      liste->view()->visualRect(liste->model()->index(3, 0)).center());
    EXPECT_EQ(Grid().GetItemText(2, 3), "0,00");
    NeueZeile(QStringLiteral("Kaffee"), QStringLiteral("Ausg"), QStringLiteral("7"));
    EXPECT_EQ(Grid().GetItemText(10, 3), "7,00");
    ASSERT_TRUE(Grid().EditCell(10, 1));
    TypeCharacters(LineEditor(Grid()), QString::fromUtf8("Küche"));
    Klicke("buttonSpeichern");
    ASSERT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(Katalog().GetUStID(1), 300);
    ASSERT_EQ(Katalog().GetCount(), 10);
    const std::string neu[] = {Katalog().GetBezeichnung(9), Katalog().GetInfo(9)};
    EXPECT_EQ(neu[0], "Kaffee");
    EXPECT_EQ(neu[1], "K\xFC" "che");
    EXPECT_EQ(Katalog().GetEinAus(9), -1);
    EXPECT_EQ(Katalog().GetUStID(9), 201);
    EXPECT_EQ(Katalog().GetSort(9), 10);
}

} // namespace

TEST_F(BelegtexteDlgTest, AccountColumnIsEditableForSystemTextsAndSurvivesSaveAndReopen)
{
    Oeffne(true);
    const int anfang = ZeileMit(Grid(), "Anfangsbestand");
    const int porto = ZeileMit(Grid(), "Porto");
    EXPECT_EQ(Grid().GetItemText(porto, CBelegtexteDlg::Konto), "4910");
    TypeInto(Grid(), anfang, CBelegtexteDlg::Konto, QStringLiteral("9008"));
    TypeInto(Grid(), porto, CBelegtexteDlg::Konto, QStringLiteral("49a"));   // not an account: refused
    NeueZeile(QStringLiteral("Miete"), QStringLiteral("Ausgaben"), QStringLiteral("19"));
    TypeInto(Grid(), Grid().GetRowCount() - 1, CBelegtexteDlg::Konto, QStringLiteral("4210"));
    Klicke("buttonSpeichern");
    EXPECT_EQ(Katalog().GetKonto(0), "9008");
    EXPECT_EQ(Katalog().GetKonto(5), "4910");
    EXPECT_EQ(Katalog().GetKonto(9), "4210");
    Oeffne();
    EXPECT_EQ(Grid().GetItemText(ZeileMit(Grid(), "Anfangsbestand"), CBelegtexteDlg::Konto), "9008");
    EXPECT_EQ(Grid().GetItemText(ZeileMit(Grid(), "Miete"), CBelegtexteDlg::Konto), "4210");
}
