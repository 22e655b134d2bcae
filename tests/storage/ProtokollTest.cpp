// The booking log on its own: its bytes as documented, the chain, the
// rules of reversal and what a single changed byte does.
#include <gtest/gtest.h>

#include "core/CBinStream.h"
#include "core/CBuchungen.h"
#include "core/CFehler.h"
#include "storage/CProtokoll.h"
#include "storage/ProtokollFormat.h"

namespace {

std::string Journal(const CBuchungen& j)
{
    CBinStream s;
    j.Write(s);
    return s.TakeBytes();
}

// A journal of n one-line bookings, and the log that took the first `ueber`
// over and booked the rest, reversing booking 1 at the end.
struct Beispiel {
    CBuchungen journal;
    CProtokoll log;
};

void Fuelle(Beispiel& b, int n, int ueber)
{
    for (int i = 0; i < n; ++i) {
        const int k = b.journal.AddItem();
        b.journal.GetItem(k).Datum = CDatum::FromYMD(2026, 3, 1 + i);
        b.journal.AddLine(k);
        b.journal.GetItem(k, 0).Bezeichnung = "Wareneinkauf " + std::to_string(i);
        b.journal.GetItem(k, 0).Ausgabe = CBetrag(10000 * (i + 1));
    }
    const std::string alle = Journal(b.journal);
    CBuchungen erste;
    for (int i = 0; i < ueber; ++i)
        erste.GetItem(erste.AddItem()) = b.journal.GetItem(i);
    b.log.Anfuegen(ProtokollArt::Umstellung, "", 100, "kasse");
    b.log.Anfuegen(ProtokollArt::Uebernahme, Journal(erste), 100, "kasse");
    std::size_t pos = Journal(erste).size();
    for (int i = ueber; i < n; ++i) {
        CBuchungen eine;
        eine.GetItem(eine.AddItem()) = b.journal.GetItem(i);
        const std::string satz = Journal(eine).substr(8);
        EXPECT_EQ(alle.substr(pos, satz.size()), satz);
        pos += satz.size();
        b.log.Anfuegen(ProtokollArt::Buchung, satz, 200 + i, "kasse");
    }
}

} // namespace

TEST(Protokoll, BytesAndHashAreAsDocumented)
{
    // Built independently of the program from the layout in ProtokollFormat.h.
    const char* erwartet =
        "4b4250460200000000000000000000000000000000000000000000000000000000000000000000000100000000f153"
        "6500000000010005006b617373650000000000000000ed0c7a4d7de45c4068585766b1ae6645dc1d28fe01faf26896"
        "e4bc33e4d413bb0200000001f1536500000000020005006b6173736500000000080000004b42424600000000b76c79"
        "b703e21140a5c49b701caeb7985780e5f123018e12ab650bcddfed6cf6";
    CProtokoll log;
    EXPECT_EQ(log.Bytes(), std::string("KBPF", 4) + std::string(36, '\0'));
    log.Anfuegen(ProtokollArt::Umstellung, "", 1700000000, "kasse");
    log.Anfuegen(ProtokollArt::Uebernahme, std::string("KBBF\0\0\0\0", 8), 1700000001, "kasse");
    std::string hex;
    for (unsigned char c : log.Bytes())
        hex += "0123456789abcdef"[c >> 4], hex += "0123456789abcdef"[c & 15];
    EXPECT_EQ(hex, erwartet);
    EXPECT_EQ(log.LetzterHash(), "b76c79b703e21140a5c49b701caeb7985780e5f123018e12ab650bcddfed6cf6");
}

TEST(Protokoll, ChainSurvivesReadingBackWithReversals)
{
    Beispiel b;
    Fuelle(b, 4, 2);
    CBuchungssatz storno = b.journal.GetItem(0);
    storno.Zeilen[0].Ausgabe = CBetrag(-10000);
    CBuchungen eine;
    eine.GetItem(eine.AddItem()) = storno;
    b.log.Anfuegen(ProtokollArt::Storno, Journal(eine).substr(8), 300, "kasse", 1);
    b.journal.GetItem(b.journal.AddItem()) = storno;
    b.log.Anfuegen(ProtokollArt::Tagesabschluss, "Zaehlprotokoll", 400, "kasse");

    CProtokoll gelesen(b.log.Bytes());
    ASSERT_TRUE(gelesen.IstInOrdnung()) << gelesen.Fehler().Grund;
    EXPECT_TRUE(gelesen.PruefeJournal(Journal(b.journal)));
    EXPECT_EQ(gelesen.GetCount(), 6);
    EXPECT_EQ(gelesen.LetzterHash(), b.log.LetzterHash());
    EXPECT_EQ(gelesen.GetSatzCount(), 5);
    EXPECT_EQ(gelesen.StorniertDurch(0), 5u);
    EXPECT_EQ(gelesen.StorniertBuchung(4), 1u);
    EXPECT_EQ(gelesen.GetEintrag(4).Satz, 4);
    EXPECT_EQ(gelesen.Benutzer(5), "kasse");
    EXPECT_EQ(gelesen.Nutzdaten(5), "Zaehlprotokoll");
}

