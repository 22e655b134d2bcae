// New bookings typed into the entry grid: the day preset by the mode, the
// receipt text opening its amount column, the validation messages and the
// cell they return to, Enter on an incomplete and on a complete booking.
#include "EingabeTestBasis.h"

#include "core/CBuchungsErfassung.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

using namespace gridtyping;

namespace {

const std::string kCaption = "Unvollst\xE4ndige Eingabe";
const std::string kTag = "Geben Sie einen g\xFC" "ltigen Tag ein!";
const std::string kBetrag = "Geben Sie einen Betrag ein!";
const std::string kBelegtext = "Geben Sie einen Belegtext ein!";

} // namespace

TEST_F(EingabeTest, DailyModePresetsTheSelectedDayReadOnlyAndOpensTheReceiptText)
{
    zugriff.Select(2004, 3, 28, false);
    grid->NewBooking();

    EXPECT_EQ(grid->GetState(), EntryState::Open);
    EXPECT_EQ(states, std::vector<int>{1});  // no flicker through 2
    ASSERT_EQ(grid->GetRowCount(), 2);
    EXPECT_EQ(Text(1, 0), "28");
    EXPECT_TRUE(ReadOnly(1, 0));
    EXPECT_EQ(grid->GetItemBkColour(1, 0), QColor(221, 221, 221));
    EXPECT_EQ(Text(1, 6), "EUR");
    EXPECT_TRUE(ReadOnly(1, 4));
    EXPECT_TRUE(ReadOnly(1, 5));
    EXPECT_TRUE(ReadOnly(1, 6));
    EXPECT_EQ(grid->GetItemData(1, 0), -1);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 1));
    EXPECT_EQ(grid->GetRecordIndex(), -1);
    EXPECT_FALSE(grid->EditCell(1, 0));
}

TEST_F(EingabeTest, MonthlyModePresetsTheDayOfThePreviousBookingOfThisRun)
{
    zugriff.Select(2004, 4, 1, true);
    grid->NewBooking();
    EXPECT_EQ(Text(1, 0), "");  // nothing booked yet in this run
    EXPECT_FALSE(ReadOnly(1, 0));
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));

    TypeIntoOpenEditor(*grid, "17");
    PickInOpenList(*grid, "Verk");
    TypeInto(*grid, 1, 4, "250");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(grid->GetState(), EntryState::Idle);
    EXPECT_EQ(grid->GetRowCount(), 1);
    EXPECT_EQ(grid->GetLastDay(), 17);

    grid->NewBooking();
    EXPECT_EQ(Text(1, 0), "17");
    EXPECT_FALSE(ReadOnly(1, 0));
}

TEST_F(EingabeTest, Day31OfA30DayMonthIsRefusedWithTheDayMessage)
{
    // The 31st of October was booked last; November keeps that preset.
    zugriff.Select(2004, 10, 1, true);
    grid->NewBooking();
    TypeIntoOpenEditor(*grid, "31");
    PickInOpenList(*grid, "Verk");
    TypeInto(*grid, 1, 4, "10");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetItem(0).Datum, CDatum::FromYMD(2004, 10, 31));

    zugriff.Select(2004, 11, 1, true);
    grid->NewBooking();
    ASSERT_EQ(grid->GetEditCell(), CCellID(1, 0));
    QTest::keyClick(LineEditor(*grid), Qt::Key_Tab);  // leaves "31" as it is
    PickInOpenList(*grid, "Verk");
    TypeInto(*grid, 1, 4, "10");

    EXPECT_FALSE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kTag);
    EXPECT_EQ(messages.Last().caption, kCaption);
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Error);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));
    EXPECT_EQ(grid->GetState(), EntryState::Changed);
    EXPECT_EQ(zugriff.journal.GetCount(), 1);

    // The 30th is the last day November has.
    TypeIntoOpenEditor(*grid, "30");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    EXPECT_EQ(zugriff.journal.GetItem(1).Datum, CDatum::FromYMD(2004, 11, 30));
}

// A day typed into "Tag" in monthly mode, and whether the month has it.
struct TagFall {
    int jahr;
    int monat;
    const char* tag;
    bool gebucht;
};

void PrintTo(const TagFall& f, std::ostream* os)
{
    *os << '"' << f.tag << "\" in " << f.monat << '/' << f.jahr;
}

class EingabeTagTest : public EingabeTest, public ::testing::WithParamInterface<TagFall> {};

