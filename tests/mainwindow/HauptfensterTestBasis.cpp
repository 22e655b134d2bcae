#include "HauptfensterTestBasis.h"

#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "mainwindow/CKassenbuchDlg.h"
#include "storage/CKassenbuch.h"
#include "storage/CProgrammSitzung.h"
#include "storage/CSettings.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <fstream>

namespace hauptfenster {

void LegeProgrammOrdnerAn(const std::filesystem::path& folder, const std::vector<std::string>& history,
                          int historyLength)
{
    const std::filesystem::path data = std::filesystem::path(KUVEX_SOURCE_DIR) / "data";
    for (const char* file : {"steuersaetze.xml", "laender.xml", "export.xml"})
        std::filesystem::copy_file(data / file, folder / file, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::create_directories(folder / "Data" / "Export");
    std::ofstream out(folder / "settings.xml", std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Settings>\n\t<Settings />\n"
           "\t<Paths>\n\t\t<Kassen>Kassen</Kassen>\n\t\t<Backup>Backup</Backup>\n\t</Paths>\n"
           "\t<Files>\n\t\t<Laender>laender.xml</Laender>\n\t\t<Steuersatz>steuersaetze.xml</Steuersatz>\n"
           "\t\t<Export>export.xml</Export>\n\t</Files>\n\t<FileHistory>\n";
    for (int i = 0; i < historyLength; ++i) {
        if (i < static_cast<int>(history.size()))
            out << "\t\t<File>" << history[static_cast<std::size_t>(i)] << "</File>\n";
        else
            out << "\t\t<File />\n";
    }
    out << "\t</FileHistory>\n</Settings>\n";
}

HauptfensterTest::HauptfensterTest()
{
    ordner = std::filesystem::path(temp.path().toStdString());
    std::filesystem::create_directory(ordner / "Kassen");
    messages.SetOnUnexpected([](const ScriptedUserMessages::Box& box) {
        ADD_FAILURE() << "unexpected question: " << box.text;
    });
    messages.SetDefaultAnswer(UserMessages::Answer::Cancel);
    modal.SetOnUnexpected([](const ScriptedModalDialogs::Call& call) {
        ADD_FAILURE() << "unexpected dialog: " << call.objectName.toStdString();
    });
    // 15 March 2004, noon, Berlin.
    jetzt = CDatum::FromLocal(2004, 3, 15, 12, 0, 0).Seconds();
}

HauptfensterTest::~HauptfensterTest()
{
    fenster.reset();
}

void HauptfensterTest::Start(QDate today)
{
    heute = today;
    if (!std::filesystem::exists(ordner / "settings.xml"))
        LegeProgrammOrdnerAn(ordner, history);
    sitzung = std::make_unique<CProgrammSitzung>(ordner, messages, [this] { return jetzt; });
    ASSERT_TRUE(sitzung->Start());
    settings = &sitzung->Settings();
    fenster = std::make_unique<CKassenbuchDlg>(*sitzung, messages, dialogs, modal, tray, [this] { return heute; });
}

std::string HauptfensterTest::LegeKasseAn(const std::string& name, const std::vector<Buchung>& buchungen,
                                          const std::string& kurzbezeichnung)
{
    ScriptedUserMessages still;
    CKassenbuch kasse(still);
    const std::string path = Pfad(name);
    EXPECT_TRUE(kasse.New(path));
    kasse.GetFirma()->SetKurzbezeichnung(kurzbezeichnung);
    CBuchungen& journal = *kasse.GetBuchungen();
    for (const Buchung& b : buchungen) {
        const int i = journal.AddItem();
        journal.GetItem(i).Datum = b.datum;
        const int j = journal.AddLine(i);
        CBuchungszeile& zeile = journal.GetItem(i, j);
        zeile.Bezeichnung = b.bezeichnung;
        zeile.Einnahme = b.einnahme;
        zeile.Ausgabe = b.ausgabe;
        zeile.UStID = 200;
    }
    EXPECT_TRUE(kasse.Save());
    kasse.Close();
    EXPECT_EQ(still.Count(), 0u);
    return path;
}

QAction* HauptfensterTest::Aktion(const char* name) const
{
    auto* action = fenster->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

QPushButton* HauptfensterTest::Knopf(const char* name) const
{
    auto* button = fenster->findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}

QLabel* HauptfensterTest::Label(const char* name) const
{
    auto* label = fenster->findChild<QLabel*>(QString::fromLatin1(name));
    EXPECT_NE(label, nullptr) << name;
    return label;
}

QString HauptfensterTest::Titel() const
{
    return fenster->windowTitle();
}

std::vector<std::string> HauptfensterTest::Texte() const
{
    std::vector<std::string> texte;
    for (const auto& box : messages.Boxes())
        texte.push_back(box.text);
    return texte;
}

} // namespace hauptfenster
