#pragma once
// The booking entry grid: one booking being typed or changed, an ordinary
// one in row 1 or a split booking (header row 1, one row per split line and
// an empty last row). It validates and writes the booking into the journal
// when the main window settles the entry; the rules themselves live in the
// core's entry engine so kuvex-cli books exactly the same way.
#include "bookinggrids/CBuchungGrid.h"

class CBuchungen;
class UserMessages;

class CBuchungEingabe : public CBuchungGrid {
    Q_OBJECT
public:
    explicit CBuchungEingabe(QWidget* parent = nullptr);

    // Where validation messages go ("Unvollständige Eingabe"); without one
    // an incomplete booking is still refused, just without a message.
    void SetUserMessages(UserMessages* messages) { m_messages = messages; }

    // Opens an empty ordinary booking (day preset from the date selector).
    void NewBooking();
    // Opens booking i of the journal; false for i < 0 or without a journal.
    bool ShowBooking(int recordIndex);
    // With a journal: validate (messages shown) and write; with nullptr:
    // discard. Then the grid is emptied. false only when validation failed.
    bool Finish(CBuchungen* journal);

    // 0 idle, 1 a booking is open without changes, 2 it has changes.
    int GetState() const;
    // Journal index of the booking last held (-1 for a new one not yet added).
    int GetRecordIndex() const;
    // The open booking is a split booking.
    bool IsSplit() const { return m_aufteilung; }
    // Day number of the last finished booking (monthly mode presets it).
    int GetLastDay() const { return m_letzterTag; }

signals:
    // The entry state changed value (the main window enables its buttons).
    void stateChanged(int state);
    // Enter on a complete booking: the main window commits and starts the next.
    void completeBookingEntered();

private:
    void SetState(int state);

    UserMessages* m_messages = nullptr;
    int m_state = 0;
    bool m_aufteilung = false;
    int m_satz = -1;
    int m_letzterTag = 0;
};
