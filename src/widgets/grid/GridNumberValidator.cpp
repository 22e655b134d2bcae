#include "widgets/grid/GridNumberValidator.h"

#include <algorithm>
#include <cstdlib>

namespace {

int DigitsOf(long long value)
{
    int digits = 1;
    for (value = std::llabs(value); value >= 10; value /= 10)
        ++digits;
    return digits;
}

} // namespace

GridNumberValidator::GridNumberValidator(int minimum, int maximum, QObject* parent)
    : QValidator(parent)
    , m_min(minimum)
    , m_max(maximum)
    , m_digits(std::max(DigitsOf(minimum), DigitsOf(maximum)))
{
}

QValidator::State GridNumberValidator::validate(QString& input, int&) const
{
    qsizetype i = 0;
    const bool negative = !input.isEmpty() && input[0] == QLatin1Char('-');
    if (negative) {
        if (m_min >= 0)
            return Invalid;
        ++i;
    }
    if (input.size() - i > m_digits)
        return Invalid;
    long long value = 0;
    for (; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
        value = value * 10 + (c.unicode() - '0');
    }
    if (input.size() == (negative ? 1 : 0))
        return Intermediate;
    if (negative)
        value = -value;
    return value < m_min || value > m_max ? Intermediate : Acceptable;
}
