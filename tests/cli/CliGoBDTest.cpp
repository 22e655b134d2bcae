// kuvex-cli with locked bookings: gobd, add and delete in the mode, verify
// on a sound and on a changed file, and the log of a month.
#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "CliProgrammOrdner.h"
#include "../storage/TestArchive.h"

namespace {

class CliGoBD : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_kasse = m_ordner.Datei("kasse.kbx");
        Ok({"new", m_kasse});
        // A receipt: with locked bookings no change may leave the till below zero.
        Ok({"add", m_kasse, "--date", "2004-03-07", "--text", "Verkauf", "--amount", "2,50"});
    }
    CliErgebnis Cli(const std::vector<std::string>& a) { return m_ordner.ImProzess(a); }
    std::string Ok(const std::vector<std::string>& a)
    {
        const CliErgebnis e = Cli(a);
        EXPECT_EQ(e.Status, 0) << e.Fehler;
        EXPECT_EQ(e.Fehler, "");
        return e.Aus;
    }

    CliProgrammOrdner m_ordner;
    std::string m_kasse;
};

} // namespace

TEST_F(CliGoBD, VerifyDeleteReversesAndTheLogOfTheMonth)
{
    EXPECT_EQ(Ok({"verify", m_kasse}),
              "Dieses Kassenbuch f\xC3\xBChrt kein Protokoll: seine Buchungen sind nicht festgeschrieben.\n");
    Ok({"gobd", m_kasse});
    Ok({"add", m_kasse, "--date", "2004-03-08", "--text", "Verkauf", "--amount", "10"});
    EXPECT_EQ(Ok({"delete", m_kasse, "--index", "1", "--date", "2004-03-09"}),
              "Buchung Nr. 2 storniert durch Nr. 3.\n");
    const CliErgebnis zweimal = Cli({"delete", m_kasse, "--index", "1", "--date", "2004-03-09"});
    EXPECT_EQ(zweimal.Status, 1);
    EXPECT_EQ(Cli({"delete", m_kasse, "--index", "2"}).Status, 1); // a reversal

    EXPECT_TRUE(std::regex_match(Ok({"verify", m_kasse}),
                                 std::regex("Protokoll in Ordnung: 4 Eintr\xC3\xA4ge, letzter Hash [0-9a-f]{64}\n")));
    EXPECT_EQ(Ok({"list", m_kasse, "--day", "2004-03-09"}).find("Storno zu Nr. 2") != std::string::npos, true);

    char monat[8];
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    std::strftime(monat, sizeof monat, "%Y-%m", &lokal);
    const std::string log = Ok({"protokoll", m_kasse, "--month", monat});
    const std::regex zeilen(
        "Nr\\.\tErfasst\tArt\tBuchung\tDatum\tText\tBetrag\tStorno zu\tHash\n"
        "1\t[0-9. :]{19}\tFestschreibung ein\t\t\tBuchungen festgeschrieben \\(GoBD\\)\t\t\t[0-9a-f]{16}\n"
        "2\t[0-9. :]{19}\t\xC3\x9C" "bernahme\t\t\t1 Buchung \xC3\xBC" "bernommen\t\t\t[0-9a-f]{16}\n"
        "3\t[0-9. :]{19}\tBuchung\t2\t08\\.03\\.2004\tVerkauf\t10,00\t\t[0-9a-f]{16}\n"
        "4\t[0-9. :]{19}\tStorno\t3\t09\\.03\\.2004\tVerkauf \\(Storno zu Nr\\. 2\\)\t-10,00\t2\t[0-9a-f]{16}\n");
    EXPECT_TRUE(std::regex_match(log, zeilen)) << log;
}

TEST_F(CliGoBD, VerifyNamesTheFirstBadEntryOfAChangedFile)
{
    Ok({"gobd", m_kasse});
    Ok({"add", m_kasse, "--date", "2004-03-08", "--text", "Verkauf", "--amount", "10"});
    // The booked amount of 10,00 made 20,00 behind the program's back.
    const ArchiveInfo info = InspectArchive(m_kasse);
    {
        TestArchive archive(m_kasse + ".neu");
        for (MemberInfo m : info.members) {
            if (m.name == "Buchungen.dat") {
                const std::size_t pos = m.bytes.rfind(std::string("\xA0\x86\x01\x00\x00\x00\x00\x00", 8));
                ASSERT_NE(pos, std::string::npos);
                m.bytes.replace(pos, 3, "\x40\x0D\x03");
            }
            archive.Add(m.name, m.bytes);
        }
    }
    std::filesystem::rename(m_kasse + ".neu", m_kasse);
    const CliErgebnis e = Cli({"verify", m_kasse});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "Das Kassenbuch wurde au\xC3\x9F" "erhalb von Kuvex ver\xC3\xA4" "ndert: Eintrag Nr. 3 passt "
                     "nicht zu den Buchungen. Es wird nur zum Lesen ge\xC3\xB6" "ffnet.\n");
    EXPECT_EQ(e.Fehler, "");
    // Nothing is booked into a broken chain; the file stays as it is.
    EXPECT_EQ(Cli({"add", m_kasse, "--date", "2004-03-08", "--text", "Verkauf", "--amount", "1"}).Status, 1);
    EXPECT_EQ(InspectArchive(m_kasse).members[0].bytes.size(), info.members[0].bytes.size());
}
