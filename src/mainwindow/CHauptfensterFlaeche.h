#pragma once
// The working surface of the main window below its toolbar, laid out with
// Qt layouts so it follows fonts and screen sizes: the selected date in
// words with the daily/monthly buttons, the entry grid with "&Neu",
// "S&peichern" and "A&bbrechen", the booking list with "&Löschen", the
// totals and the report buttons. It only holds the widgets; the window
// gives them their behaviour.
#include <QWidget>

class CBuchungEingabe;
class CBuchungListe;
class CDatenZugriff;
class CLogo;
class CSummenPanel;
class QLabel;
class QPushButton;
class QRadioButton;

class CHauptfensterFlaeche : public QWidget {
    Q_OBJECT
public:
    // The grids read the cash book through zugriff.
    explicit CHauptfensterFlaeche(CDatenZugriff& zugriff, QWidget* parent = nullptr);

    QLabel* datum = nullptr;
    QRadioButton* taeglich = nullptr;
    QRadioButton* monatlich = nullptr;
    CBuchungEingabe* eingabe = nullptr;
    QPushButton* neu = nullptr;
    QPushButton* speichern = nullptr;
    QPushButton* abbrechen = nullptr;
    CBuchungListe* liste = nullptr;
    QPushButton* loeschen = nullptr;
    QPushButton* korrigieren = nullptr;  // shown only with locked bookings
    CSummenPanel* summen = nullptr;
    QPushButton* monatsuebersicht = nullptr;
    QPushButton* kassenbericht = nullptr;
    QPushButton* statistik = nullptr;
    CLogo* logo = nullptr;
};
