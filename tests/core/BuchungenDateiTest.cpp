// "Buchungen.dat": exact bytes, round trips, and one scenario per kind of
// damage (cut file, bad bool, bad magic, huge counts, overlong texts).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AllocationProbe.h"

#include "core/CBinStream.h"
#include "core/CBuchungen.h"
#include "core/CFehler.h"

namespace {

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

std::string Header(std::uint32_t count)
{
    CBinStream s;
    s.WriteU32(0x4642424B);
    s.WriteU32(count);
    return s.TakeBytes();
}

// A journal of n records with a mix of texts, split bookings and amounts.
CBuchungen Sample(int n)
{
    // The dates repeat every 3 * 12 * 28 records; make each only once.
    static const std::vector<CDatum> dates = [] {
        std::vector<CDatum> d;
        for (int k = 0; k < 3 * 12 * 28; ++k)
            d.push_back(CDatum::FromYMD(2003 + k % 3, 1 + k % 12, 1 + k % 28));
        return d;
    }();
    CBuchungen j;
    for (int k = 0; k < n; ++k) {
        const int i = j.AddItem();
        CBuchungssatz& s = j.GetItem(i);
        s.Datum = dates[static_cast<std::size_t>(k) % dates.size()];
        s.RgNr = k % 4 ? "RG-" + std::to_string(k) : "";
        s.Notiz = k % 5 ? "Notiz \xE4\xF6\xFC " + std::to_string(k) : "";
        s.Aufteilung = k % 7 == 0;
        const int lines = s.Aufteilung ? 3 : 1;
        for (int z = 0; z < lines; ++z) {
            CBuchungszeile& line = j.GetItem(i, j.AddLine(i));
            line.Bezeichnung = k % 2 ? "Wareneinkauf" : "Umsatz 19%";
            line.Notiz = s.Aufteilung ? "Teil " + std::to_string(z) : "";
            line.Einnahme = CBetrag(k % 2 ? 0 : 12345 * k);
            line.Ausgabe = CBetrag(k % 2 ? 999 * k : 0);
            line.UStID = static_cast<std::int16_t>(k % 2 ? 200 : -100);
        }
    }
    return j;
}

void ExpectSame(const CBuchungen& a, const CBuchungen& b)
{
    ASSERT_EQ(a.GetCount(), b.GetCount());
    for (int i = 0; i < a.GetCount(); ++i) {
        const CBuchungssatz& x = a.GetItem(i);
        const CBuchungssatz& y = b.GetItem(i);
        if (x == y)
            continue; // field by field below only to name the difference
        ASSERT_EQ(x.Datum, y.Datum);
        ASSERT_EQ(x.RgNr, y.RgNr);
        ASSERT_EQ(x.Notiz, y.Notiz);
        ASSERT_EQ(x.Aufteilung, y.Aufteilung);
        ASSERT_EQ(x.Zeilen.size(), y.Zeilen.size());
        for (std::size_t z = 0; z < x.Zeilen.size(); ++z) {
            ASSERT_EQ(x.Zeilen[z].Bezeichnung, y.Zeilen[z].Bezeichnung);
            ASSERT_EQ(x.Zeilen[z].Notiz, y.Zeilen[z].Notiz);
            ASSERT_EQ(x.Zeilen[z].Einnahme, y.Zeilen[z].Einnahme);
            ASSERT_EQ(x.Zeilen[z].Ausgabe, y.Zeilen[z].Ausgabe);
            ASSERT_EQ(x.Zeilen[z].UStID, y.Zeilen[z].UStID);
        }
    }
}

std::string Written(const CBuchungen& j)
{
    CBinStream s;
    EXPECT_TRUE(j.Write(s));
    return s.TakeBytes();
}

} // namespace

TEST(BuchungenDateiTest, EmptyJournalIsEightBytes)
{
    CBuchungen j;
    const std::string bytes = Written(j);
    EXPECT_EQ(bytes, Bytes({'K', 'B', 'B', 'F', 0, 0, 0, 0}));
    CBuchungen back = Sample(2);
    CBinStream r(bytes);
    EXPECT_TRUE(back.Read(r));
    EXPECT_EQ(back.GetCount(), 0);
}

