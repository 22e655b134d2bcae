// Path resolution, typed access, flags, loading and the byte-exact saving
// of the XML document wrapper.
#include "XmlTestHilfe.h"

#include "core/CXmlDokument.h"
#include "core/CXmlPfad.h"

#include <gtest/gtest.h>

#include <sstream>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const Laender3 =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n"
    "<Laender>"
    "<Land><Name>Deutschland</Name><Waehrung>EUR</Waehrung></Land>"
    "<Land><Name>\xD6sterreich</Name><Waehrung>EUR</Waehrung></Land>"
    "<Land><Name>Schweiz</Name><Waehrung>CHF</Waehrung></Land>"
    "</Laender>";

TEST(XmlPfad, SegmentsIndicesAndSloppyText)
{
    const CXmlPfad p("A/B[2]/C");
    ASSERT_EQ(p.Segments().size(), 3u);
    EXPECT_EQ(p.Segments()[0].name, "A");
    EXPECT_EQ(p.Segments()[0].index, 0);
    EXPECT_EQ(p.Segments()[1].name, "B");
    EXPECT_EQ(p.Segments()[1].index, 2);
    EXPECT_EQ(p.Segments()[2].name, "C");

    const CXmlPfad sloppy("//A//Land[7/X[abc]/Y[]/");
    ASSERT_EQ(sloppy.Segments().size(), 4u);
    EXPECT_EQ(sloppy.Segments()[0].name, "A");
    EXPECT_EQ(sloppy.Segments()[1].name, "Land");
    EXPECT_EQ(sloppy.Segments()[1].index, 7); // "]" is optional
    EXPECT_EQ(sloppy.Segments()[2].name, "X");
    EXPECT_EQ(sloppy.Segments()[2].index, 0); // unreadable number
    EXPECT_EQ(sloppy.Segments()[3].index, 0);

    EXPECT_TRUE(CXmlPfad("").IsEmpty());
    EXPECT_TRUE(CXmlPfad("///").IsEmpty());
}

TEST(XmlDokument, PathsWithIndicesReachTheRightElement)
{
    const CXmlDokument doc(Laender3);
    EXPECT_EQ(doc.GetString("Laender/Land[2]/Name"), "Schweiz");
    EXPECT_EQ(doc.GetString("Laender/Land[1]/Name"), "\xD6sterreich");
    EXPECT_FALSE(doc.Find("Laender/Land[3]/Name"));
    EXPECT_FALSE(doc.Find("Laender/Land[-1]/Name"));
    EXPECT_EQ(doc.Find("Laender/Land/Name"), doc.Find("Laender/Land[0]/Name"));
    EXPECT_EQ(doc.GetString("Laender/Land/Name"), "Deutschland");
    // Names are compared exactly; an empty path names nothing.
    EXPECT_FALSE(doc.Find("laender/Land/Name"));
    EXPECT_FALSE(doc.Find(""));
    EXPECT_FALSE(doc.Find("Land/Name")); // the first segment is the root
}

TEST(XmlDokument, RelativePathsStartAtTheGivenElement)
{
    const CXmlDokument doc(Laender3);
    const CXmlElement schweiz = doc.Find("Laender/Land[2]");
    ASSERT_TRUE(schweiz);
    EXPECT_EQ(doc.GetString(schweiz, "Waehrung"), "CHF");
    EXPECT_EQ(doc.Find("Name", schweiz), doc.Find("Laender/Land[2]/Name"));
    // No start element means no result, not a lookup from the document.
    EXPECT_FALSE(doc.Find("Laender", CXmlElement()));
    EXPECT_EQ(doc.GetString(CXmlElement(), "Laender/Land/Name", "x"), "x");
}

