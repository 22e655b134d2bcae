// Dates are seconds since 1970 UTC; every calendar question is answered in
// local time through the C library, so daylight saving follows the system's
// time-zone database.
#include "core/CDatum.h"

#include <cstdio>
#include <ctime>

namespace {

std::tm LocalFields(std::int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm fields{};
    localtime_r(&t, &fields);
    return fields;
}

} // namespace

CDatum CDatum::FromLocal(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1; // let the system decide summer or winter time
    return CDatum(static_cast<std::int64_t>(std::mktime(&fields)));
}

CDatum CDatum::FromYMD(int year, int month, int day)
{
    return FromLocal(year, month, day, 0, 0, 0);
}

CDatum CDatum::Now()
{
    return CDatum(static_cast<std::int64_t>(std::time(nullptr)));
}

int CDatum::Year() const { return LocalFields(m_sec).tm_year + 1900; }
int CDatum::Month() const { return LocalFields(m_sec).tm_mon + 1; }
int CDatum::Day() const { return LocalFields(m_sec).tm_mday; }

CDatum CDatum::Midnight() const
{
    const std::tm f = LocalFields(m_sec);
    return FromYMD(f.tm_year + 1900, f.tm_mon + 1, f.tm_mday);
}

CDatum CDatum::NextDay() const
{
    // Day + 1 is normalised by mktime across month and year ends; adding
    // 86400 seconds would land at 01:00 or 23:00 around a clock change.
    const std::tm f = LocalFields(m_sec);
    return FromYMD(f.tm_year + 1900, f.tm_mon + 1, f.tm_mday + 1);
}

std::string CDatum::ToXml() const
{
    const std::tm f = LocalFields(m_sec);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%4.4d-%2.2d-%2.2d", f.tm_year + 1900, f.tm_mon + 1, f.tm_mday);
    return buf;
}

CDatum CDatum::FromXml(const std::string& text)
{
    // "1970-01-01" is how "no date" (0) is written, so it reads back as 0.
    if (text == "1970-01-01")
        return CDatum();
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return CDatum();
    int year = 0, month = 0, day = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d", &year, &month, &day) != 3)
        return CDatum();
    return FromYMD(year, month, day);
}

std::string CDatum::ToDisplay() const
{
    const std::tm f = LocalFields(m_sec);
    char buf[64];
    const std::size_t n = std::strftime(buf, sizeof buf, "%d.%m.%Y", &f);
    return std::string(buf, n);
}

int DaysOfMonth(int year, int month)
{
    switch (month) {
    case 2:
        return year % 4 == 0 ? 29 : 28;
    case 4: case 6: case 9: case 11:
        return 30;
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    default:
        return 0;
    }
}
