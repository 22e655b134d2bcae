#pragma once
// What may be typed into a whole-number cell: digits, with a leading "-"
// only when the range goes below zero, and never a number past the range's
// ends. A number still short of the lower end is let through while typing
// (the next digit may bring it into range); the program checks the bounds
// of what was entered itself.
#include <QValidator>

class GridNumberValidator : public QValidator {
    Q_OBJECT
public:
    GridNumberValidator(int minimum, int maximum, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    int m_min;
    int m_max;
};