TEST(XmlDokument, RootChildrenAddAndRemove)
{
    CXmlDokument doc(Laender3);
    const CXmlElement root = doc.GetRoot();
    ASSERT_TRUE(root);
    EXPECT_EQ(CXmlDokument::GetName(root), "Laender");
    EXPECT_EQ(CXmlDokument::CountChildren(root, "Land"), 3);
    EXPECT_EQ(CXmlDokument::CountChildren(root, "Name"), 0);

    EXPECT_FALSE(CXmlDokument::AddChild(CXmlElement(), "Land"));
    EXPECT_FALSE(CXmlDokument::AddChild(root, ""));
    const CXmlElement neu = CXmlDokument::AddChild(root, "Land");
    CXmlDokument::AddChild(neu, "Name", "Liechtenstein");
    EXPECT_EQ(root.last_child(), neu);
    EXPECT_EQ(doc.GetString("Laender/Land[3]/Name"), "Liechtenstein");

    EXPECT_TRUE(doc.RemoveAt("Laender/Land[1]"));
    EXPECT_EQ(CXmlDokument::CountChildren(root, "Land"), 3);
    EXPECT_EQ(doc.GetString("Laender/Land[1]/Name"), "Schweiz");
    const std::string vorher = Gespeichert(doc);
    EXPECT_FALSE(doc.RemoveAt("Laender/Land[9]"));
    EXPECT_EQ(Gespeichert(doc), vorher);

    EXPECT_FALSE(CXmlDokument().GetRoot());
}

TEST(XmlDokument, SettingAMissingPathChangesNothing)
{
    CXmlDokument doc(Laender3);
    const std::string vorher = Gespeichert(doc);
    EXPECT_FALSE(doc.SetString("Laender/Land[0]/Hauptstadt", "Berlin"));
    EXPECT_FALSE(doc.SetInt("Laender/Land[5]/Name", 3));
    EXPECT_FALSE(doc.SetBool("Laender/Land/Name/X", true));
    EXPECT_EQ(Gespeichert(doc), vorher);
    EXPECT_EQ(doc.GetString("Laender/Land[0]/Hauptstadt", "keine"), "keine");
}

TEST(XmlDokument, GettersTrimAndConvert)
{
    const CXmlDokument doc(
        "<R><S> \t abc \r\n</S><I>12abc</I><E></E><N>-7</N><D>2004-03-07</D>"
        "<K>2004-3-7</K><B>1.234,5</B><T>tx</T><F>True</F><G> 1.5 </G></R>");
    EXPECT_EQ(doc.GetString("R/S"), "abc");
    EXPECT_EQ(doc.GetInt("R/I", 5), 12);
    EXPECT_EQ(doc.GetInt("R/E", 5), 0); // the element exists, so no default
    EXPECT_EQ(doc.GetInt("R/Fehlt", 5), 5);
    EXPECT_EQ(doc.GetInt("R/N"), -7);
    EXPECT_EQ(doc.GetDatum("R/D"), CDatum::FromYMD(2004, 3, 7));
    EXPECT_EQ(doc.GetDatum("R/K", CDatum::FromYMD(2000, 1, 1)), CDatum());
    EXPECT_EQ(doc.GetBetrag("R/B"), CBetrag(12345000));
    EXPECT_TRUE(doc.GetBool("R/T"));
    EXPECT_FALSE(doc.GetBool("R/F", true));
    EXPECT_FALSE(doc.GetBool("R/E", true));
    EXPECT_DOUBLE_EQ(doc.GetDouble("R/G"), 1.5);
}

TEST(XmlDokument, DefaultsComeBackInStoredForm)
{
    const CXmlDokument doc("<R/>");
    // A date default becomes its local midnight (here on a summer-time day).
    const CDatum mittag = CDatum::FromLocal(2021, 7, 1, 12, 34, 56);
    EXPECT_EQ(doc.GetDatum("R/X", mittag), CDatum::FromYMD(2021, 7, 1));
    EXPECT_EQ(doc.GetDatum("R/X"), CDatum());
    // A double default goes through six decimals.
    EXPECT_DOUBLE_EQ(doc.GetDouble("R/X", 1.23456789), 1.234568);
    EXPECT_EQ(doc.GetBetrag("R/X", CBetrag(-1234567)), CBetrag(-1234567));
    EXPECT_EQ(doc.GetString("R/X", "  def "), "def");
    EXPECT_TRUE(doc.GetBool("R/X", true));
}

