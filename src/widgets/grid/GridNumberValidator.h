#pragma once
// What may be typed into a whole-number cell: digits, with a leading "-"
// only when the range goes below zero, and no more digits than the wider
// end of the range has. A number of that length outside the range is let
// through as unfinished input, never cut short: "31" in a day cell of a
// 30-day month must reach the program's check of the day (and its message)
// as the user typed it, not turn into a silent "3".
#include <QValidator>

class GridNumberValidator : public QValidator {
    Q_OBJECT
public:
    GridNumberValidator(int minimum, int maximum, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    int m_min;
    int m_max;
    int m_digits;  // digits of the wider end of the range
};
