#pragma once
// Page "Daten" of the export sheet: the client number the adviser knows
// the business by, the cash box's number and name, and the first ids of
// the receipt-text and booking tables. The first ids are not shown; their
// stored values pass through unchanged.
#include <QWidget>

class CExportSettings;
class CZahlenFeld;
class QLineEdit;
class UserMessages;

class CExportPropPageData : public QWidget {
    Q_OBJECT
public:
    static const char* const KeineZahl; // "Bitte geben Sie eine ganze Zahl ein."

    explicit CExportPropPageData(UserMessages& messages, QWidget* parent = nullptr);

    void Load(const CExportSettings& einstellungen);
    // Every number field holds a number; otherwise says so, puts the focus
    // into the first field that does not, and answers false.
    bool Pruefe();
    bool IstGueltig() const { return ErstesUngueltiges() == nullptr; }
    // Only after Pruefe answered true.
    void Save(CExportSettings& einstellungen) const;

private:
    CZahlenFeld* ErstesUngueltiges() const;

    UserMessages& m_messages;
    CZahlenFeld* m_mandant = nullptr;
    CZahlenFeld* m_kasse = nullptr;
    QLineEdit* m_kassenname = nullptr;
    CZahlenFeld* m_ersterBeleg = nullptr;
    CZahlenFeld* m_ersteBuchung = nullptr;
};