TEST(XmlDokument, SettersWriteTheTextFormsAndReportChanges)
{
    CXmlDokument doc("<R><S>alt</S><I/><D/><B/><T/><G/></R>");
    EXPECT_TRUE(doc.SetString("R/S", "neu"));
    EXPECT_FALSE(doc.SetString("R/S", "neu")); // same text: nothing changed
    EXPECT_TRUE(doc.SetInt("R/I", -1));
    EXPECT_EQ(doc.GetString("R/I"), "-1");
    EXPECT_TRUE(doc.SetDatum("R/D", CDatum::FromYMD(2004, 3, 7)));
    EXPECT_EQ(doc.GetString("R/D"), "2004-03-07");
    EXPECT_TRUE(doc.SetBetrag("R/B", CBetrag(190000)));
    EXPECT_EQ(doc.GetString("R/B"), "19,0000");
    EXPECT_TRUE(doc.SetBool("R/T", false));
    EXPECT_EQ(doc.GetString("R/T"), "false");
    EXPECT_TRUE(doc.SetDouble("R/G", 2.0));
    EXPECT_EQ(doc.GetString("R/G"), "2");
    EXPECT_TRUE(doc.SetDouble("R/G", 1.5));
    EXPECT_EQ(doc.GetString("R/G"), "1.5");
    // Relative setters, and an element that has children keeps them.
    const CXmlElement root = doc.GetRoot();
    EXPECT_TRUE(doc.SetInt(root, "I", 42));
    EXPECT_EQ(doc.GetInt("R/I"), 42);
    EXPECT_FALSE(doc.SetInt(CXmlElement(), "R/I", 1));
    EXPECT_TRUE(doc.SetString("R", "Text"));
    EXPECT_EQ(doc.GetInt("R/I"), 42);
    EXPECT_EQ(CXmlDokument::GetText(root), "Text");
}

TEST(XmlDokument, FlagsAreChildElements)
{
    CXmlDokument doc("<Settings><Settings/></Settings>");
    const CXmlElement s = doc.Find("Settings/Settings");
    EXPECT_FALSE(CXmlDokument::GetFlag(s, "Autosave"));
    EXPECT_TRUE(CXmlDokument::SetFlag(s, "Autosave", true));
    EXPECT_FALSE(CXmlDokument::SetFlag(s, "Autosave", true));
    EXPECT_EQ(CXmlDokument::CountChildren(s, "Autosave"), 1);
    EXPECT_TRUE(doc.GetFlag("Settings/Settings", "Autosave"));
    EXPECT_TRUE(CXmlDokument::SetFlag(s, "Autosave", false));
    EXPECT_FALSE(CXmlDokument::GetFlag(s, "Autosave"));
    EXPECT_EQ(CXmlDokument::CountChildren(s, "Autosave"), 0);
    EXPECT_FALSE(CXmlDokument::SetFlag(s, "Autosave", false));
    // Without a parent nothing can be switched.
    EXPECT_FALSE(doc.SetFlag("Settings/Fehlt", "Autosave", true));
    EXPECT_FALSE(doc.GetFlag("Settings/Fehlt", "Autosave"));
    // Duplicates written elsewhere are all removed by switching off.
    CXmlDokument dup("<R><P><X/><X/></P></R>");
    EXPECT_TRUE(dup.SetFlag("R/P", "X", false));
    EXPECT_FALSE(dup.GetFlag("R/P", "X"));
}

TEST(XmlDokument, SaveWritesTheFixedHeaderLine)
{
    const std::string header = "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n";
    EXPECT_EQ(Gespeichert(CXmlDokument(Laender3)).substr(0, header.size()), header);
    // Also for a text without declaration, and one declaring something else.
    EXPECT_EQ(Gespeichert(CXmlDokument("<A/>")).substr(0, header.size()), header);
    const std::string anders = Gespeichert(CXmlDokument("<?xml version=\"1.0\"?><A>x</A>"));
    EXPECT_EQ(anders.substr(0, header.size()), header);
    EXPECT_EQ(anders.find("<?xml", 1), std::string::npos);
}

