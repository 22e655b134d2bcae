// The company dialog as the user meets it: fields filled from the record,
// typed into key by key, "&OK" and "&Abbrechen" pressed, the country list
// read from a file in a temporary folder.
#include "common/CDatenZugriff.h"
#include "core/CFirma.h"
#include "masterdata/CFirmenverwaltungDlg.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

// Only the company record is there; the dialog needs nothing else.
class NurFirma : public CDatenZugriff {
public:
    IDatumAuswahl* GetDatumAuswahl() override { return nullptr; }
    const IDatumAuswahl* GetDatumAuswahl() const override { return nullptr; }
    CBuchungen* GetBuchungen() override { return nullptr; }
    const CBuchungen* GetBuchungen() const override { return nullptr; }
    CBelegtexte* GetBelegtexte() override { return nullptr; }
    const CBelegtexte* GetBelegtexte() const override { return nullptr; }
    CFirma* GetFirma() override { return &firma; }
    const CFirma* GetFirma() const override { return &firma; }
    CSteuersaetze* GetSteuersaetze() override { return nullptr; }
    const CSteuersaetze* GetSteuersaetze() const override { return nullptr; }
    bool SettlePendingEntry(SettleMode, bool) override { return true; }
    void SetAvailable(bool) override {}

    CFirma firma;
};

// Two pairs of countries share a currency, the second pair in two spellings.
const char* const kLaender =
    "<?xml version=\"1.0\" encoding=\"iso-8859-1\" ?>\n<Laender>"
    "<Land><Name>Deutschland</Name><Waehrung>EUR</Waehrung></Land>"
    "<Land><Name>\xD6sterreich</Name><Waehrung>EUR</Waehrung></Land>"
    "<Land><Name>Schweiz</Name><Waehrung>CHF</Waehrung></Land>"
    "<Land><Name>Liechtenstein</Name><Waehrung>chf</Waehrung></Land></Laender>";

class FirmenverwaltungDlgTest : public ::testing::Test {
protected:
    FirmenverwaltungDlgTest()
    {
        messages.SetOnUnexpected([](const ScriptedUserMessages::Box& box) {
            ADD_FAILURE() << "unexpected question: " << box.text;
        });
        std::ofstream(LaenderDatei(), std::ios::binary) << kLaender;
    }

    std::string LaenderDatei() const { return temp.filePath(QStringLiteral("laender.xml")).toStdString(); }
    void Oeffne(const std::string& datei = std::string())
    {
        dlg = std::make_unique<CFirmenverwaltungDlg>(zugriff, datei.empty() ? LaenderDatei() : datei, messages);
    }
    template <class T> T* Kind(const char* name) const
    {
        T* kind = dlg->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(kind, nullptr) << name;
        return kind;
    }
    QLineEdit* Feld(const char* name) const { return Kind<QLineEdit>(name); }
    QComboBox* Land() const { return Kind<QComboBox>("comboLand"); }
    QComboBox* Waehrung() const { return Kind<QComboBox>("comboWaehrung"); }
    // Types any text one character at a time as a keyboard sends it (a
    // character beyond the 16-bit range in one event), also the letters
    // QTest's key table does not know.
    static void Zeichen(QWidget* feld, const QString& text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString zeichen = text.mid(i, n);
            i += n - 1;
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, zeichen);
            QCoreApplication::sendEvent(feld, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, zeichen);
            QCoreApplication::sendEvent(feld, &release);
        }
    }
    // Replaces a field's text the way a user does: select all, type.
    static void Tippe(QWidget* feld, const QString& text)
    {
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        Zeichen(feld, text);
    }
    void WaehleLand(const QString& name) const { Land()->setCurrentIndex(Land()->findText(name)); }
    void Ok() const { Kind<QPushButton>("buttonOk")->click(); }
    std::string Gespeichert() const
    {
        std::ostringstream out;
        zugriff.firma.SaveStream(out);
        return out.str();
    }

    QTemporaryDir temp;
    ScriptedUserMessages messages;
    NurFirma zugriff;
    std::unique_ptr<CFirmenverwaltungDlg> dlg;
};

TEST_F(FirmenverwaltungDlgTest, ShowsItsCaptionLabelsAndButtons)
{
    Oeffne();
    EXPECT_EQ(dlg->objectName(), "firmenverwaltungDlg");
    EXPECT_EQ(dlg->windowTitle(), "Firmenverwaltung");
    const std::pair<const char*, const char*> labels[] = {
        {"labelFirma", "Firma"}, {"labelVorname", "Vorname"}, {"labelNachname", "Nachname"},
        {"labelKurzbezeichnung", "Kurzbezeichnung"}, {"labelStrasse", "Straße"}, {"labelPlzOrt", "PLZ / Ort"},
        {"labelLand", "Land"}, {"labelWaehrung", "Währung"}};
    for (const auto& [name, text] : labels)
        EXPECT_EQ(Kind<QLabel>(name)->text(), QString::fromUtf8(text)) << name;
    EXPECT_EQ(Kind<QPushButton>("buttonOk")->text(), "&OK");
    EXPECT_EQ(Kind<QPushButton>("buttonAbbrechen")->text(), "&Abbrechen");
    EXPECT_FALSE(Land()->isEditable());
    EXPECT_TRUE(Waehrung()->isEditable());
}

