// "&Export..." from the main window: the export sheet asked for through
// the dialog runner while the window is unavailable, an export run from
// it, and export.xml written on OK only.
#include "HauptfensterTestBasis.h"

#include "mainwindow/CKassenbuchDlg.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <sstream>

using namespace hauptfenster;

namespace {

const QString kSheet = QStringLiteral("exportSettingsDlg");

class ExportBefehl : public HauptfensterTest {
protected:
    void SetUp() override
    {
        const std::string laden = LegeKasseAn("Laden.kbx", {{CDatum::FromYMD(2004, 3, 2), CBetrag(1250000), CBetrag()}});
        Start();
        fenster->ProcessCommandLine({QString::fromStdString(laden)});
        vorher = Lies(ordner / "export.xml");
    }
    static std::string Lies(const std::filesystem::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Presses "&Export" (when wanted) with client number nr typed, then knopf.
    ScriptedModalDialogs::Answer Druecke(bool exportieren, const char* nr, const char* knopf)
    {
        return [this, exportieren, nr, knopf](QDialog& dlg) {
            verfuegbarImDialog = fenster->IsAvailable();
            auto* feld = dlg.findChild<QLineEdit*>(QStringLiteral("editMandantenNr"));
            auto* taste = dlg.findChild<QPushButton*>(QString::fromLatin1(knopf));
            auto* exportTaste = dlg.findChild<QPushButton*>(QStringLiteral("buttonExport"));
            if (!feld || !taste || !exportTaste) {
                ADD_FAILURE() << "sheet without its fields";
                return int(QDialog::Rejected);
            }
            feld->setText(QString::fromLatin1(nr));
            if (exportieren)
                exportTaste->click();
            taste->click();
            return dlg.result();
        };
    }

    std::string vorher;
    bool verfuegbarImDialog = true;
};

} // namespace

TEST_F(ExportBefehl, ExportThenCancelLeavesExportXmlByteIdentical)
{
    modal.Queue(kSheet, Druecke(true, "77", "buttonAbbrechen"));
    Aktion("actionExport")->trigger();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Calls()[0].title, "Export");
    EXPECT_FALSE(verfuegbarImDialog);
    EXPECT_TRUE(fenster->IsAvailable());
    const std::filesystem::path archiv = ordner / "Data" / "Export" / "Laden_200403.zip";
    EXPECT_TRUE(std::filesystem::exists(archiv));
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Die Daten wurden erfolgreich exportiert\n" + archiv.string());
    EXPECT_EQ(Lies(ordner / "export.xml"), vorher);
}

TEST_F(ExportBefehl, OkWritesTheSheetsValuesToExportXml)
{
    modal.Queue(kSheet, Druecke(false, "77", "buttonOk"));
    Aktion("actionExport")->trigger();
    ASSERT_EQ(modal.Count(), 1u);
    EXPECT_EQ(modal.Calls()[0].result, QDialog::Accepted);
    const std::string nachher = Lies(ordner / "export.xml");
    EXPECT_NE(nachher.find("<Id>77</Id>"), std::string::npos) << nachher;
    // The window's month, March 2004, is the export month now.
    EXPECT_NE(nachher.find("<Year>2004</Year>"), std::string::npos);
    EXPECT_NE(nachher.find("<Month>3</Month>"), std::string::npos);
    EXPECT_EQ(messages.Count(), 0u);
}