TEST(XmlDokument, Windows1252TextsRoundTripByteForByte)
{
    CXmlDokument doc("<R><Land/><Preis/><Sonder/><Zeilen/><Alle/></R>");
    std::string alle;
    for (int b = 0x01; b < 0x100; ++b) // every byte but NUL
        alle += static_cast<char>(b);
    ASSERT_TRUE(doc.SetString("R/Land", "\xD6sterreich"));
    ASSERT_TRUE(doc.SetString("R/Preis", "12,50 \x80"));
    ASSERT_TRUE(doc.SetString("R/Sonder", "a<b & \"c\" 'd' >e"));
    ASSERT_TRUE(doc.SetString("R/Zeilen", "eins\r\nzwei\tdrei"));
    ASSERT_TRUE(doc.SetString("R/Alle", alle));

    const std::string a = Gespeichert(doc);
    // Single bytes in the file: Latin-1, not UTF-8.
    EXPECT_NE(a.find("<Land>\xD6sterreich</Land>"), std::string::npos);
    EXPECT_NE(a.find("12,50 \x80<"), std::string::npos);
    EXPECT_NE(a.find("a&lt;b &amp;"), std::string::npos);

    CXmlDokument wieder;
    ASSERT_TRUE(wieder.LoadStream(a));
    EXPECT_EQ(wieder.GetString("R/Land"), "\xD6sterreich");
    EXPECT_EQ(wieder.GetString("R/Preis"), "12,50 \x80");
    EXPECT_EQ(wieder.GetString("R/Sonder"), "a<b & \"c\" 'd' >e");
    EXPECT_EQ(wieder.GetString("R/Zeilen"), "eins\r\nzwei\tdrei");
    EXPECT_EQ(CXmlDokument::GetText(wieder.Find("R/Alle")), alle); // untrimmed
    EXPECT_EQ(Gespeichert(wieder), a);
}

TEST(XmlDokument, FilesRoundTripByteForByte)
{
    const XmlTempDatei datei;
    CXmlDokument doc(Laender3);
    ASSERT_TRUE(doc.SetString("Laender/Land[2]/Waehrung", "\x80"));
    ASSERT_TRUE(doc.SaveFile(datei.Path()));
    const std::string a = datei.Lesen();
    EXPECT_EQ(a, Gespeichert(doc));

    CXmlDokument wieder;
    ASSERT_TRUE(wieder.LoadFile(datei.Path()));
    EXPECT_EQ(wieder.GetString("Laender/Land[1]/Name"), "\xD6sterreich");
    ASSERT_TRUE(wieder.SaveFile(datei.Path())); // replaces, never appends
    EXPECT_EQ(datei.Lesen(), a);
}

TEST(XmlDokument, CharacterReferencesBeyondLatin1BecomeWindows1252)
{
    CXmlDokument doc("<R><P>5 &#8364; &#x201E;x&#x201C; &#246; &#x4E2D;</P></R>");
    EXPECT_EQ(doc.GetString("R/P"), "5 \x80 \x84x\x93 \xF6 ?");
    EXPECT_NE(Gespeichert(doc).find("<P>5 \x80 \x84x\x93 \xF6 ?</P>"), std::string::npos);
    // A reference means the Unicode character: U+0080 is a control
    // character Windows-1252 has no byte for, not the euro sign's byte.
    EXPECT_EQ(CXmlDokument("<R>&#128;&#x81;</R>").GetString("R"), "?\x81");
}

TEST(XmlDokument, ParseErrorsLeaveAnEmptyDocument)
{
    CXmlDokument doc(Laender3);
    ASSERT_TRUE(doc.GetRoot());
    EXPECT_FALSE(doc.LoadStream(std::string("<Laender><Land></Laender>")));
    EXPECT_FALSE(doc.GetRoot());
    EXPECT_EQ(doc.GetString("Laender/Land/Name", "d"), "d");
    EXPECT_FALSE(doc.SetString("Laender/Land/Name", "x"));
    EXPECT_FALSE(doc.SetFlag("Laender", "X", true));

    std::istringstream leer("");
    EXPECT_FALSE(doc.LoadStream(leer));
    EXPECT_FALSE(CXmlDokument("kein xml").GetRoot());
    EXPECT_FALSE(CXmlDokument("<A>").GetRoot());

    ASSERT_TRUE(doc.LoadStream(std::string(Laender3)));
    EXPECT_FALSE(doc.LoadFile("/nonexistent/kuvex/keine.xml"));
    EXPECT_FALSE(doc.GetRoot());

    std::istringstream gut(Laender3);
    EXPECT_TRUE(doc.LoadStream(gut));
    EXPECT_EQ(doc.GetString("Laender/Land[2]/Waehrung"), "CHF");
}

