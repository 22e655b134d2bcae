#pragma once
// "Kassen-Monatsübersicht": the selected month day by day in a grid, with
// the calendar weeks, the day's receipts and payments and the cash balance
// at the end of each day. Filled once when it is made; changes nothing.
#include <QDialog>

class CDatenZugriff;
class CGridCtrl;
class QLabel;

class CMonatsUebersichtDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMonatsUebersichtDlg(const CDatenZugriff& zugriff, QWidget* parent = nullptr);

    CGridCtrl* Grid() const { return m_grid; }
    QLabel* Titel() const { return m_titel; }
    QLabel* Waehrung() const { return m_waehrung; }

private:
    void Fuelle(const CDatenZugriff& zugriff);

    QLabel* m_titel = nullptr;
    QLabel* m_waehrung = nullptr;
    CGridCtrl* m_grid = nullptr;
};
