#pragma once
// A money amount in ten-thousandths of the currency unit (1,50 is 15000).
// The currency is not part of the value; it comes from the company record.
// Arithmetic is plain 64-bit integer arithmetic truncating toward zero.
#include <compare>
#include <cstdint>
#include <string>

class CBetrag {
public:
    constexpr CBetrag() = default;
    constexpr explicit CBetrag(std::int64_t raw) : m_raw(raw) {}

    constexpr std::int64_t Raw() const { return m_raw; }
    constexpr double AsDouble() const { return static_cast<double>(m_raw) * 0.0001; }

    friend constexpr CBetrag operator+(CBetrag a, CBetrag b) { return CBetrag(a.m_raw + b.m_raw); }
    friend constexpr CBetrag operator-(CBetrag a, CBetrag b) { return CBetrag(a.m_raw - b.m_raw); }
    // (a × b) / 10000: multiplying by CBetrag(-10000) negates.
    friend constexpr CBetrag operator*(CBetrag a, CBetrag b) { return CBetrag(a.m_raw * b.m_raw / 10000); }
    // (a × 10000) / b; callers test b for zero first.
    friend constexpr CBetrag operator/(CBetrag a, CBetrag b) { return CBetrag(a.m_raw * 10000 / b.m_raw); }
    CBetrag& operator+=(CBetrag b) { m_raw += b.m_raw; return *this; }
    CBetrag& operator-=(CBetrag b) { m_raw -= b.m_raw; return *this; }
    friend constexpr auto operator<=>(CBetrag, CBetrag) = default;

private:
    std::int64_t m_raw = 0;
};

// flags bit 0: group thousands; bit 1: "." decimal and "," thousands
// separators instead of "," and ".". decimals < 0: only significant digits.
std::string FormatBetrag(CBetrag amount, int decimals, int flags);
// The two forms users see: on screen and in reports two decimals, cut, with
// thousands grouped ("1.234,56"); in export files only the significant
// decimals after a "." and no grouping ("1234.5").
std::string FormatBetragAnzeige(CBetrag amount);
std::string FormatBetragExport(CBetrag amount);
// Digits before the first "," are the integer part, up to four after it the
// fraction; "-" anywhere negates; everything else is skipped. Never fails.
CBetrag ParseBetrag(const std::string& text);
