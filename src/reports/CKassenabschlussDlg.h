#pragma once
// "Kassenabschluss": the count sheet of one day. One row per note and coin
// of the company's currency takes the count and shows its sum (for a
// currency without a list, one field takes the counted total); below stand
// the counted total, the book's balance at the end of the day and the
// difference. "Differenz buchen und abschließen" is offered while there is
// a difference, "Abschließen" while there is none. The dialog changes
// nothing itself: on either button it checks every count and hands back
// the close to be made (Ergebnis).
#include <QDialog>

#include <vector>

#include "core/CKassenabschluss.h"

class QLabel;
class QLineEdit;
class QPushButton;
class UserMessages;

class CKassenabschlussDlg : public QDialog {
    Q_OBJECT
public:
    // The help page of this dialog (CHilfeFenster::ThemaKassenabschluss).
    static constexpr int HilfeThema = 1000;

    // `vorlage` is the close as made from an empty count (its day, currency,
    // rows and the book's balance).
    CKassenabschlussDlg(CKassenabschluss vorlage, UserMessages& messages, QWidget* parent = nullptr);

    // Reads every count; a count that is not a whole number from 0 up is
    // named in a message and the dialog stays open at that field.
    void accept() override;
    // The close the user confirmed (valid after Accepted).
    const CKassenabschluss& Ergebnis() const { return m_abschluss; }

signals:
    void HilfeAngefordert(int thema);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Reads the fields; false (with the message when `melden`) at the first bad one.
    bool Lies(bool melden);
    void Aktualisiere();

    CKassenabschluss m_abschluss;
    UserMessages& m_messages;
    std::vector<QLineEdit*> m_anzahl;
    std::vector<QLabel*> m_summe;
    QLineEdit* m_gezaehltFeld = nullptr;
    QLabel* m_gezaehlt = nullptr;
    QLabel* m_differenz = nullptr;
    QPushButton* m_buchen = nullptr;
    QPushButton* m_abschliessen = nullptr;
};