TEST(BuchungenDateiTest, OneEmptyRecordIs23Bytes)
{
    CBuchungen j;
    j.GetItem(j.AddItem()).Datum = CDatum();
    const std::string bytes = Written(j);
    EXPECT_EQ(bytes, Bytes({'K', 'B', 'B', 'F', 1, 0, 0, 0,   // header
                            0, 0, 0, 0, 0, 0, 0, 0,           // Datum
                            0, 0, 0, 0,                       // Notiz, RgNr
                            0,                                // Aufteilung
                            0, 0}));                          // no lines
    CBuchungen back;
    CBinStream r(bytes);
    EXPECT_TRUE(back.Read(r));
    ExpectSame(j, back);
}

TEST(BuchungenDateiTest, FieldOrderOfRecordAndLine)
{
    CBuchungen j;
    const int i = j.AddItem();
    j.GetItem(i).Datum = CDatum(0x0102030405060708);
    j.SetRgNr(i, "R");
    j.SetNotiz(i, "N");
    j.GetItem(i).Aufteilung = true;
    CBuchungszeile& z = j.GetItem(i, j.AddLine(i));
    z.Bezeichnung = "B";
    z.Notiz = "n";
    z.Einnahme = CBetrag(15000);
    z.Ausgabe = CBetrag(-1);
    z.UStID = -2;
    EXPECT_EQ(Written(j), Bytes({'K', 'B', 'B', 'F', 1, 0, 0, 0,
                                 8, 7, 6, 5, 4, 3, 2, 1,
                                 1, 0, 'N', 1, 0, 'R',      // Notiz before RgNr
                                 1, 1, 0,                   // split, one line
                                 1, 0, 'B', 1, 0, 'n',
                                 0x98, 0x3A, 0, 0, 0, 0, 0, 0,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                 0xFE, 0xFF}));
}

TEST(BuchungenDateiTest, RoundTripOf200000Bookings)
{
    const CBuchungen j = Sample(200000);
    const std::string bytes = Written(j);
    CBuchungen back;
    CBinStream r(bytes);
    EXPECT_TRUE(back.Read(r));
    EXPECT_TRUE(r.AtEnd());
    ExpectSame(j, back);
}

TEST(BuchungenDateiTest, CutFileKeepsTheCompleteRecords)
{
    const CBuchungen j = Sample(10);
    const std::string bytes = Written(j);
    // Where each record ends, found by writing the first k records.
    std::vector<std::size_t> ends;
    for (int k = 0; k <= 10; ++k) {
        CBuchungen part = Sample(k);
        ends.push_back(Written(part).size());
    }
    for (std::size_t cut = 8; cut < bytes.size(); ++cut) {
        CBuchungen back;
        CBinStream r(bytes.substr(0, cut));
        std::string error;
        ASSERT_FALSE(back.Read(r, &error)) << cut;
        int complete = 0;
        while (ends[static_cast<std::size_t>(complete) + 1] <= cut)
            ++complete;
        ASSERT_EQ(back.GetCount(), complete) << cut;
        EXPECT_EQ(error, "Streamende erreicht") << cut;
    }
    CBuchungen firstThree;
    CBinStream r(bytes.substr(0, ends[3] + 5));
    EXPECT_FALSE(firstThree.Read(r));
    ExpectSame(firstThree, Sample(3));
}

TEST(BuchungenDateiTest, BoolByteTwoStopsTheReadKeepingEarlierRecords)
{
    const CBuchungen j = Sample(3);
    std::string bytes = Written(j);
    const std::size_t recordTwo = Written(Sample(2)).size();
    // Aufteilung of record 2 sits after Datum and two strings.
    const std::size_t notizLen = static_cast<unsigned char>(bytes[recordTwo + 8]);
    const std::size_t rgNrAt = recordTwo + 10 + notizLen;
    const std::size_t boolAt = rgNrAt + 2 + static_cast<unsigned char>(bytes[rgNrAt]);
    ASSERT_EQ(bytes[boolAt], '\0');
    bytes[boolAt] = 2;
    CBuchungen back;
    CBinStream r(bytes);
    std::string error;
    EXPECT_FALSE(back.Read(r, &error));
    EXPECT_EQ(error, "Ung\xFCltiger Boolean-Wert");
    ExpectSame(back, Sample(2));
}