TEST_F(FirmenverwaltungDlgTest, OkWritesEveryFieldAsTyped)
{
    Oeffne();
    auto* name = Kind<QPlainTextEdit>("editName");
    Zeichen(name, QString::fromUtf8("Müller & Söhne"));
    QTest::keyClick(name, Qt::Key_Return);
    Zeichen(name, QString::fromUtf8("Filiale Süd"));
    Tippe(Feld("editVorname"), QString::fromUtf8("Jürgen"));
    Tippe(Feld("editNachname"), QString::fromUtf8("Weiß"));
    Tippe(Feld("editKurzbezeichnung"), QStringLiteral("M&S"));
    Tippe(Feld("editStrasse"), QString::fromUtf8("Hauptstraße 1"));
    Tippe(Feld("editPlz"), QStringLiteral("80331"));
    Tippe(Feld("editOrt"), QString::fromUtf8("München"));
    WaehleLand(QString::fromUtf8("Österreich"));
    Tippe(Waehrung()->lineEdit(), QString::fromUtf8("€"));
    Ok();

    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    const CFirma& f = zugriff.firma;
    EXPECT_EQ(f.GetName(), "M\xFCller & S\xF6hne\r\nFiliale S\xFC" "d");
    EXPECT_EQ(f.GetVorname(), "J\xFCrgen");
    EXPECT_EQ(f.GetNachname(), "Wei\xDF");
    EXPECT_EQ(f.GetKurzbezeichnung(), "M&S");
    EXPECT_EQ(f.GetStrasse(), "Hauptstra\xDF" "e 1");
    EXPECT_EQ(f.GetPLZ(), "80331");
    EXPECT_EQ(f.GetOrt(), "M\xFCnchen");
    EXPECT_EQ(f.GetLand(), "\xD6sterreich");
    EXPECT_EQ(f.GetWaehrung(), "\x80");
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(FirmenverwaltungDlgTest, StoredFieldsAreShownAndKeptByOk)
{
    CFirma& f = zugriff.firma;
    f.SetName("Zeile 1\r\nZeile 2");
    f.SetKurzbezeichnung("Laden");
    f.SetLand("Schweiz");
    f.SetWaehrung("CHF");
    const std::string vorher = Gespeichert();
    Oeffne();
    EXPECT_EQ(Kind<QPlainTextEdit>("editName")->toPlainText(), "Zeile 1\nZeile 2");
    EXPECT_EQ(Feld("editKurzbezeichnung")->text(), "Laden");
    EXPECT_EQ(Land()->currentText(), "Schweiz");
    EXPECT_EQ(Waehrung()->currentText(), "CHF");
    Ok();
    EXPECT_EQ(Gespeichert(), vorher);
}

TEST_F(FirmenverwaltungDlgTest, CancelLeavesTheRecordByteIdentical)
{
    zugriff.firma.SetOrt("Wien");
    const std::string vorher = Gespeichert();
    Oeffne();
    Zeichen(Kind<QPlainTextEdit>("editName"), QStringLiteral("Neu"));
    Tippe(Feld("editOrt"), QStringLiteral("Graz"));
    Tippe(Feld("editPlz"), QStringLiteral("8010"));
    WaehleLand(QStringLiteral("Schweiz"));
    Kind<QPushButton>("buttonAbbrechen")->click();
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(Gespeichert(), vorher);
}

TEST_F(FirmenverwaltungDlgTest, PostcodeTakesAtMostFiveDigits)
{
    const struct {
        const char* getippt;
        const char* steht;
    } faelle[] = {
        {"80331", "80331"}, {"803316", "80331"}, {"8a0b3", "803"}, {"A-1010", "1010"}, {" 12 ", "12"},
    };
    Oeffne();
    for (const auto& fall : faelle) {
        Tippe(Feld("editPlz"), QString::fromLatin1(fall.getippt));
        EXPECT_EQ(Feld("editPlz")->text(), fall.steht) << fall.getippt;
    }
}

TEST_F(FirmenverwaltungDlgTest, StoredLongPostcodeIsShownInFullAndRefusedByOk)
{
    zugriff.firma.SetPLZ("1234567");
    const std::string vorher = Gespeichert();
    Oeffne();
    QLineEdit* plz = Feld("editPlz");
    EXPECT_EQ(plz->text(), "1234567");
    // It cannot grow, but it can be shortened.
    plz->end(false);
    QTest::keyClick(plz, Qt::Key_8);
    EXPECT_EQ(plz->text(), "1234567");
    Ok();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Bitte geben Sie h\xF6" "chstens 5 Zeichen ein.");
    EXPECT_EQ(messages.Last().icon, UserMessages::Icon::Warning);
    EXPECT_EQ(messages.Last().caption, "Kuvex");
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(Gespeichert(), vorher);
    // The postcode is handed back to the user to correct, all selected.
    EXPECT_EQ(plz->selectedText(), "1234567");

    plz->end(false);
    QTest::keyClick(plz, Qt::Key_Backspace);
    QTest::keyClick(plz, Qt::Key_Backspace);
    EXPECT_EQ(plz->text(), "12345");
    Ok();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(zugriff.firma.GetPLZ(), "12345");
}

TEST_F(FirmenverwaltungDlgTest, CountriesSharingACurrencyShareItsItem)
{
    Oeffne();
    ASSERT_EQ(Land()->count(), 4);
    EXPECT_EQ(Land()->itemText(1), QString::fromUtf8("Österreich"));
    ASSERT_EQ(Waehrung()->count(), 2);
    EXPECT_EQ(Waehrung()->itemText(0), "EUR");
    EXPECT_EQ(Waehrung()->itemText(1), "CHF");
    // The new record: "Deutschland" and "EUR".
    EXPECT_EQ(Land()->currentText(), "Deutschland");
    EXPECT_EQ(Waehrung()->currentIndex(), 0);
    const std::pair<const char*, int> wahl[] = {
        {"Liechtenstein", 1}, {"Österreich", 0}, {"Schweiz", 1}, {"Deutschland", 0}};
    for (const auto& [land, waehrung] : wahl) {
        WaehleLand(QString::fromUtf8(land));
        EXPECT_EQ(Waehrung()->currentIndex(), waehrung) << land;
    }
    WaehleLand(QStringLiteral("Liechtenstein"));
    Ok();
    EXPECT_EQ(zugriff.firma.GetLand(), "Liechtenstein");
    EXPECT_EQ(zugriff.firma.GetWaehrung(), "CHF");
}

TEST_F(FirmenverwaltungDlgTest, UnknownCountryIsWrittenBackEmpty)
{
    zugriff.firma.SetLand("Frankreich");
    Oeffne();
    EXPECT_EQ(Land()->currentIndex(), -1);
    EXPECT_EQ(Waehrung()->currentText(), "EUR");
    Ok();
    EXPECT_EQ(zugriff.firma.GetLand(), "");
    EXPECT_EQ(zugriff.firma.GetWaehrung(), "EUR");
}

TEST_F(FirmenverwaltungDlgTest, CurrencyNoCountryUsesIsShownAndTypedOneKept)
{
    zugriff.firma.SetWaehrung("DEM");
    Oeffne();
    EXPECT_EQ(Waehrung()->currentText(), "DEM");
    EXPECT_EQ(Waehrung()->findText(QStringLiteral("DEM")), -1);
    Ok();
    EXPECT_EQ(zugriff.firma.GetWaehrung(), "DEM");

    Oeffne();
    // Lower case stays lower case, though "EUR" is in the list.
    Tippe(Waehrung()->lineEdit(), QStringLiteral("eu"));
    QTest::keyClick(Waehrung()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Waehrung()->count(), 2);
    Ok();
    EXPECT_EQ(zugriff.firma.GetWaehrung(), "eu");
}

TEST_F(FirmenverwaltungDlgTest, MissingCountryFileLeavesBothListsEmpty)
{
    Oeffne(temp.filePath(QStringLiteral("fehlt.xml")).toStdString());
    EXPECT_EQ(Land()->count(), 0);
    EXPECT_EQ(Waehrung()->count(), 0);
    EXPECT_EQ(Waehrung()->currentText(), "EUR");
    Tippe(Waehrung()->lineEdit(), QStringLiteral("CHF"));
    Ok();
    EXPECT_EQ(zugriff.firma.GetLand(), "");
    EXPECT_EQ(zugriff.firma.GetWaehrung(), "CHF");
}

TEST_F(FirmenverwaltungDlgTest, CharactersWithoutAWindows1252ByteAreRefused)
{
    Oeffne();
    const QString fremd = QString::fromUtf8("A中😀B");
    auto* name = Kind<QPlainTextEdit>("editName");
    Zeichen(name, fremd);
    EXPECT_EQ(name->toPlainText(), "AB");
    Tippe(Feld("editOrt"), fremd);
    EXPECT_EQ(Feld("editOrt")->text(), "AB");
    Tippe(Waehrung()->lineEdit(), fremd);
    EXPECT_EQ(Waehrung()->currentText(), "AB");
    Ok();
    EXPECT_EQ(zugriff.firma.GetName(), "AB");
    EXPECT_EQ(zugriff.firma.GetOrt(), "AB");
}

TEST_F(FirmenverwaltungDlgTest, F1AsksForItsHelpTopic)
{
    Oeffne();
    QSignalSpy hilfe(dlg.get(), &CFirmenverwaltungDlg::HilfeAngefordert);
    QTest::keyClick(dlg.get(), Qt::Key_F1);
    ASSERT_EQ(hilfe.count(), 1);
    EXPECT_EQ(hilfe.at(0).at(0).toInt(), 600);
}

} // namespace
