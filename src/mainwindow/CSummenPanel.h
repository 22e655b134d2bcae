#pragma once
// The totals block of the main window: carry-over ("Übertrag"), receipts,
// payments and cash balance of the shown period, each right-aligned with
// the company's currency beside it. The balance turns red when it is below
// zero by even a ten-thousandth, although its text then reads "-0,00".
#include <QWidget>

class CKassenSummen;
class QLabel;

class CSummenPanel : public QWidget {
    Q_OBJECT
public:
    explicit CSummenPanel(QWidget* parent = nullptr);

    // The four amounts; default-constructed sums show "0,00" everywhere.
    void Zeige(const CKassenSummen& summen);
    // The currency beside every amount ("-" with no company record).
    void SetWaehrung(const QString& waehrung);

    QLabel* Uebertrag() const { return m_betrag[0]; }
    QLabel* Einnahmen() const { return m_betrag[1]; }
    QLabel* Ausgaben() const { return m_betrag[2]; }
    QLabel* Kassenbestand() const { return m_betrag[3]; }
    QLabel* Waehrung(int zeile) const { return m_waehrung[zeile]; }
    bool IstRot() const { return m_rot; }

private:
    QLabel* m_betrag[4] = {};
    QLabel* m_waehrung[4] = {};
    bool m_rot = false;
};
