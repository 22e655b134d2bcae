#pragma once
// The booking list: the bookings of the selected day or month, one row per
// booking in date order, read-only; the data value of column 0 is the
// booking's journal index. Selecting a row is reported to the main window,
// which opens the booking in the entry grid.
#include "bookinggrids/CBuchungGrid.h"
#include "core/CBuchungsAbfrage.h"
#include "core/CDatum.h"

#include <QColor>

#include <functional>

class CBuchungListe : public CBuchungGrid {
    Q_OBJECT
public:
    explicit CBuchungListe(CDatenZugriff& zugriff, QWidget* parent = nullptr);

    void Show(CDatum date, bool monthly);   // store the period, then Rebuild
    void Rebuild();                         // list the stored period again
    void ClearList();                       // header only (no cash book open)
    int GetSelectedBooking() const;         // journal index of the focus row, or -1
    int GetBookingOfRow(int row) const;     // journal index stored in that row, or -1
    void SelectBooking(int recordIndex);    // focus, select and show its row, if listed
    void ClearSelection();                  // no row focused or selected

    // Where the list learns the last closed day; rows of that day and
    // earlier ones are shaded as closed.
    void SetAbschlussQuelle(std::function<CDatum()> quelle) { m_abschluss = std::move(quelle); }
    static QColor FarbeAbgeschlossen() { return QColor(226, 236, 226); }

    CDatum GetShownDate() const { return m_datum; }
    bool IsMonthly() const { return m_monatlich; }

signals:
    // The focus row changed (the grid control's selection-changed notification).
    void bookingSelectionChanged(int row);

private:
    void FuelleZeile(int row);

    CDatum m_datum;
    bool m_monatlich = false;
    // Kept between rebuilds so a month switch reuses its buffers.
    CBuchungsAbfrage m_abfrage;
    // The journal index of each listed row (row 1 is element 0).
    std::vector<int> m_zeilen;
    std::string m_waehrung;
    std::function<CDatum()> m_abschluss;
    CDatum m_abgeschlossenBis;
};
