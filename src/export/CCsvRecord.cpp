#include "export/CCsvRecord.h"

#include <ctime>
#include <ostream>

void WriteCsvField(std::ostream& out, const std::string& text, char separator)
{
    // A line break left bare would end the row for every reader.
    if (text.find_first_of("\"\r\n") == std::string::npos && text.find(separator) == std::string::npos) {
        out << text;
        return;
    }
    out << '"';
    for (char c : text) {
        if (c == '"')
            out << '"';
        out << c;
    }
    out << '"';
}

namespace csv {

std::string Zahl(int value)
{
    return std::to_string(value);
}

std::string Betrag(CBetrag value)
{
    return FormatBetragExport(value);
}

std::string Datum(CDatum value)
{
    const std::time_t t = static_cast<std::time_t>(value.Seconds());
    std::tm local{};
    if (!localtime_r(&t, &local))
        return std::string();
    char buf[64];
    const std::size_t n = std::strftime(buf, sizeof buf, "%Y-%m-%d", &local);
    return std::string(buf, n);
}

} // namespace csv