TEST_P(EingabeTagTest, TheDayIsKeptAsTypedAndCheckedWhenTheBookingIsSettled)
{
    const TagFall& f = GetParam();
    zugriff.Select(f.jahr, f.monat, 1, true);
    grid->NewBooking();
    ASSERT_EQ(grid->GetEditCell(), CCellID(1, 0));
    QLineEdit* edit = LineEditor(*grid);
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, f.tag);
    // Nothing is cut off while typing: "31" must not become the 3rd.
    EXPECT_EQ(edit->text(), f.tag);
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(Text(1, 0), f.tag);
    const int tag = std::atoi(f.tag);
    EXPECT_EQ(grid->GetCellNumber(1, 0), tag);
    PickInOpenList(*grid, "Verk");
    TypeInto(*grid, 1, 4, "10");

    EXPECT_EQ(grid->Finish(&zugriff.journal), f.gebucht);
    if (f.gebucht) {
        EXPECT_EQ(messages.Count(), 0u);
        ASSERT_EQ(zugriff.journal.GetCount(), 1);
        EXPECT_EQ(zugriff.journal.GetItem(0).Datum, CDatum::FromYMD(f.jahr, f.monat, tag));
        EXPECT_EQ(grid->GetState(), EntryState::Idle);
    } else {
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, kTag);
        EXPECT_EQ(messages.Last().caption, kCaption);
        EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Error);
        EXPECT_EQ(zugriff.journal.GetCount(), 0);
        EXPECT_EQ(grid->GetState(), EntryState::Changed);
        EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));
        EXPECT_EQ(Text(1, 0), f.tag);
    }
}

INSTANTIATE_TEST_SUITE_P(Monatsgrenzen, EingabeTagTest,
                         ::testing::Values(TagFall{2004, 11, "0", false}, TagFall{2004, 11, "31", false},
                                           TagFall{2004, 11, "45", false}, TagFall{2004, 2, "30", false},
                                           TagFall{2003, 2, "29", false}, TagFall{2004, 11, "30", true},
                                           TagFall{2024, 2, "29", true}, TagFall{2004, 1, "31", true}));

TEST_F(EingabeTest, IncomeTextClosesPaymentsAndAZeroAmountIsRefused)
{
    zugriff.Select(2004, 3, 28, false);
    grid->NewBooking();
    PickInOpenList(*grid, "Verk");
    EXPECT_EQ(Text(1, 1), "Verkauf");
    EXPECT_FALSE(ReadOnly(1, 4));
    EXPECT_EQ(grid->GetItemBkColour(1, 4), QColor(Qt::white));
    EXPECT_TRUE(ReadOnly(1, 5));
    EXPECT_EQ(Text(1, 5), "0");
    EXPECT_EQ(Text(1, 7), "19,00");
    EXPECT_EQ(grid->GetItemData(1, 7), 200);
    EXPECT_EQ(grid->GetState(), EntryState::Changed);

    TypeInto(*grid, 1, 4, "0");
    EXPECT_FALSE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kBetrag);
    EXPECT_EQ(messages.Last().caption, kCaption);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 4));
    EXPECT_EQ(zugriff.journal.GetCount(), 0);

    TypeIntoOpenEditor(*grid, "1234,5");
    EXPECT_EQ(Text(1, 4), "1.234,50");
    TypeInto(*grid, 1, 2, "Kasse 1");
    TypeInto(*grid, 1, 3, "RG-7");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(zugriff.journal.GetCount(), 1);
    const CBuchungssatz& s = zugriff.journal.GetItem(0);
    EXPECT_EQ(s.Datum, CDatum::FromYMD(2004, 3, 28));
    EXPECT_EQ(s.Notiz, "Kasse 1");
    EXPECT_EQ(s.RgNr, "RG-7");
    EXPECT_FALSE(s.Aufteilung);
    ASSERT_EQ(zugriff.journal.GetLineCount(0), 1);
    const CBuchungszeile& z = zugriff.journal.GetItem(0, 0);
    EXPECT_EQ(z.Bezeichnung, "Verkauf");
    EXPECT_EQ(z.Notiz, "Kasse 1");
    EXPECT_EQ(z.Einnahme, CBetrag(12345000));
    EXPECT_EQ(z.Ausgabe, CBetrag());
    EXPECT_EQ(z.UStID, 200);
    EXPECT_EQ(grid->GetRecordIndex(), 0);
}

TEST_F(EingabeTest, PaymentTextOpensPaymentsOnly)
{
    grid->NewBooking();
    PickInOpenList(*grid, "Porto");
    EXPECT_TRUE(ReadOnly(1, 4));
    EXPECT_EQ(Text(1, 4), "0");
    EXPECT_FALSE(ReadOnly(1, 5));
    EXPECT_EQ(Text(1, 7), "0,00");
    EXPECT_FALSE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kBetrag);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 5));
}

