#pragma once
// Common base of the booking entry grid and the booking list: the eight
// columns "Tag", "Bezeichnung", "Notiz", "RG-Nr.", "Einnahmen", "Ausgaben",
// "Wrg.", "USt/%" with their widths, header colours and alignment, and the
// main window's data-access interface, which every booking grid is built on
// and which outlives it.
#include "widgets/grid/CGridCtrl.h"

#include <string>

class CDatenZugriff;

class CBuchungGrid : public CGridCtrl {
    Q_OBJECT
public:
    explicit CBuchungGrid(CDatenZugriff& zugriff, QWidget* parent = nullptr);

    // The company currency ("Firma/Waehrung"), empty without a company.
    std::string GetWaehrung() const;

    // Column layout shared by both grids.
    enum Spalte { Tag = 0, Bezeichnung, Notiz, RgNr, Einnahmen, Ausgaben, Wrg, USt };
    static constexpr int Spaltenzahl = 8;
    // Sum of every column's width but "Bezeichnung", which takes the rest.
    static constexpr int FesteBreiten = 515;
    // "Bezeichnung" until the grid knows its real width.
    static constexpr int StartBreiteBezeichnung = 140;
    static const QColor KopfFarbe;       // RGB(0, 51, 170)
    static const QColor NurLesenFarbe;   // RGB(221, 221, 221)

protected:
    // Right-aligns "Tag", "Einnahmen", "Ausgaben" and "USt/%" of a row.
    void AlignRow(int row);
    // Clears the cell's state and gives it a white background.
    void SetCellEditable(int row, int col);
    // Marks the cell read-only with the grey background.
    void SetCellReadOnly(int row, int col);
    bool IsCellReadOnly(int row, int col) const;
    // The amount of a decimal cell; 0 for any other kind.
    CBetrag GetDecimalAmount(int row, int col) const;

    void resizeEvent(QResizeEvent* event) override;

    // The grids only read the cash book (a commit writes into the journal
    // it is handed), so they see it through the const getters.
    const CDatenZugriff& Daten() const { return m_zugriff; }

private:
    void FitBezeichnung();

    CDatenZugriff& m_zugriff;
};
