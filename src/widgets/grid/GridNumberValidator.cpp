#include "widgets/grid/GridNumberValidator.h"

GridNumberValidator::GridNumberValidator(int minimum, int maximum, QObject* parent)
    : QValidator(parent)
    , m_min(minimum)
    , m_max(maximum)
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
    long long value = 0;
    for (; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
        value = value * 10 + (c.unicode() - '0');
        if (value > 10'000'000'000LL)
            return Invalid;
    }
    if (input.size() == (negative ? 1 : 0))
        return Intermediate;
    if (negative)
        value = -value;
    if ((!negative && value > m_max) || (negative && value < m_min))
        return Invalid;
    return value < m_min || value > m_max ? Intermediate : Acceptable;
}