TEST(XmlDokument, DeeplyNestedTextIsRejectedNotACrash)
{
    // A hostile member of a cash-book file: 100,000 nested elements in
    // 700 kB. Loading must fail cleanly (the stack is not the limit), while
    // ordinary nesting, character references deep inside included, loads.
    auto verschachtelt = [](int tiefe, const std::string& innen) {
        std::string text;
        for (int i = 0; i < tiefe; ++i)
            text += "<a>";
        text += innen;
        for (int i = 0; i < tiefe; ++i)
            text += "</a>";
        return text;
    };
    CXmlDokument doc(Laender3);
    EXPECT_FALSE(doc.LoadStream(verschachtelt(100000, "x")));
    EXPECT_FALSE(doc.GetRoot());

    ASSERT_TRUE(doc.LoadStream(verschachtelt(50, "&#8364;") + "<!-- Ende -->"));
    std::string pfad;
    for (int i = 0; i < 50; ++i)
        pfad += "a/";
    EXPECT_EQ(doc.GetString(pfad), "\x80");
    ASSERT_TRUE(doc.LoadStream(std::string("<R><A><B>1</B></A><C>&#8364;</C></R>")));
    EXPECT_EQ(doc.GetString("R/C"), "\x80");
    EXPECT_EQ(doc.GetInt("R/A/B"), 1);
}

TEST(XmlDokument, SaveFileFailsForAFolderThatDoesNotExist)
{
    EXPECT_FALSE(CXmlDokument("<A/>").SaveFile("/nonexistent/kuvex/a.xml"));
}

TEST(XmlDokument, SaveFileThatFailsHalfWayLeavesTheOldFileIntact)
{
    // The VAT-rate table is written back with SaveFile; cut short, it would
    // load as no rates at all. A file-size limit makes the write fail as a
    // full disk would; it runs in a child process so the limit stays there.
    const XmlTempDatei datei(Laender3);
    const std::string vorher = datei.Lesen();
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        CXmlDokument gross("<R/>");
        for (int i = 0; i < 2000; ++i)
            CXmlDokument::AddChild(gross.GetRoot(), "Eintrag", "Text " + std::to_string(i));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze{static_cast<rlim_t>(vorher.size() + 16), static_cast<rlim_t>(vorher.size() + 16)};
        setrlimit(RLIMIT_FSIZE, &grenze);
        _exit(gross.SaveFile(datei.Path()) ? 1 : 0);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0); // the save reported its failure
    EXPECT_EQ(datei.Lesen(), vorher);
    const std::filesystem::path pfad(datei.Path());
    const std::string temporaer = "." + pfad.filename().string() + ".tmp";
    for (const auto& eintrag : std::filesystem::directory_iterator(pfad.parent_path()))
        EXPECT_NE(eintrag.path().filename().string().rfind(temporaer, 0), 0u) << eintrag.path();

    // Without the fault the same save replaces the file, keeping its mode.
    std::filesystem::permissions(datei.Path(), std::filesystem::perms(0640));
    CXmlDokument neu("<R><A>x</A></R>");
    ASSERT_TRUE(neu.SaveFile(datei.Path()));
    EXPECT_EQ(datei.Lesen(), Gespeichert(neu));
    EXPECT_EQ(std::filesystem::status(datei.Path()).permissions(), std::filesystem::perms(0640));
}

TEST(XmlDokument, WhitespaceOnlyTextAndEmptyElementsStayStable)
{
    // Saving, loading and saving again must not drift in layout.
    CXmlDokument doc("<R>\n  <A>   </A>\n  <B></B>\n  <C/>\n</R>");
    ASSERT_TRUE(doc.SetString("R/C", "x"));
    ASSERT_TRUE(doc.SetString("R/C", ""));
    const std::string a = Gespeichert(doc);
    CXmlDokument wieder;
    ASSERT_TRUE(wieder.LoadStream(a));
    EXPECT_EQ(Gespeichert(wieder), a);
    EXPECT_EQ(CXmlDokument::GetText(wieder.Find("R/A")), "   ");
    EXPECT_EQ(wieder.GetString("R/A", "d"), "");
    // Adding an element under blank-only content keeps the layout clean.
    CXmlDokument s("<Settings><Settings>\n</Settings></Settings>");
    ASSERT_TRUE(s.SetFlag("Settings/Settings", "Autosave", true));
    const std::string b = Gespeichert(s);
    ASSERT_TRUE(wieder.LoadStream(b));
    EXPECT_EQ(Gespeichert(wieder), b);
    EXPECT_TRUE(wieder.GetFlag("Settings/Settings", "Autosave"));
}

} // namespace
