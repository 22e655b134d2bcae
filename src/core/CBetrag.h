#pragma once
// A money amount in ten-thousandths of the currency unit (1,50 is 15000).
// The currency is not part of the value; it comes from the company record.
// Arithmetic never has undefined behaviour: sums and differences wrap
// around modulo 2^64 like unsigned numbers, products and quotients are
// worked out in 128 bits, truncated toward zero, and their low 64 bits
// kept. No till comes near that (amounts are refused above
// kHoechstbetrag where they are typed); only a crafted file can, and it
// then shows odd sums instead of breaking the program.
#include <compare>
#include <cstdint>
#include <string>

class CBetrag {
public:
    // 999.999.999,99: the largest amount that may be typed into a booking.
    static constexpr std::int64_t kHoechstbetrag = 9999999999900;

    constexpr CBetrag() = default;
    constexpr explicit CBetrag(std::int64_t raw) : m_raw(raw) {}

    constexpr std::int64_t Raw() const { return m_raw; }
    constexpr double AsDouble() const { return static_cast<double>(m_raw) * 0.0001; }

    friend constexpr CBetrag operator+(CBetrag a, CBetrag b) { return CBetrag(Wrap(U(a.m_raw) + U(b.m_raw))); }
    friend constexpr CBetrag operator-(CBetrag a, CBetrag b) { return CBetrag(Wrap(U(a.m_raw) - U(b.m_raw))); }
    // (a × b) / 10000: multiplying by CBetrag(-10000) negates.
    friend constexpr CBetrag operator*(CBetrag a, CBetrag b)
    {
        return CBetrag(static_cast<std::int64_t>(static_cast<__int128>(a.m_raw) * b.m_raw / 10000));
    }
    // (a × 10000) / b; a division by zero answers 0 (callers test b first).
    friend constexpr CBetrag operator/(CBetrag a, CBetrag b)
    {
        if (b.m_raw == 0)
            return CBetrag();
        return CBetrag(static_cast<std::int64_t>(static_cast<__int128>(a.m_raw) * 10000 / b.m_raw));
    }
    CBetrag& operator+=(CBetrag b) { return *this = *this + b; }
    CBetrag& operator-=(CBetrag b) { return *this = *this - b; }
    friend constexpr auto operator<=>(CBetrag, CBetrag) = default;

    // Whether the amount may be typed into a booking: at most
    // kHoechstbetrag either way.
    constexpr bool IsErfassbar() const { return m_raw <= kHoechstbetrag && m_raw >= -kHoechstbetrag; }

    // The wrap-around both ways, for sums kept in raw 64-bit values.
    static constexpr std::uint64_t U(std::int64_t v) { return static_cast<std::uint64_t>(v); }
    static constexpr std::int64_t Wrap(std::uint64_t v) { return static_cast<std::int64_t>(v); }

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
// fraction; "-" anywhere negates; everything else is skipped. Never fails;
// a number beyond the 64-bit range gives the largest amount of its sign.
CBetrag ParseBetrag(const std::string& text);
