// A cash book with locked bookings as a file: the log beside the journal,
// and what opening shows when either was changed outside the program.
#include "KassenbuchFixture.h"

#include <fstream>
#include <iterator>

#include "core/CFehler.h"

namespace {

std::string Lies(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

const std::string kPraefix = "Das Kassenbuch wurde au\xDF" "erhalb von Kuvex ver\xE4" "ndert: Eintrag Nr. ";

class KassenbuchGoBD : public KassenbuchTest {
protected:
    // Two bookings taken over, the switch, one booked and booking 1 reversed.
    std::filesystem::path Gebucht()
    {
        const auto path = dir.Path() / "gobd.kbx";
        CKassenbuch book(messages);
        book.New(path.string());
        FillJournal(*book.GetBuchungen());
        book.SchalteGoBDEin();
        CBuchungen& j = *book.GetBuchungen();
        j.GetItem(j.AddItem()) = j.GetItem(0);
        book.ProtokolliereNeueBuchungen();
        book.Storniere(0, CDatum::FromYMD(2024, 4, 2));
        EXPECT_TRUE(book.Save());
        return path;
    }
};

} // namespace

TEST_F(KassenbuchGoBD, ChainSurvivesBookReverseAndReopen)
{
    const auto path = Gebucht();
    const ArchiveInfo info = InspectArchive(path);
    ASSERT_EQ(info.members.size(), 4u);
    EXPECT_EQ(info.members[3].name, "Protokoll.dat");

    CKassenbuch book(messages);
    ASSERT_TRUE(book.Open(path.string()));
    ASSERT_TRUE(book.IsGoBD());
    EXPECT_FALSE(book.IsNurLesen());
    EXPECT_EQ(book.Manipulation(), "");
    EXPECT_TRUE(book.GetFirma()->IsGoBD());
    const CProtokoll& log = *book.GetProtokoll();
    EXPECT_EQ(log.GetCount(), 4);
    EXPECT_EQ(log.StorniertDurch(0), 4u);
    const CBuchungssatz& storno = book.GetBuchungen()->GetItem(3);
    EXPECT_EQ(storno.Notiz, "Storno zu Nr. 1");
    EXPECT_EQ(storno.Zeilen[0].Notiz, "Storno zu Nr. 1");
    EXPECT_EQ(storno.Zeilen[0].Ausgabe, CBetrag(-12345));
    EXPECT_EQ(storno.Datum, CDatum::FromYMD(2024, 4, 2));
    EXPECT_EQ(book.GetBuchungen()->GetLineSum(0, SumMode::Net) + book.GetBuchungen()->GetLineSum(3, SumMode::Net),
              CBetrag());

    // Once reversed is final; a reversal is never reversed.
    const struct {
        int satz;
        const char* meldung;
    } faelle[] = {
        {0, "Die Buchung Nr. 1 ist bereits durch Nr. 4 storniert."},
        {3, "Die Buchung Nr. 4 ist ein Storno; ein Storno kann nicht storniert werden."},
        {4, "Die Buchung Nr. 5 gibt es nicht."},
    };
    for (const auto& f : faelle) {
        try {
            book.Storniere(f.satz, CDatum::FromYMD(2024, 4, 3));
            ADD_FAILURE() << f.satz;
        } catch (const CFehler& e) {
            EXPECT_EQ(std::string(e.what()), f.meldung);
        }
    }
    EXPECT_EQ(book.GetBuchungen()->GetCount(), 4);
}

TEST_F(KassenbuchGoBD, ChangedByteOpensReadOnlyNamingTheEntry)
{
    const auto path = Gebucht();
    const ArchiveInfo info = InspectArchive(path);
    // A byte of the second record (taken over, entry 2), of the booked one
    // (entry 3) and of the log's reversal entry (entry 4); a log deleted by
    // an older program (entry 1 missing).
    const std::size_t satz2 = 8 + JournalBytes(*[] {
        static CBuchungen j;
        FillJournal(j);
        j.RemoveItem(1);
        return &j;
    }()).size() - 8;
    const std::size_t logStorno = info.members[3].bytes.size() - 40;
    const struct {
        const char* member;
        std::size_t pos;
        bool weg;
        std::string erwartet;
    } faelle[] = {
        {"Buchungen.dat", satz2 + 3, false, "2 passt nicht zu den Buchungen"},
        {"Buchungen.dat", info.members[0].bytes.size() - 100, false, "3 passt nicht zu den Buchungen"},
        {"Protokoll.dat", logStorno, false, "4 stimmt nicht mit seiner Pr\xFC" "fsumme \xFC" "berein"},
        {"Protokoll.dat", 0, true, "1 fehlt"},
    };
    for (const auto& f : faelle) {
        const auto kaputt = dir.Path() / "kaputt.kbx";
        {
            TestArchive archive(kaputt);
            for (const MemberInfo& m : info.members) {
                std::string bytes = m.bytes;
                if (m.name == f.member && f.weg)
                    continue;
                if (m.name == f.member)
                    bytes[f.pos] = static_cast<char>(bytes[f.pos] ^ 0x20);
                archive.Add(m.name, bytes);
            }
        }
        const std::string vorher = Lies(kaputt);
        CKassenbuch book(messages);
        ASSERT_TRUE(book.Open(kaputt.string())) << f.erwartet;
        EXPECT_TRUE(book.IsNurLesen());
        EXPECT_EQ(book.Manipulation(), kPraefix + f.erwartet + ". Es wird nur zum Lesen ge\xF6" "ffnet.");
        messages.Clear();
        EXPECT_FALSE(book.Save());
        EXPECT_THROW(book.Storniere(1, CDatum::FromYMD(2024, 4, 3)), CFehler);
        EXPECT_THROW(book.ProtokolliereNeueBuchungen(), CFehler);
        ASSERT_EQ(messages.Texts().size(), 1u);
        EXPECT_EQ(Lies(kaputt), vorher);
        book.Close();
        std::filesystem::remove(kaputt);
    }
}

TEST_F(KassenbuchGoBD, WithoutTheSwitchNothingChanges)
{
    const auto path = dir.Path() / "alt.kbx";
    CKassenbuch book(messages);
    book.New(path.string());
    FillJournal(*book.GetBuchungen());
    book.ProtokolliereNeueBuchungen();
    EXPECT_THROW(book.Storniere(0, CDatum::FromYMD(2024, 4, 2)), CFehler);
    ASSERT_TRUE(book.Save());
    EXPECT_EQ(InspectArchive(path).members.size(), 3u);
    ASSERT_TRUE(book.Open(path.string()));
    EXPECT_FALSE(book.IsGoBD());
    EXPECT_EQ(book.GetProtokoll(), nullptr);
}
