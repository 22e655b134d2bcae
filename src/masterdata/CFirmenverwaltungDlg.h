#pragma once
// "Firmenverwaltung": edits the company record of the open cash book, its
// name (several lines), owner, address, country and currency. The
// countries come from the country list beside the program; choosing one
// preselects its currency, and any other currency can be typed. The record
// is changed only when the user presses "&OK"; the dialog writes no file.
#include <QDialog>

#include <string>

class CDatenZugriff;
class CLaender;
class CPlzValidator;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class UserMessages;

class CFirmenverwaltungDlg : public QDialog {
    Q_OBJECT
public:
    static const char* const ZuVieleZeichen; // "Bitte geben Sie höchstens 5 Zeichen ein."
    // The help page of this dialog, for whoever answers HilfeAngefordert.
    static constexpr int HilfeThema = 600;

    // zugriff must have a cash book open; laenderDatei is the country
    // list's file (a missing one leaves both lists empty).
    CFirmenverwaltungDlg(CDatenZugriff& zugriff, const std::string& laenderDatei, UserMessages& messages,
                         QWidget* parent = nullptr);

    // Writes every field into the company record and closes, unless the
    // postcode is too long; then it says so and stays open.
    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // F1 was pressed; the program's help is not wired to it yet.
    void HilfeAngefordert(int thema);

private:
    void BaueAuf();
    void FuelleLaender(const CLaender& laender, const std::string& land, const std::string& waehrung);
    void LandGewaehlt(int index);
    void NameGeaendert();

    CDatenZugriff& m_zugriff;
    UserMessages& m_messages;
    QPlainTextEdit* m_name = nullptr;
    QLineEdit* m_vorname = nullptr;
    QLineEdit* m_nachname = nullptr;
    QLineEdit* m_kurzbezeichnung = nullptr;
    QLineEdit* m_strasse = nullptr;
    QLineEdit* m_plz = nullptr;
    CPlzValidator* m_plzRegel = nullptr;
    QLineEdit* m_ort = nullptr;
    QComboBox* m_land = nullptr;
    QComboBox* m_waehrung = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_abbrechen = nullptr;
    // The last name text that Windows-1252 can hold, to go back to.
    QString m_letzterName;
};