TEST(Protokoll, AppendRefusesWhatBreaksTheRules)
{
    Beispiel b;
    Fuelle(b, 3, 1);
    const std::string satz = Journal(b.journal).substr(8, 15 + 22 + 14);
    b.log.Anfuegen(ProtokollArt::Storno, satz, 1, "kasse", 2); // booking 3 reverses 2
    struct Fall {
        ProtokollArt art;
        std::string daten;
        std::uint32_t bezug;
    } faelle[] = {
        {ProtokollArt::Storno, satz, 4},          // a reversal
        {ProtokollArt::Storno, satz, 2},          // reversed before
        {ProtokollArt::Storno, satz, 0},          // no booking 0
        {ProtokollArt::Storno, satz, 9},          // no booking 9
        {ProtokollArt::Buchung, "kein Satz", 0},  // not a record
        {ProtokollArt::Buchung, satz + "x", 0},   // a record and more
        {ProtokollArt::Umstellung, "", 0},        // only ever entry 1
        {ProtokollArt::Uebernahme, std::string("KBBF\0\0\0\0", 8), 0},
    };
    const std::string vorher = b.log.Bytes();
    for (const Fall& f : faelle) {
        EXPECT_THROW(b.log.Anfuegen(f.art, f.daten, 1, "kasse", f.bezug), CFehler) << f.bezug;
        EXPECT_EQ(b.log.Bytes(), vorher);
    }
    CProtokoll leer;
    EXPECT_THROW(leer.Anfuegen(ProtokollArt::Buchung, satz, 1, "kasse"), CFehler);
    // The writer keeps to the reader's bound.
    EXPECT_THROW(leer.Anfuegen(ProtokollArt::Umstellung,
                               std::string(protokoll_format::kMaxFileSize, 'x'), 1, "kasse"),
                 CFehler);
}

TEST(Protokoll, EveryChangedByteNamesItsEntry)
{
    Beispiel b;
    Fuelle(b, 4, 2);
    const std::string log = b.log.Bytes();
    const std::string journal = Journal(b.journal);
    // Entry k spans [Anfang, next Anfang).
    auto eintragBei = [&](std::size_t pos) {
        std::uint32_t nr = 0;
        for (int i = 0; i < b.log.GetCount(); ++i)
            if (pos >= b.log.GetEintrag(i).Anfang)
                nr = static_cast<std::uint32_t>(i + 1);
        return nr;
    };
    for (std::size_t pos = 0; pos < log.size(); ++pos) {
        std::string kaputt = log;
        kaputt[pos] = static_cast<char>(kaputt[pos] ^ 0x01);
        CProtokoll gelesen(kaputt);
        gelesen.PruefeJournal(journal);
        if (pos < static_cast<std::size_t>(protokoll_format::kHeaderSize))
            EXPECT_NE(gelesen.Fehler().Nr, 0u) << pos;
        else
            EXPECT_EQ(gelesen.Fehler().Nr, eintragBei(pos)) << pos;
    }
    // A byte of the journal: the entry holding that record (the opening
    // entry for the first two), or a missing entry for its count.
    const std::uint32_t beiSatz[] = {2, 2, 3, 4};
    std::size_t pos = 8;
    for (int i = 0; i < 4; ++i) {
        CBuchungen eine;
        eine.GetItem(eine.AddItem()) = b.journal.GetItem(i);
        const std::size_t ende = pos + Journal(eine).size() - 8;
        for (; pos < ende; ++pos) {
            std::string kaputt = journal;
            kaputt[pos] = static_cast<char>(kaputt[pos] ^ 0x01);
            CProtokoll gelesen(log);
            EXPECT_FALSE(gelesen.PruefeJournal(kaputt));
            EXPECT_EQ(gelesen.Fehler().Nr, beiSatz[i]) << pos;
        }
    }
    CProtokoll gelesen(log);
    EXPECT_FALSE(gelesen.PruefeJournal(journal + journal.substr(8, 20)));
    EXPECT_EQ(gelesen.Fehler().Nr, 5u);
    EXPECT_EQ(gelesen.Fehler().Grund, "fehlt");
}

TEST(Protokoll, CraftedCountIsBoundedByTheBytes)
{
    std::string kopf = CProtokoll().Bytes();
    kopf[4] = kopf[5] = kopf[6] = kopf[7] = '\xFF';
    const CProtokoll gelesen(kopf);
    EXPECT_EQ(gelesen.Fehler().Nr, 1u);
    EXPECT_EQ(gelesen.GetCount(), 0);
}

TEST(Sha256, KnownDigest)
{
    CSha256 sha;
    EXPECT_EQ(CSha256::Hex(sha("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(CSha256::Hex(sha(""), 8), "e3b0c44298fc1c14");
}
