// Text forms of scalars in the XML documents. These must not depend on the
// C locale: the GUI runs with the user's locale (often German, with a
// decimal comma), but the files always use the same spelling.
#include "core/Konvertierung.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <system_error>

std::string IntToText(int value)
{
    return std::to_string(value);
}

int TextToInt(const std::string& text)
{
    const long v = std::strtol(text.c_str(), nullptr, 10); // integers are locale-free
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

std::string DoubleToText(double value, char separator)
{
    // The "%lf" form (six decimals), written locale-independently.
    char buf[512];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
    std::string text(buf, res.ec == std::errc() ? res.ptr : buf);
    const std::size_t point = text.find('.');
    if (point == std::string::npos)
        return text; // inf or nan: nothing to trim
    text[point] = separator;
    while (text.size() > point + 1 && text.back() == '0')
        text.pop_back();
    if (text.size() == point + 1)
        text.pop_back();
    return text;
}

double TextToDouble(const std::string& text)
{
    const char* p = text.c_str();
    const char* end = p + text.size();
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v'))
        ++p;
    if (p < end && *p == '+')
        ++p;
    double value = 0.0;
    const auto res = std::from_chars(p, end, value);
    if (res.ec == std::errc::invalid_argument)
        return 0.0;
    return value; // out of range leaves value as from_chars set it
}

std::string BoolToText(bool value)
{
    return value ? "true" : "false";
}

bool TextToBool(const std::string& text)
{
    return !text.empty() && text[0] == 't';
}
