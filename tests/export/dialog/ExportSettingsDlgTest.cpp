// The export sheet as the user meets it: its three pages filled from
// export.xml and the main window's month, "&Export" running at once with
// the sheet left open, OK taking every field, the German refusal of an
// empty number, and the folder browser.
#include "common/CDatenZugriff.h"
#include "common/IDatumAuswahl.h"
#include "core/CBelegtexte.h"
#include "core/CBuchungen.h"
#include "core/CFirma.h"
#include "export/dialog/CExportSettingsDlg.h"
#include "export/dialog/CZahlenFeld.h"
#include "platform/ScriptedFileDialogs.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class Datum : public IDatumAuswahl {
public:
    int GetDay() const override { return 1; }
    int GetMonth() const override { return monat; }
    int GetYear() const override { return jahr; }
    CDatum GetDate() const override { return CDatum::FromYMD(jahr, monat, 1); }
    int GetDaysOfMonth() const override { return DaysOfMonth(jahr, monat); }
    bool IsMonthMode() const override { return true; }
    int jahr = 2004;
    int monat = 3;
};

class Zugriff : public CDatenZugriff {
public:
    IDatumAuswahl* GetDatumAuswahl() override { return &datum; }
    const IDatumAuswahl* GetDatumAuswahl() const override { return &datum; }
    CBuchungen* GetBuchungen() override { return &journal; }
    const CBuchungen* GetBuchungen() const override { return &journal; }
    CBelegtexte* GetBelegtexte() override { return &belege; }
    const CBelegtexte* GetBelegtexte() const override { return &belege; }
    CFirma* GetFirma() override { return &firma; }
    const CFirma* GetFirma() const override { return &firma; }
    CSteuersaetze* GetSteuersaetze() override { return nullptr; }
    const CSteuersaetze* GetSteuersaetze() const override { return nullptr; }
    bool SettlePendingEntry(SettleMode, bool) override { return true; }
    void SetAvailable(bool) override {}

    Datum datum;
    CBuchungen journal;
    CBelegtexte belege;
    CFirma firma;
};

std::string Lies(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string ExportXml(const char* pfad, int modus, const char* empfaenger)
{
    return std::string("<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Export>\n\t<Path>") + pfad
           + "</Path>\n\t<Mode>" + std::to_string(modus) + "</Mode>\n\t<Mandanten>\n\t\t<Id>1</Id>\n"
             "\t\t<KassenNr>1</KassenNr>\n\t\t<KassenBezeichnung>Hauptkassa</KassenBezeichnung>\n\t</Mandanten>\n"
             "\t<Belegtexte>\n\t\t<FirstId>5</FirstId>\n\t</Belegtexte>\n\t<Buchungen>\n\t\t<FirstId>9</FirstId>\n"
             "\t\t<Year>1</Year>\n\t\t<Month>1</Month>\n\t</Buchungen>\n\t<EMail>\n\t\t<SendTo>"
           + empfaenger + "</SendTo>\n\t</EMail>\n</Export>\n";
}

class ExportSettingsDlgTest : public ::testing::Test {
protected:
    ExportSettingsDlgTest()
    {
        messages.SetOnUnexpected([](const ScriptedUserMessages::Box& b) { ADD_FAILURE() << b.text; });
        fs::create_directories(Ordner() / "Data" / "Export");
        zugriff.firma.SetKurzbezeichnung("Laden");
    }
    ~ExportSettingsDlgTest() override
    {
        dlg.reset();
        fs::remove_all(Ordner());
    }
    static fs::path Ordner() { return fs::temp_directory_path() / ("kuvex-exportdlg-" + std::to_string(::getpid())); }
    fs::path Datei() const { return Ordner() / "export.xml"; }
    void Oeffne(const std::string& xml = ExportXml("Data/Export/", 0, ""))
    {
        std::ofstream(Datei(), std::ios::binary) << xml;
        dlg = std::make_unique<CExportSettingsDlg>(zugriff, Datei().string(), Ordner(), messages, dateien, nullptr, 2027);
    }
    template <class T> T* Kind(const char* name) const
    {
        T* kind = dlg->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    QLineEdit* Feld(const char* name) const { return Kind<QLineEdit>(name); }
    // Replaces a field's text key by key, as a keyboard sends it, also
    // letters QTest's key table does not know.
    static void Tippe(QLineEdit* feld, const QString& text)
    {
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Delete);
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(feld, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(feld, &release);
        }
    }
    std::string Gespeichert() const
    {
        std::ostringstream out;
        dlg->Einstellungen().SaveStream(out);
        return out.str();
    }

    Zugriff zugriff;
    ScriptedUserMessages messages;
    ScriptedFileDialogs dateien;
    std::unique_ptr<CExportSettingsDlg> dlg;
};

} // namespace

