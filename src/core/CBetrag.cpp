// Text forms of amounts. Both directions work on the raw ten-thousandths in
// 64-bit integers, so no floating point ever touches a money value.
#include "core/CBetrag.h"

#include <cstdint>

namespace {

// Decimal digits of q, grouped by three from the right when asked.
void AppendInteger(std::string& out, std::uint64_t q, bool group, char thousands)
{
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + q % 10);
        q /= 10;
    } while (q != 0);
    for (int i = n - 1; i >= 0; --i) {
        out += digits[i];
        if (group && i > 0 && i % 3 == 0)
            out += thousands;
    }
}

} // namespace

std::string FormatBetrag(CBetrag amount, int decimals, int flags)
{
    const std::int64_t raw = amount.Raw();
    // Unsigned magnitude so that even the smallest 64-bit value has one.
    const std::uint64_t mag = raw < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(raw)
                                      : static_cast<std::uint64_t>(raw);
    const std::uint64_t q = mag / 10000;
    std::uint64_t r = mag % 10000;

    const bool group = (flags & 1) != 0;
    const char decimalSep = (flags & 2) ? '.' : ',';
    const char thousandsSep = (flags & 2) ? ',' : '.';

    std::string out;
    if (raw < 0)
        out += '-';
    AppendInteger(out, q, group, thousandsSep);

    if (decimals > 0) {
        out += decimalSep;
        // Each step shifts the next digit up; after the fourth only zeros
        // remain. Cut, never rounded.
        for (int i = 0; i < decimals; ++i) {
            r = (r % 10000) * 10;
            out += static_cast<char>('0' + r / 10000);
        }
    } else if (decimals < 0 && r > 0) {
        out += decimalSep;
        while (r % 10000 != 0) {
            r = (r % 10000) * 10;
            out += static_cast<char>('0' + r / 10000);
        }
    }
    return out;
}

std::string FormatBetragAnzeige(CBetrag amount)
{
    return FormatBetrag(amount, 2, 1);
}

std::string FormatBetragExport(CBetrag amount)
{
    return FormatBetrag(amount, -1, 2);
}

CBetrag ParseBetrag(const std::string& text)
{
    // The integer part stops growing once it is beyond any 64-bit amount,
    // and such a text gives the largest amount of its sign: a runaway digit
    // string must not wrap around to a small amount that entry would take.
    constexpr std::uint64_t kGrenze = (std::uint64_t(1) << 63) / 10000 + 1;
    std::uint64_t n = 0;
    bool zuGross = false;
    char fraction[4] = {'0', '0', '0', '0'};
    int fracPos = 0;
    bool negative = false;
    bool inFraction = false;

    for (char c : text) {
        if (c >= '0' && c <= '9') {
            if (!inFraction) {
                n = n * 10 + static_cast<std::uint64_t>(c - '0');
                if (n > kGrenze) {
                    zuGross = true;
                    n = kGrenze;
                }
            } else {
                if (fracPos == 4)
                    break; // a fifth fraction digit ends the walk
                fraction[fracPos++] = c;
            }
        } else if (c == '-') {
            negative = true;
        } else if (c == ',') {
            inFraction = true;
        }
        // Anything else, "." and blanks included, is skipped.
    }

    std::uint64_t frac = 0;
    for (char c : fraction)
        frac = frac * 10 + static_cast<std::uint64_t>(c - '0');
    // 2^63 is the magnitude of the smallest amount, 2^63 - 1 of the largest.
    const std::uint64_t groesste = (std::uint64_t(1) << 63) - (negative ? 0 : 1);
    const std::uint64_t value =
        zuGross || n > (groesste - frac) / 10000 ? groesste : n * 10000 + frac;
    return CBetrag(static_cast<std::int64_t>(negative ? std::uint64_t(0) - value : value));
}