TEST(BuchungenDateiTest, BadMagicLeavesTheJournalUnchanged)
{
    std::string bytes = Written(Sample(2));
    bytes[3] = 'G';
    CBuchungen j = Sample(5);
    CBinStream r(bytes);
    std::string error;
    EXPECT_FALSE(j.Read(r, &error));
    EXPECT_EQ(error, "Ung\xFCltige Datei");
    ExpectSame(j, Sample(5));

    CBinStream tooShort(std::string("KBB"));
    EXPECT_FALSE(j.Read(tooShort));
    EXPECT_EQ(j.GetCount(), 5);
}

TEST(BuchungenDateiTest, NegativeLineCount)
{
    std::string bytes = Header(1) + std::string(8, '\0') + Bytes({0, 0, 0, 0, 0, 0xFF, 0xFF});
    CBuchungen j;
    CBinStream r(bytes);
    std::string error;
    EXPECT_FALSE(j.Read(r, &error));
    EXPECT_EQ(error, "Ung\xFCltige Anzahl an Buchungen");
    EXPECT_EQ(j.GetCount(), 0);
}

TEST(BuchungenDateiTest, HugeCountsInATinyFileAllocateNothingLarge)
{
    // 4,294,967,295 records announced, none present; then a record that
    // announces 32767 lines and holds none.
    const std::string hugeRecords = Header(0xFFFFFFFFu);
    const std::string hugeLines = Header(1) + std::string(8, '\0') + Bytes({0, 0, 0, 0, 0, 0xFF, 0x7F});
    for (const std::string& bytes : {hugeRecords, hugeLines}) {
        CBuchungen j;
        CBinStream r(bytes);
        AllocationProbe probe;
        EXPECT_FALSE(j.Read(r));
        EXPECT_EQ(j.GetCount(), 0);
        EXPECT_LT(probe.Largest(), 4096u);
    }
}

TEST(BuchungenDateiTest, FailedStreamIsNeitherWrittenNorRead)
{
    CBuchungen j = Sample(2);
    CBinStream w;
    w.SetFailed();
    EXPECT_FALSE(j.Write(w));
    EXPECT_TRUE(w.Bytes().empty());

    CBinStream r(Written(Sample(4)));
    r.SetFailed();
    EXPECT_FALSE(j.Read(r));
    ExpectSame(j, Sample(2));
}

TEST(BuchungenDateiTest, OverlongTextIsRefusedBeforeAnythingIsWritten)
{
    CBuchungen j = Sample(4);
    CBinStream s;
    s.WriteU16(0xBEEF); // earlier content of the stream must survive as is

    j.GetItem(2, 0).Notiz = std::string(32767, 'x'); // the longest text that fits
    EXPECT_TRUE(j.Write(s));
    CBuchungen back;
    CBinStream r(s.Bytes().substr(2));
    EXPECT_TRUE(back.Read(r));
    ExpectSame(back, j);

    CBinStream t;
    t.WriteU16(0xBEEF);
    j.GetItem(3, 0).Bezeichnung = std::string(32768, 'y');
    try {
        j.Write(t);
        FAIL() << "no error";
    } catch (const CFehler& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Ein Text der Buchung Nr. 4 vom " + j.GetItem(3).Datum.ToDisplay()
                      + " ist zu lang zum Speichern (h\xF6" "chstens 32767 Zeichen).");
    }
    EXPECT_EQ(t.Bytes(), Bytes({0xEF, 0xBE}));

    j.GetItem(3, 0).Bezeichnung.clear();
    j.SetRgNr(0, std::string(70000, 'r'));
    EXPECT_THROW(j.Write(t), CFehler);
    EXPECT_EQ(t.Bytes(), Bytes({0xEF, 0xBE}));
}

TEST(BuchungenDateiTest, TooManyLinesAreRefused)
{
    CBuchungen j = Sample(1);
    while (j.GetLineCount(0) < 32767)
        j.AddLine(0);
    CBinStream ok;
    EXPECT_TRUE(j.Write(ok));
    CBuchungen back;
    CBinStream r(ok.Bytes());
    EXPECT_TRUE(back.Read(r));
    EXPECT_EQ(back.GetLineCount(0), 32767);

    j.AddLine(0);
    CBinStream s;
    EXPECT_THROW(j.Write(s), CFehler);
    EXPECT_TRUE(s.Bytes().empty());
}
