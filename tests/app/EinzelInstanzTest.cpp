// One copy per user: a later start hands over and ends, the first copy is
// woken with flags 1 (no file) or 3 (a file, cut to fit its field), a start
// while the first copy has no window yet is told so, and a socket left
// behind by a copy that died does not stop the next start.
#include "app/CSharedInstance.h"

#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class EinzelInstanz : public ::testing::Test {
protected:
    EinzelInstanz()
        : kanal(temp.path() + QStringLiteral("/k.sock"))
        , erste(erstMeldungen, kanal)
    {
    }
    std::string Datei(const std::string& name)
    {
        const fs::path p = fs::path(temp.path().toStdString()) / name;
        fs::create_directories(p.parent_path());
        std::ofstream(p) << "x";
        return p.string();
    }
    // A later start with these arguments; true when it went on as the first.
    bool ZweiterStart(const QStringList& arguments)
    {
        CSharedInstance zweite(meldungen, kanal);
        const bool weiter = zweite.CheckSingleInstance(arguments);
        uebergeben = zweite.HatUebergeben();
        return weiter;
    }
    void Veroeffentliche()
    {
        erste.PublishMainWindow([this](int flags) { geweckt.push_back(flags); });
    }

    QTemporaryDir temp;
    QString kanal;
    ScriptedUserMessages erstMeldungen;
    ScriptedUserMessages meldungen;
    CSharedInstance erste;
    std::vector<int> geweckt;
    bool uebergeben = false;
};

TEST_F(EinzelInstanz, ASecondStartWithoutAFileWakesTheFirstWithFlagsOne)
{
    ASSERT_TRUE(erste.CheckSingleInstance({}));
    Veroeffentliche();
    EXPECT_FALSE(ZweiterStart({QStringLiteral("/hide")}));
    EXPECT_TRUE(uebergeben);
    QTRY_COMPARE(geweckt.size(), 1u);
    EXPECT_EQ(geweckt[0], 1);
    EXPECT_EQ(erste.GetSharedPath(), "");
    EXPECT_EQ(meldungen.Count(), 0u);
}

TEST_F(EinzelInstanz, ASecondStartForwardsTheFirstExistingFileWithItsWholePath)
{
    ASSERT_TRUE(erste.CheckSingleInstance({}));
    Veroeffentliche();
    const std::string a = Datei("a.kbx");
    const std::string b = Datei("b.kbx");
    EXPECT_FALSE(ZweiterStart({QStringLiteral("fehlt.kbx"), QString::fromStdString(a), QString::fromStdString(b)}));
    QTRY_COMPARE(geweckt.size(), 1u);
    EXPECT_EQ(geweckt[0], 3);
    EXPECT_EQ(erste.GetSharedPath(), a);

    // Without a file the path of the earlier hand-over stays, unused.
    EXPECT_FALSE(ZweiterStart({QStringLiteral("fehlt.kbx")}));
    QTRY_COMPARE(geweckt.size(), 2u);
    EXPECT_EQ(geweckt[1], 1);
    EXPECT_EQ(erste.GetSharedPath(), a);
}

TEST_F(EinzelInstanz, AForwardedPathOf300CharactersArrivesCutTo259)
{
    ASSERT_TRUE(erste.CheckSingleInstance({}));
    Veroeffentliche();
    std::string name = "/";
    const std::size_t basis = temp.path().size();
    while (basis + name.size() < 300)
        name += (name.size() % 100 == 99) ? '/' : 'x';
    name.resize(300 - basis);
    const std::string lang = Datei(name.substr(1));
    ASSERT_EQ(lang.size(), 300u);
    EXPECT_FALSE(ZweiterStart({QString::fromStdString(lang)}));
    QTRY_COMPARE(geweckt.size(), 1u);
    EXPECT_EQ(erste.GetSharedPath(), lang.substr(0, 259));
    EXPECT_EQ(CSharedInstance::Nachricht(3, lang).size(), 264);
    EXPECT_EQ(CSharedInstance::Nachricht(3, lang)[4 + 259], '\0');
}

TEST_F(EinzelInstanz, BeforeTheFirstHasItsWindowTheSecondIsToldAndNothingWakes)
{
    ASSERT_TRUE(erste.CheckSingleInstance({}));
    EXPECT_FALSE(ZweiterStart({}));
    EXPECT_TRUE(uebergeben);
    ASSERT_EQ(meldungen.Count(), 1u);
    EXPECT_EQ(meldungen.Last().text, "Das Fenster der Applikation wurde nicht gefunden");
    EXPECT_EQ(meldungen.Last().icon, UserMessages::Icon::Error);
    QTest::qWait(20);
    EXPECT_TRUE(geweckt.empty());
}

TEST_F(EinzelInstanz, ASocketLeftByACopyThatDiedDoesNotStopTheNextStart)
{
    // A socket file nobody listens on, as a crashed copy leaves it.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const QByteArray pfad = QFile::encodeName(kanal);
    std::copy_n(pfad.constData(), pfad.size(), adresse.sun_path);
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    close(fd);
    ASSERT_TRUE(fs::exists(pfad.toStdString()));
    EXPECT_TRUE(erste.CheckSingleInstance({}));
    EXPECT_EQ(erstMeldungen.Count(), 0u);
    // And it really is the first copy now.
    Veroeffentliche();
    EXPECT_FALSE(ZweiterStart({}));
    QTRY_COMPARE(geweckt.size(), 1u);
}

} // namespace
