#pragma once
// Common base of the booking entry grid and the booking list: the eight
// columns "Tag", "Bezeichnung", "Notiz", "RG-Nr.", "Einnahmen", "Ausgaben",
// "Wrg.", "USt/%" with their widths, header colours and alignment, and the
// main window's data-access interface.
#include "widgets/grid/CGridCtrl.h"

#include <string>

class CDatenZugriff;

class CBuchungGrid : public CGridCtrl {
    Q_OBJECT
public:
    explicit CBuchungGrid(QWidget* parent = nullptr);

    // Must be called once before use; the interface outlives the grid.
    void SetDatenZugriff(CDatenZugriff* zugriff);
    CDatenZugriff* GetDatenZugriff() const { return m_zugriff; }

    // The company currency ("Firma/Waehrung"), empty without a company.
    std::string GetWaehrung() const;

protected:
    CDatenZugriff* m_zugriff = nullptr;
};
