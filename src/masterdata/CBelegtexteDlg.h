#pragma once
// "Belegtexte für das Kassenbuch": the receipt-text catalogue of the open
// cash book in one grid, a row per text in its display order: name, info,
// receipt or payment, VAT rate, inactive, statistics and the adviser's
// account (editable for system texts too). Rows are added,
// deleted (hidden until the save) and moved; system texts keep all but
// their statistics box. The dialog works on its grid only: the catalogue
// changes when "&Speichern" has passed its checks (no empty rows, no name
// twice), and no file is written here.
#include <QDialog>

#include <string>
#include <vector>

class CBelegtexte;
class CDatenZugriff;
class CStammdatenGrid;
class QKeyEvent;
class QPushButton;
class QToolButton;
class UserMessages;

class CBelegtexteDlg : public QDialog {
    Q_OBJECT
public:
    // The grid's columns.
    enum Spalte { Bezeichnung, Info, Art, USt, Inaktiv, Statistik, Konto, SpaltenZahl };

    static const char* const FrageEintrag;       // "Wollen Sie diesen Eintrag wirklich löschen"
    static const char* const FrageEintraege;     // "Wollen Sie diese Einträge wirklich löschen"
    static const char* const SystemtextWarnung;  // "Sie haben versuch den Systemtext "%s" zu löschen. …"
    static const char* const LeereZeile;         // "Eine leere Zeile wurde entdeckt, …"
    static const char* const DoppelterText;      // "Eine Kurzbezeichnung darf nur einmal vorkommen. …"
    static constexpr int HilfeThema = 700;

    // zugriff must have a cash book open; its VAT-rate table gives the
    // rates offered in the VAT column.
    CBelegtexteDlg(CDatenZugriff& zugriff, UserMessages& messages, QWidget* parent = nullptr);

    CStammdatenGrid& Grid() const { return *m_grid; }

    // "&Speichern": the checks, then the catalogue is written and the
    // dialog closes; a check the user answers with "Abbrechen" closes it
    // without saving, any other refusal keeps it open.
    void accept() override;

    // The buttons' work, also for the keys.
    void NeueZeile();
    void LoescheZeilen();
    void Verschiebe(int richtung);

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    void HilfeAngefordert(int thema);

private:
    enum class Pruefung { Bestanden, Bleiben, Abbrechen };

    void BaueAuf();
    void FuelleGrid();
    void RichteZeileEin(int row);
    void FuelleZeile(int row, int eintrag);
    void FaerbeZeile(int row);
    bool IstSystemZeile(int row) const;
    bool IstGeloescht(int row) const;
    void MarkiereGeloescht(int row);
    void UStBearbeitet(int row, int col, int* answer);
    void KontoBearbeitet(int row, int col, int* answer);
    // Both in CBelegtexteDlgSpeichern.cpp.
    Pruefung Pruefe();
    void Schreibe(CBelegtexte& katalog) const;

    CDatenZugriff& m_zugriff;
    UserMessages& m_messages;
    CStammdatenGrid* m_grid = nullptr;
    QPushButton* m_neu = nullptr;
    QPushButton* m_loeschen = nullptr;
    QToolButton* m_auf = nullptr;
    QToolButton* m_ab = nullptr;
    QPushButton* m_speichern = nullptr;
    QPushButton* m_abbrechen = nullptr;
    // The active VAT rates as offered (display texts) and their ids.
    std::vector<std::string> m_ustTexte;
    std::vector<int> m_ustIds;
};