TEST_F(ExportSettingsDlgTest, ThreePagesOkCancelAndTheFirstIdsHidden)
{
    Oeffne();
    EXPECT_EQ(dlg->windowTitle(), "Export");
    auto* tabs = Kind<QTabWidget>("tabsExport");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Export");
    EXPECT_EQ(tabs->tabText(1), "Daten");
    EXPECT_EQ(tabs->tabText(2), "DATEV");
    const auto knoepfe = Kind<QDialogButtonBox>("buttonBox")->buttons();
    ASSERT_EQ(knoepfe.size(), 2) << "no Apply, no Help";
    EXPECT_EQ(Kind<QPushButton>("buttonOk")->text(), "OK");
    EXPECT_EQ(Kind<QPushButton>("buttonAbbrechen")->text(), "Abbrechen");
    const std::pair<const char*, const char*> radios[] = {
        {"radioPfad", "Pfad"}, {"radioDiskette", "Diskette (A:)"}, {"radioEMail", "E-Mail-Empfänger:"}};
    for (const auto& [name, text] : radios)
        EXPECT_EQ(Kind<QRadioButton>(name)->text(), QString::fromUtf8(text));
    EXPECT_EQ(Kind<QPushButton>("buttonExport")->text(), "&Export");
    // Kept, with their stored values, but not shown.
    for (const char* name : {"editErsteBelegNr", "editErsteBuchungsNr", "labelErsteBelegNr", "labelErsteBuchungsNr"})
        EXPECT_TRUE(Kind<QWidget>(name)->isHidden()) << name;
    EXPECT_EQ(Feld("editErsteBelegNr")->text(), "5");
    EXPECT_EQ(Feld("editErsteBuchungsNr")->text(), "9");
    auto* jahr = Kind<QComboBox>("comboJahr");
    ASSERT_EQ(jahr->count(), 28);
    EXPECT_EQ(jahr->itemText(0), "2000");
    EXPECT_EQ(jahr->itemText(27), "2027");
    EXPECT_EQ(Kind<QComboBox>("comboMonat")->count(), 12);
    const auto* mandant = dlg->findChild<CZahlenFeld*>(QStringLiteral("editMandantenNr"));
    EXPECT_EQ(mandant->Maximum(), 34463);
    EXPECT_EQ(dlg->findChild<CZahlenFeld*>(QStringLiteral("editErsteBelegNr"))->Maximum(), 100);
}

TEST_F(ExportSettingsDlgTest, LoadShowsTheStoredTargetAndTheWindowsMonth)
{
    zugriff.datum.jahr = 2026;
    zugriff.datum.monat = 11;
    Oeffne(ExportXml("/srv/steuer", 2, "steuer@example.org"));
    EXPECT_TRUE(Kind<QRadioButton>("radioEMail")->isChecked());
    EXPECT_EQ(Feld("editPfad")->text(), "/srv/steuer");
    EXPECT_EQ(Feld("editEMail")->text(), "steuer@example.org");
    // Years after 2010 are in the list now, so the month is kept as shown.
    EXPECT_EQ(Kind<QComboBox>("comboJahr")->currentText(), "2026");
    EXPECT_EQ(Kind<QComboBox>("comboMonat")->currentIndex(), 10);
    dlg->accept();
    EXPECT_NE(Gespeichert().find("<Year>2026</Year>\n\t\t<Month>11</Month>"), std::string::npos);

    // A year beyond the list keeps the stored one instead of storing 1999.
    zugriff.datum.jahr = 2031;
    Oeffne();
    EXPECT_EQ(Kind<QComboBox>("comboJahr")->currentIndex(), -1);
    dlg->accept();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_NE(Gespeichert().find("<Year>1</Year>\n\t\t<Month>11</Month>"), std::string::npos);
}

