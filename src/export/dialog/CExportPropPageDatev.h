#pragma once
// Page "DATEV" of the export sheet: what the adviser's DATEV needs to take
// the booking batch (chart of accounts, adviser and client numbers, the
// first month of the fiscal year, the account length, the initials), and
// the cash account of the open cash book. The first five belong to the
// program's export settings, the cash account to the cash book.
#include <QWidget>

#include <string>

class CExportSettings;
class CZahlenFeld;
class QComboBox;
class QLineEdit;
class UserMessages;

class CExportPropPageDatev : public QWidget {
    Q_OBJECT
public:
    explicit CExportPropPageDatev(UserMessages& messages, QWidget* parent = nullptr);

    // kassenkonto: the cash book's, "" for the chart's default.
    void Load(const CExportSettings& einstellungen, const std::string& kassenkonto);
    // Every field holds what DATEV takes (the two numbers may stay empty
    // until the first DATEV export); otherwise says so, puts the focus
    // into the field and answers false.
    bool Pruefe();
    bool IstGueltig() const { return Fehler().second == nullptr; }
    // Only after Pruefe answered true.
    void Save(CExportSettings& einstellungen) const;
    std::string Kassenkonto() const;

private:
    // The first refused field and why.
    std::pair<const char*, QWidget*> Fehler() const;
    void ZeigeStandardKonto();

    UserMessages& m_messages;
    QComboBox* m_rahmen = nullptr;
    CZahlenFeld* m_berater = nullptr;
    CZahlenFeld* m_mandant = nullptr;
    QComboBox* m_wjBeginn = nullptr;
    CZahlenFeld* m_laenge = nullptr;
    QLineEdit* m_kuerzel = nullptr;
    CZahlenFeld* m_kassenkonto = nullptr;
};
