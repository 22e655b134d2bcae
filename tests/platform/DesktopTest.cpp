// The desktop's side of the program: desktop-entry quoting, the autostart
// entry, the ".kbx" file type, the browser path rule and the help window.
#include "platform/CDesktopDateien.h"
#include "platform/CHilfeFenster.h"
#include "platform/Links.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
namespace dd = desktop_dateien;

std::string Inhalt(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Desktop, ExecArgumentQuotesSoTheProgramGetsThePathUnchanged)
{
    const struct {
        std::string path, exec;
    } faelle[] = {
        {"/opt/Kuvex/kuvex", "\"/opt/Kuvex/kuvex\""},
        {"/home/anna/Meine Programme/kuvex", "\"/home/anna/Meine Programme/kuvex\""},
        {"/opt/100%/kuvex", "\"/opt/100%%/kuvex\""},
        {"/opt/a\"b$c`d/kuvex", "\"/opt/a\\\\\"b\\\\$c\\\\`d/kuvex\""},
        {"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(dd::ExecArgument(f.path), f.exec) << f.path;
    EXPECT_EQ(dd::AutostartBefehl("/opt/Kuvex/kuvex", true), "\"/opt/Kuvex/kuvex\" /hide");
    EXPECT_EQ(dd::AutostartBefehl("/opt/Kuvex/kuvex", false), "\"/opt/Kuvex/kuvex\"");
}

TEST(Desktop, FileTypeIsWrittenWithItsGlobAndAnOpenCommandTakingTheFile)
{
    QTemporaryDir temp;
    const fs::path home(temp.path().toStdString());
    ASSERT_TRUE(dd::RegistriereDateiTyp(home, "/opt/Kuvex/kuvex", "/opt/Kuvex/icons/kuvex-256.png"));
    const std::string mime = Inhalt(home / "mime" / "packages" / "kuvex.xml");
    // The package installs the same type the program registers per user.
    EXPECT_EQ(mime, Inhalt(fs::path(KUVEX_SOURCE_DIR) / "data" / "desktop" / "kuvex-mime.xml"));
    EXPECT_NE(mime.find("<mime-type type=\"application/x-kuvex-kassenbuch\">"), std::string::npos);
    // shared-mime-info matches globs without regard to case unless told otherwise.
    EXPECT_NE(mime.find("<glob pattern=\"*.kbx\"/>"), std::string::npos);
    EXPECT_EQ(mime.find("case-sensitive"), std::string::npos);
    const std::string desktop = Inhalt(home / "applications" / "kuvex.desktop");
    EXPECT_NE(desktop.find("\nExec=\"/opt/Kuvex/kuvex\" %f\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nMimeType=application/x-kuvex-kassenbuch;\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nIcon=/opt/Kuvex/icons/kuvex-256.png\n"), std::string::npos);

    // A start from another folder rewrites the command.
    ASSERT_TRUE(dd::RegistriereDateiTyp(home, "/home/anna/kuvex/kuvex", "/x.png"));
    EXPECT_NE(Inhalt(home / "applications" / "kuvex.desktop").find("Exec=\"/home/anna/kuvex/kuvex\" %f"),
              std::string::npos);
    // A data folder that cannot be made is a silent failure.
    std::ofstream(home / "datei") << "x";
    EXPECT_FALSE(dd::RegistriereDateiTyp(home / "datei", "/opt/Kuvex/kuvex", "/x.png"));
}

TEST(Desktop, BrowserPathFollowsTheQuoteAndBackslashRules)
{
    const struct {
        const char* command;
        const char* path;
    } faelle[] = {
        {"\"C:\\Programme\\Browser\\b.exe\" -nohome \"%1\"", "C:\\Programme\\Browser\\b.exe"},
        {"\"C:\\Programme\\Browser\\b.exe\" -osint", "C:\\Programme\\Browser\\b.exe"},
        {"D:\\Browser\\b.exe %1", "D:\\Browser\\b.exe"},
        {"browser %1", "browser %1"},
        {"\\b.exe %1", "\\b.exe %1"},
        {"D:\\Browser\\b.exe", "D:\\Browser\\b.exe"},
        {"\"\" D:\\x\\b.exe -a", "\"\" D:\\x\\b.exe"},
        {"", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(GetBrowserPath(f.command), f.path) << f.command;
}

TEST(Desktop, HelpOpensTheTopicsPageAndSaysInGermanWhenItIsMissing)
{
    QTemporaryDir temp;
    const fs::path ordner(temp.path().toStdString());
    for (const char* seite : {"index.html", "hauptfenster.html", "firma.html"})
        fs::copy_file(fs::path(KUVEX_SOURCE_DIR) / "data" / "hilfe" / seite, ordner / seite);
    CHilfeFenster hilfe(ordner);
    hilfe.Zeige(CHilfeFenster::ThemaHauptfenster);
    EXPECT_EQ(hilfe.AktuelleSeite(), "hauptfenster.html");
    hilfe.Zeige(CHilfeFenster::ThemaFirma);
    EXPECT_EQ(hilfe.AktuelleSeite(), "firma.html");
    hilfe.Zeige(4711);
    EXPECT_EQ(hilfe.AktuelleSeite(), "index.html");
    EXPECT_STREQ(CHilfeFenster::Seite(700), "belegtexte.html");
    EXPECT_STREQ(CHilfeFenster::Seite(800), "umsatzsteuer.html");

    CHilfeFenster ohne(ordner / "fehlt");
    ohne.Zeige(CHilfeFenster::ThemaHauptfenster);
    auto* text = ohne.findChild<QWidget*>(QStringLiteral("hilfeText"));
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->property("plainText").toString().startsWith("Hilfe nicht gefunden"));
}

TEST(Desktop, EveryShippedHelpPageLinksOnlyToPagesThatExist)
{
    const fs::path hilfe = fs::path(KUVEX_SOURCE_DIR) / "data" / "hilfe";
    for (const int thema : {600, 700, 800, 900})
        EXPECT_TRUE(fs::exists(hilfe / CHilfeFenster::Seite(thema))) << thema;
    for (const auto& eintrag : fs::directory_iterator(hilfe)) {
        const std::string text = Inhalt(eintrag.path());
        for (std::size_t at = text.find("href=\""); at != std::string::npos; at = text.find("href=\"", at + 1)) {
            const std::string ziel = text.substr(at + 6, text.find('"', at + 6) - at - 6);
            EXPECT_TRUE(fs::exists(hilfe / ziel)) << eintrag.path().filename() << " -> " << ziel;
        }
    }
}

} // namespace
