#pragma once
// "USt-Sätze einrichten": the VAT-rate table beside the program, a row per
// rate in its display order, filtered by country. Name, valid-from date
// and percentage are shown only; the user switches rates inactive and
// moves them. "&Speichern" writes each rate's "Inaktiv" and its row as
// "Sort" into the table; writing the table's file is the caller's job.
#include <QDialog>

class CStammdatenGrid;
class CSteuersaetze;
class QComboBox;
class QKeyEvent;
class QPushButton;
class QToolButton;

class CUStDlg : public QDialog {
    Q_OBJECT
public:
    enum Spalte { Bezeichnung, GueltigAb, Prozent, Inaktiv, SpaltenZahl };
    // The country filter's entries, in the order of the list.
    enum Land { Alle, Deutschland, Oesterreich, Schweiz };
    static constexpr int HilfeThema = 800;

    explicit CUStDlg(CSteuersaetze& steuersaetze, QWidget* parent = nullptr);

    CStammdatenGrid& Grid() const { return *m_grid; }
    // The country code of a rate's "Land"; Alle for any other text.
    static Land LandCode(const std::string& land);

    void accept() override;
    void Verschiebe(int richtung);

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    void HilfeAngefordert(int thema);

private:
    void BaueAuf();
    void FuelleGrid();
    void Filtere(int index);

    CSteuersaetze& m_steuersaetze;
    QComboBox* m_land = nullptr;
    CStammdatenGrid* m_grid = nullptr;
    QToolButton* m_auf = nullptr;
    QToolButton* m_ab = nullptr;
    QPushButton* m_speichern = nullptr;
    QPushButton* m_abbrechen = nullptr;
};