TEST_F(ExportSettingsDlgTest, OkTakesEveryFieldOfBothPages)
{
    Oeffne();
    Kind<QRadioButton>("radioEMail")->click();
    Tippe(Feld("editPfad"), QStringLiteral("Data\\Ablage"));
    Tippe(Feld("editEMail"), QString::fromUtf8("büro@example.org"));
    Kind<QComboBox>("comboJahr")->setCurrentIndex(5);
    Kind<QComboBox>("comboMonat")->setCurrentIndex(11);
    Tippe(Feld("editMandantenNr"), QStringLiteral("4711"));
    Tippe(Feld("editKassenNr"), QStringLiteral("2"));
    Tippe(Feld("editKassenname"), QString::fromUtf8("Süd"));
    Kind<QPushButton>("buttonOk")->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(messages.Count(), 0u);
    ASSERT_TRUE(dlg->Einstellungen().Speichern(messages));
    EXPECT_EQ(Lies(Datei()),
              "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Export>\n\t<Path>Data\\Ablage</Path>\n"
              "\t<Mode>2</Mode>\n\t<Mandanten>\n\t\t<Id>4711</Id>\n\t\t<KassenNr>2</KassenNr>\n"
              "\t\t<KassenBezeichnung>S\xFC" "d</KassenBezeichnung>\n\t</Mandanten>\n\t<Belegtexte>\n"
              "\t\t<FirstId>5</FirstId>\n\t</Belegtexte>\n\t<Buchungen>\n\t\t<FirstId>9</FirstId>\n"
              "\t\t<Year>2005</Year>\n\t\t<Month>12</Month>\n\t</Buchungen>\n\t<EMail>\n"
              "\t\t<SendTo>b\xFCro@example.org</SendTo>\n\t</EMail>\n"
              // The DATEV settings an older file lacked, at their defaults.
              "\t<Format>0</Format>\n\t<DATEV>\n\t\t<Kontenrahmen>3</Kontenrahmen>\n\t\t<Beraternummer />\n"
              "\t\t<Mandantennummer />\n\t\t<WJBeginn>1</WJBeginn>\n\t\t<Sachkontenlaenge>4</Sachkontenlaenge>\n"
              "\t\t<Diktatkuerzel />\n\t</DATEV>\n</Export>\n");
}

TEST_F(ExportSettingsDlgTest, ExportRunsAtOnceAndKeepsTheSheetOpen)
{
    Oeffne();
    dlg->show();
    Kind<QPushButton>("buttonExport")->click();
    const fs::path archiv = Ordner() / "Data" / "Export" / "Laden_200403.zip";
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Die Daten wurden erfolgreich exportiert\n" + archiv.string());
    EXPECT_EQ(messages.Last().caption, "Export");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Information);
    EXPECT_TRUE(fs::exists(archiv));
    EXPECT_TRUE(dlg->isVisible());
    // A second month while the sheet stays open.
    Kind<QComboBox>("comboMonat")->setCurrentIndex(1);
    Kind<QPushButton>("buttonExport")->click();
    EXPECT_TRUE(fs::exists(Ordner() / "Data" / "Export" / "Laden_200402.zip"));
    EXPECT_TRUE(dlg->isVisible());
    // Only OK's caller writes the file: the exports took nothing to disk.
    const std::string vorher = Lies(Datei());
    dlg->reject();
    EXPECT_EQ(Lies(Datei()), vorher);
}

TEST_F(ExportSettingsDlgTest, MissingFolderShowsTheSystemTextThenTheFailure)
{
    Oeffne(ExportXml("fehlt/", 0, ""));
    Kind<QPushButton>("buttonExport")->click();
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Boxes()[0].systemError, ENOENT);
    EXPECT_EQ(messages.Boxes()[1].text, "Es ist ein Fehler beim Exportieren aufgetreten");
    EXPECT_EQ(messages.Boxes()[1].icon, UserMessages::Icon::Error);
    EXPECT_FALSE(fs::exists(Ordner() / "fehlt"));
}

TEST_F(ExportSettingsDlgTest, EmptyNumberIsRefusedInGermanAndKeepsTheFocus)
{
    Oeffne();
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    auto* kasse = Feld("editKassenNr");
    Tippe(kasse, QStringLiteral(""));
    for (const char* knopf : {"buttonOk", "buttonExport"}) {
        messages.Clear();
        Kind<QTabWidget>("tabsExport")->setCurrentIndex(0);
        Kind<QPushButton>(knopf)->click();
        ASSERT_EQ(messages.Count(), 1u) << knopf;
        EXPECT_EQ(messages.Last().text, "Bitte geben Sie eine ganze Zahl ein.");
        EXPECT_EQ(dlg->result(), 0) << knopf;
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(Kind<QTabWidget>("tabsExport")->currentIndex(), 1);
        EXPECT_TRUE(kasse->hasFocus()) << knopf;
    }
    EXPECT_TRUE(fs::is_empty(Ordner() / "Data" / "Export"));
}

TEST_F(ExportSettingsDlgTest, NumberFieldsTakeDigitsAndStepWithinTheirRange)
{
    Oeffne();
    auto* mandant = Feld("editMandantenNr");
    Tippe(mandant, QStringLiteral("34a46-2"));
    EXPECT_EQ(mandant->text(), "34462");
    for (const auto& [taste, zahl] : {std::pair{Qt::Key_Up, "34463"}, {Qt::Key_Up, "34463"}, {Qt::Key_Down, "34462"}}) {
        QTest::keyClick(mandant, taste);
        EXPECT_EQ(mandant->text(), zahl);
    }
    Tippe(mandant, QStringLiteral(""));
    QTest::keyClick(mandant, Qt::Key_Down);
    EXPECT_EQ(mandant->text(), "0");
}

