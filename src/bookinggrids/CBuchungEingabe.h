#pragma once
// The booking entry grid: one booking being typed or changed, an ordinary
// one in row 1 or a split booking (header row 1, one row per split line and
// an empty last row). It validates and writes the booking into the journal
// when the main window settles the entry; the rules themselves live in the
// core's entry engine so kuvex-cli books exactly the same way.
//
// Cell data values: column 0 of a line row holds the journal line the row
// was filled from (-1 for a new line), column 1 holds 1 for a split row the
// user deleted, column 7 holds the row's VAT id.
#include "bookinggrids/CBuchungGrid.h"
#include "bookinggrids/EntryState.h"
#include "core/CBuchungsErfassung.h"

#include <optional>
#include <string>
#include <vector>

class CBuchungen;
class UserMessages;

class CBuchungEingabe : public CBuchungGrid {
    Q_OBJECT
public:
    explicit CBuchungEingabe(CDatenZugriff& zugriff, QWidget* parent = nullptr);

    // Where validation messages go ("Unvollständige Eingabe"); without one
    // an incomplete booking is still refused, just without a message.
    void SetUserMessages(UserMessages* messages) { m_messages = messages; }

    // Opens an empty ordinary booking (day preset from the date selector).
    void NewBooking();
    // Opens booking i of the journal; false for i < 0 or without a journal.
    bool ShowBooking(int recordIndex);
    // Opens a new booking filled with the lines of booking i, to correct a
    // locked booking after its reversal.
    bool Korrektur(int recordIndex);
    // With a journal: validate (messages shown) and write; with nullptr:
    // discard. Then the grid is emptied. false only when validation failed.
    bool Finish(CBuchungen* journal);

    EntryState GetState() const;
    // Journal index of the booking last held (-1 for a new one not yet added).
    int GetRecordIndex() const;
    // The open booking is a split booking.
    bool IsSplit() const { return m_aufteilung; }
    // Day number of the last finished booking (monthly mode presets it).
    int GetLastDay() const { return m_letzterTag; }

    // The open booking as the entry engine sees it (rows as they stand).
    CErfassteBuchung GetErfassteBuchung() const;
    // The first fault of the open booking, without any message.
    std::optional<CErfassungsFehler> CheckBooking() const;

    // Extra items of the receipt-text list.
    static const char* const TextAufteilung;   // ". Aufteilung"
    static const char* const TextLoeschen;     // "- Löschen"
    static const char* const TextSplitKopf;    // "Aufteilung"

signals:
    // The entry state changed value (the main window enables its buttons).
    void stateChanged(EntryState state);
    // Enter on a complete booking: the main window commits and starts the next.
    void completeBookingEntered();

protected:
    void OnEditCell(int row, int col, QPoint point, int key) override;
    void OnEndEditCell(int row, int col, const std::string& text) override;
    void OnEditorChanged(int row, int col) override;
    void OnKeyDown(int key, int repeatCount, Qt::KeyboardModifiers modifiers) override;

private:
    void SetState(EntryState state);
    // Validation with the engine; shows the message and returns to the
    // named cell unless silent.
    bool Validate(bool silent);
    bool Commit(CBuchungen& journal);
    void ShowFault(const std::string& text);
    void StartEditing(int row, int col);

    // Rows (CBuchungEingabeZeilen.cpp).
    void SetupLineRow(int row);
    void FillRowFromLine(int row, const CBuchungen& journal, int satz, int zeile);
    void ApplyReceiptText(int row, int k);
    void SetVatCell(int row, int ustId);
    void ConvertToSplit(const std::string& alteBezeichnung);
    void MakeSplitHeader();
    void UpdateSums();
    void DeleteSplitRow(int row);
    void AddEmptyRow();
    void EndEditBezeichnung(int row, const std::string& text, const std::string& old);
    void EndEditUSt(int row, const std::string& text);
    std::vector<std::string> ReceiptTextOptions() const;
    // The id whose display text is text, or nothing.
    std::optional<int> FindVatId(const std::string& text) const;
    int LastRow() const { return GetRowCount() - 1; }

    UserMessages* m_messages = nullptr;
    EntryState m_state = EntryState::Idle;
    bool m_aufteilung = false;
    int m_satz = -1;
    int m_letzterTag = 0;
    // Opening a booking: the editor it starts is no change by the user, but
    // the first thing typed or chosen in it is (OnEditorChanged).
    bool m_oeffnen = false;
    // Receipt texts offered in column 1, fixed while a booking is open.
    std::vector<std::string> m_textOptionen;
};
