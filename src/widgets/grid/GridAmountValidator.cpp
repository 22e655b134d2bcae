#include "widgets/grid/GridAmountValidator.h"

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

GridAmountValidator::GridAmountValidator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State GridAmountValidator::validate(QString& input, int&) const
{
    qsizetype i = 0;
    const qsizetype n = input.size();
    if (i < n && input[i] == QLatin1Char('-'))
        ++i;
    int integerDigits = 0;
    for (; i < n && (IsAsciiDigit(input[i]) || input[i] == QLatin1Char('.')); ++i) {
        if (IsAsciiDigit(input[i]) && ++integerDigits > kMaxIntegerDigits)
            return Invalid;
    }
    if (i < n && input[i] == QLatin1Char(',')) {
        ++i;
        int decimals = 0;
        for (; i < n && IsAsciiDigit(input[i]); ++i) {
            if (++decimals > kMaxDecimals)
                return Invalid;
        }
    }
    return i == n ? Acceptable : Invalid;
}
