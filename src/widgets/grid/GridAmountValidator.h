#pragma once
// What may be typed into an amount cell: an optional leading "-", digits
// with "." as thousands separator wherever the user likes, then "," and at
// most two decimals (the screen shows two; a third would vanish from view
// but stay in the amount). At most 13 integer digits, so the amount in
// ten-thousandths always fits its 64 bits.
#include <QValidator>

class GridAmountValidator : public QValidator {
    Q_OBJECT
public:
    explicit GridAmountValidator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

    static constexpr int kMaxIntegerDigits = 13;
    static constexpr int kMaxDecimals = 2;
};