TEST_F(ExportSettingsDlgTest, FolderBrowserStartsAtTheFieldsFolderAndFillsIt)
{
    Oeffne(ExportXml("Data/Export/", 1, ""));
    dateien.Queue({QString(), QStringLiteral("/srv/steuer")});
    auto* waehlen = Kind<QPushButton>("buttonPfadWaehlen");
    waehlen->click();
    ASSERT_EQ(dateien.Count(), 1u);
    EXPECT_EQ(dateien.Last().kind, ScriptedFileDialogs::Kind::Folder);
    EXPECT_EQ(dateien.Last().title, QString::fromUtf8("Wählen Sie einen Ordner aus"));
    EXPECT_EQ(dateien.Last().startFolder, QString::fromStdString((Ordner() / "Data/Export/").string()));
    EXPECT_EQ(Feld("editPfad")->text(), "Data/Export/") << "cancelled";
    waehlen->click();
    EXPECT_EQ(Feld("editPfad")->text(), "/srv/steuer");
    EXPECT_TRUE(Kind<QRadioButton>("radioPfad")->isChecked());
}

TEST_F(ExportSettingsDlgTest, DatevPageRefusesWhatDatevWouldAndOkPutsTheCashAccountIntoTheCashBook)
{
    Oeffne();
    dlg->show();
    auto* kassenkonto = Feld("editKassenkonto");
    EXPECT_EQ(kassenkonto->placeholderText(), "1000");
    Kind<QComboBox>("comboKontenrahmen")->setCurrentIndex(1);
    EXPECT_EQ(kassenkonto->placeholderText(), "1600");
    const std::pair<const char*, const char*> falsch[] = {
        {"editBeraternummer", "Die Beraternummer liegt zwischen 1001 und 9999999."},
        {"editMandantennummer", "Die Mandantennummer liegt zwischen 1 und 99999."},
        {"editSachkontenlaenge", "Die Sachkontenl\xE4nge liegt zwischen 4 und 8."},
        {"editKassenkonto", "Das Kassenkonto hat h\xF6" "chstens so viele Ziffern, wie die Sachkontenl\xE4nge angibt."}};
    for (const auto& [name, text] : falsch) {
        Tippe(Feld(name), name == std::string("editSachkontenlaenge") ? QStringLiteral("9") : QStringLiteral("100000000"));
        messages.Clear();
        Kind<QPushButton>("buttonOk")->click();
        ASSERT_EQ(messages.Count(), 1u) << name;
        EXPECT_EQ(messages.Last().text, text);
        EXPECT_EQ(Kind<QTabWidget>("tabsExport")->currentIndex(), 2);
        Tippe(Feld(name), name == std::string("editSachkontenlaenge") ? QStringLiteral("4") : QString());
    }
    Tippe(Feld("editBeraternummer"), QStringLiteral("29098"));
    Tippe(Feld("editMandantennummer"), QStringLiteral("55003"));
    Tippe(Feld("editDiktatkuerzel"), QStringLiteral("wd"));
    Tippe(kassenkonto, QStringLiteral("1610"));
    Kind<QComboBox>("comboWjBeginn")->setCurrentIndex(6);
    Kind<QComboBox>("comboFormat")->setCurrentIndex(1);

    // "&Export" writes the month's batch with the account as typed; the
    // cash book changes only on OK.
    messages.Clear();
    Kind<QPushButton>("buttonExport")->click();
    const fs::path datei = Ordner() / "Data" / "Export" / "EXTF_Buchungsstapel_Laden_200403.csv";
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Die Daten wurden erfolgreich exportiert\n" + datei.string());
    EXPECT_NE(Lies(datei).find(";29098;55003;20030701;4;20040301;20040331;\"Kassenbuch 03/2004\";\"WD\";"),
              std::string::npos);
    EXPECT_EQ(zugriff.firma.GetKassenkonto(), "");
    Kind<QPushButton>("buttonOk")->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_TRUE(dlg->KassenbuchGeaendert());
    EXPECT_EQ(zugriff.firma.GetKassenkonto(), "1610");
    for (const char* teil : {"<Format>1</Format>", "<Kontenrahmen>4</Kontenrahmen>", "<Beraternummer>29098<",
                             "<Mandantennummer>55003<", "<WJBeginn>7</WJBeginn>", "<Diktatkuerzel>WD<"})
        EXPECT_NE(Gespeichert().find(teil), std::string::npos) << teil;
}
