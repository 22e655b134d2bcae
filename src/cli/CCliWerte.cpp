#include "cli/CCliWerte.h"

#include <cctype>

#include "cli/CCliFehler.h"
#include "core/CBetrag.h"
#include "core/CDatum.h"
#include "core/Windows1252.h"

namespace {

[[noreturn]] void Ungueltig(const std::string& option, const std::string& text)
{
    throw CCliFehler("Ung\xFCltiger Wert f\xFC" "r " + option + ": " + Windows1252::FromUtf8Lossy(text));
}

bool Ziffern(const std::string& text, std::size_t von, std::size_t anzahl, int& wert)
{
    wert = 0;
    for (std::size_t i = von; i < von + anzahl; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        wert = wert * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

CCliDatum CCliWerte::Datum(const std::string& option, const std::string& text)
{
    CCliDatum d;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Ziffern(text, 0, 4, d.Jahr)
        || !Ziffern(text, 5, 2, d.Monat) || !Ziffern(text, 8, 2, d.Tag))
        Ungueltig(option, text);
    if (d.Jahr < 1901 || d.Jahr > 2099 || d.Monat < 1 || d.Monat > 12)
        Ungueltig(option, text);
    return d;
}

CCliDatum CCliWerte::Tag(const std::string& option, const std::string& text)
{
    const CCliDatum d = Datum(option, text);
    if (d.Tag < 1 || d.Tag > DaysOfMonth(d.Jahr, d.Monat))
        Ungueltig(option, text);
    return d;
}

CCliDatum CCliWerte::Monat(const std::string& option, const std::string& text)
{
    CCliDatum d;
    if (text.size() != 7 || text[4] != '-' || !Ziffern(text, 0, 4, d.Jahr)
        || !Ziffern(text, 5, 2, d.Monat))
        Ungueltig(option, text);
    if (d.Jahr < 1901 || d.Jahr > 2099 || d.Monat < 1 || d.Monat > 12)
        Ungueltig(option, text);
    d.Tag = 1;
    return d;
}

std::int64_t CCliWerte::Zahl(const std::string& option, const std::string& text,
                             std::int64_t min, std::int64_t max)
{
    std::size_t i = 0;
    const bool negativ = !text.empty() && (text[0] == '-' || text[0] == '+');
    if (negativ)
        i = 1;
    if (i >= text.size() || text.size() - i > 12)
        Ungueltig(option, text);
    std::int64_t wert = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            Ungueltig(option, text);
        wert = wert * 10 + (text[i] - '0');
    }
    if (text[0] == '-')
        wert = -wert;
    if (wert < min || wert > max)
        Ungueltig(option, text);
    return wert;
}

std::string CCliWerte::Text(const std::string& option, const std::string& utf8)
{
    const std::optional<std::string> cp1252 = Windows1252::FromUtf8(utf8);
    if (!cp1252)
        throw CCliFehler("Der Text f\xFC" "r " + option
                         + " enth\xE4lt Zeichen, die Kuvex nicht speichern kann: "
                         + Windows1252::FromUtf8Lossy(utf8));
    for (unsigned char c : *cp1252)
        if (c < 0x20 || c == 0x7F)
            throw CCliFehler("Der Text f\xFC" "r " + option + " enth\xE4lt Steuerzeichen.");
    return *cp1252;
}

std::int64_t CCliWerte::Betrag(const std::string& option, const std::string& text)
{
    // ParseBetrag never fails and reads "abc" as 0; a value without any
    // digit is a typing error, not an amount of 0.
    bool ziffer = false;
    for (unsigned char c : text)
        ziffer = ziffer || std::isdigit(c);
    if (!ziffer)
        Ungueltig(option, text);
    return ParseBetrag(text).Raw();
}
