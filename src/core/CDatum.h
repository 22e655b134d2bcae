#pragma once
// A date: signed seconds since 1970-01-01 00:00 UTC. A calendar day is its
// local midnight (mktime with tm_isdst = -1); 0 means "no date".
#include <compare>
#include <cstdint>
#include <string>

class CDatum {
public:
    constexpr CDatum() = default;
    constexpr explicit CDatum(std::int64_t seconds) : m_sec(seconds) {}

    // Local midnight of year, month (1-12), day (1-31).
    static CDatum FromYMD(int year, int month, int day);
    // Local date and time of day; used for the end of a month (23:59:59).
    static CDatum FromLocal(int year, int month, int day, int hour, int minute, int second);
    static CDatum Now();

    constexpr std::int64_t Seconds() const { return m_sec; }
    constexpr bool IsNull() const { return m_sec == 0; }

    // Calendar fields in local time.
    int Year() const;
    int Month() const;
    int Day() const;

    // Local midnight of this value's day, and of the next calendar day
    // (never "+ 86400": days around a daylight-saving change are 23 or 25 h).
    CDatum Midnight() const;
    CDatum NextDay() const;

    // "%4.4d-%2.2d-%2.2d"; the XML form.
    std::string ToXml() const;
    // Exactly ten characters "YYYY-MM-DD"; anything else, and "1970-01-01", is 0.
    static CDatum FromXml(const std::string& text);
    // "%d.%m.%Y", e.g. 07.03.2004, for dialogs, reports and messages.
    std::string ToDisplay() const;

    friend constexpr auto operator<=>(CDatum, CDatum) = default;

private:
    std::int64_t m_sec = 0;
};

// Days of a month: February has 29 days in every fourth year (no century
// rule), as the date selector has always counted them.
int DaysOfMonth(int year, int month);