TEST_F(EingabeTest, MissingReceiptTextIsTheFirstFault)
{
    grid->NewBooking();
    QTest::keyClick(ComboEditor(*grid), Qt::Key_Tab);  // nothing chosen
    EXPECT_EQ(Text(1, 1), "");
    EXPECT_FALSE(grid->Finish(&zugriff.journal));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, kBelegtext);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 1));
}

TEST_F(EingabeTest, OpeningBalanceIsOfferedOnlyWhileNoLineCarriesIt)
{
    grid->NewBooking();
    std::vector<std::string> options = grid->GetComboOptions(1, 1);
    ASSERT_FALSE(options.empty());
    EXPECT_NE(std::find(options.begin(), options.end(), "Anfangsbestand"), options.end());
    EXPECT_EQ(options.back(), ". Aufteilung");

    PickInOpenList(*grid, "Anfangs");
    TypeInto(*grid, 1, 4, "500");
    ASSERT_TRUE(grid->Finish(&zugriff.journal));

    grid->NewBooking();
    options = grid->GetComboOptions(1, 1);
    EXPECT_EQ(std::find(options.begin(), options.end(), "Anfangsbestand"), options.end());
    EXPECT_NE(std::find(options.begin(), options.end(), "Verkauf"), options.end());
}

TEST_F(EingabeTest, EnterOnAnIncompleteBookingGoesToTheFirstEmptyRequiredCell)
{
    zugriff.Select(2004, 3, 1, true);
    grid->NewBooking();  // monthly, no day yet: the editor is on "Tag"
    ASSERT_EQ(grid->GetEditCell(), CCellID(1, 0));
    QTest::keyClick(LineEditor(*grid), Qt::Key_Return);  // day still empty
    // "Tag" is the focus column and skipped; "Bezeichnung" is next.
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 1));
    PickInOpenList(*grid, "Verk", Qt::Key_Return);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 0));  // day before the amount
    TypeIntoOpenEditor(*grid, "5", Qt::Key_Return);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 4));
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(completeCount, 0);

    TypeIntoOpenEditor(*grid, "99,95", Qt::Key_Return);
    EXPECT_EQ(completeCount, 1);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(zugriff.journal.GetCount(), 0);  // committing is the main window's call
}

TEST_F(EingabeTest, EnterWithoutEditorOnTheGridChecksTheBookingToo)
{
    zugriff.Select(2004, 3, 28, false);
    grid->NewBooking();
    PickInOpenList(*grid, "Bankein");
    grid->SetFocusCell(1, 2);
    QTest::keyClick(grid.get(), Qt::Key_Return);
    EXPECT_EQ(grid->GetEditCell(), CCellID(1, 5));
    TypeIntoOpenEditor(*grid, "20");
    grid->SetFocusCell(1, 3);
    QTest::keyClick(grid.get(), Qt::Key_Enter);
    EXPECT_EQ(completeCount, 1);
}

TEST_F(EingabeTest, DiscardingEmptiesTheGridAndKeepsTheJournal)
{
    grid->NewBooking();
    PickInOpenList(*grid, "Verk");
    ASSERT_TRUE(grid->Finish(nullptr));
    EXPECT_EQ(grid->GetRowCount(), 1);
    EXPECT_EQ(grid->GetState(), EntryState::Idle);
    EXPECT_FALSE(grid->IsEditable());
    EXPECT_EQ(zugriff.journal.GetCount(), 0);
    EXPECT_EQ(states, (std::vector<int>{1, 2, 0}));
    // A further Finish on the idle grid stays quiet.
    EXPECT_TRUE(grid->Finish(nullptr));
    EXPECT_EQ(states.size(), 3u);
}

TEST_F(EingabeTest, TextWithoutAWindows1252CharacterIsRefusedNotMangled)
{
    grid->NewBooking();
    PickInOpenList(*grid, "Verk");
    ASSERT_TRUE(grid->EditCell(1, 2));
    QLineEdit* edit = LineEditor(*grid);
    ASSERT_NE(edit, nullptr);
    TypeCharacters(edit, QString::fromUtf8("Kaffee \xE2\x82\xAC 3 \xCE\xA9"));  // € is there, Ω is not
    EXPECT_EQ(edit->text(), QString::fromUtf8("Kaffee \xE2\x82\xAC 3 "));
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(Text(1, 2), "Kaffee \x80 3 ");
}
