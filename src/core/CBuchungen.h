#pragma once
// The booking journal: every booking of a cash book in insertion order,
// addressed by index. Each balance the program shows is summed on demand
// from here; nothing is cached. Index errors raise CFehler with the
// program's texts. Write/Read give the "Buchungen.dat" form.
#include <cstdint>
#include <string>
#include <vector>

#include "core/CBetrag.h"
#include "core/CBuchungssatz.h"
#include "core/CDatum.h"

class CBinStream;

// How a line contributes to a sum; any other value counts as Net.
enum class SumMode : int { Income = 1, Net = 0, Expense = -1 };

class CBuchungen {
public:
    int GetCount() const { return static_cast<int>(m_saetze.size()); }

    const CBuchungssatz& GetItem(int i) const;
    CBuchungssatz& GetItem(int i);
    const CBuchungszeile& GetItem(int i, int j) const;
    CBuchungszeile& GetItem(int i, int j);

    // Appends a record dated now (time of day included) and returns its index.
    int AddItem();
    void RemoveItem(int i);
    void Clear() { m_saetze.clear(); }

    int GetLineCount(int i) const;
    int AddLine(int i);
    void RemoveLine(int i, int j);

    const std::string& GetNotiz(int i) const { return GetItem(i).Notiz; }
    void SetNotiz(int i, const std::string& text) { GetItem(i).Notiz = text; }
    void SetNotiz(int i, const char* text) { GetItem(i).Notiz = text ? text : ""; }
    const std::string& GetRgNr(int i) const { return GetItem(i).RgNr; }
    void SetRgNr(int i, const std::string& text) { GetItem(i).RgNr = text; }
    void SetRgNr(int i, const char* text) { GetItem(i).RgNr = text ? text : ""; }
    const std::string& GetBezeichnung(int i, int j) const { return GetItem(i, j).Bezeichnung; }
    const std::string& GetNotiz(int i, int j) const { return GetItem(i, j).Notiz; }
    void SetNotiz(int i, int j, const std::string& text) { GetItem(i, j).Notiz = text; }
    void SetNotiz(int i, int j, const char* text) { GetItem(i, j).Notiz = text ? text : ""; }

    // Whether any line carries exactly this receipt text (byte comparison).
    bool HasLineText(const std::string& text) const;

    CBetrag GetLineSum(int i, SumMode mode) const;
    // Records dated exactly `day` (a record with a time of day never matches
    // a midnight).
    CBetrag GetDaySum(CDatum day, SumMode mode) const;
    // Records dated strictly before `date`.
    CBetrag GetSumBefore(CDatum date, SumMode mode) const;
    // Records with from <= Datum <= to.
    CBetrag GetRangeSum(CDatum from, CDatum to, SumMode mode) const;

    // Running cash balance, day by day: starting from the carry-over
    // GetSumBefore(from, Net), each calendar day d from `from` (a local
    // midnight) up to `to` adds GetDaySum(d, Net), and visit(d, balance)
    // is called with the balance at the end of d. Days advance by calendar
    // day, so the 23- and 25-hour days of a clock change are stepped over
    // correctly. visit returns false to stop early.
    template <class Visit>
    void WalkDailyBalance(CDatum from, CDatum to, Visit&& visit) const
    {
        CBetrag balance = GetSumBefore(from, SumMode::Net);
        for (CDatum day = from; day <= to; day = day.NextDay()) {
            balance += GetDaySum(day, SumMode::Net);
            if (!visit(day, balance))
                return;
        }
    }
    // Balance at the end of `day` inside a period starting at `from`.
    CBetrag GetRunningBalance(CDatum from, CDatum day) const;

    // Exact size of the journal's "Buchungen.dat", texts too long for the
    // file counted as they are.
    std::uint64_t FileSize() const;
    // The refusal of a journal that would not fit the file, naming its size.
    static std::string MeldungZuGross(std::uint64_t fileSize);

    // False, writing nothing, if the stream has failed. Raises CFehler and
    // leaves the stream untouched if a text or a line count does not fit
    // the file's 16-bit fields, or the file would be larger than the
    // reader accepts (buchungen_format::kMaxFileSize).
    bool Write(CBinStream& stream) const;
    // Record i's bytes exactly as Write puts them into "Buchungen.dat";
    // raises CFehler like Write for a record the file cannot hold.
    std::string SatzBytes(int i) const;
    // False on any error (records read before it stay in the journal); the
    // reason goes to *error when given.
    bool Read(CBinStream& stream, std::string* error = nullptr);

private:
    std::vector<CBuchungssatz> m_saetze;
};
