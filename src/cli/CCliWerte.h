#pragma once
// Reading the values of kuvex-cli's options: dates, months, whole numbers,
// texts (UTF-8 in, Windows-1252 out) and amounts. Anything malformed is
// refused with a German CCliFehler naming the option.
#include <cstdint>
#include <string>

struct CCliDatum {
    int Jahr = 0;
    int Monat = 0;
    int Tag = 0;
};

class CCliWerte {
public:
    // "JJJJ-MM-TT" with a month 1-12 and two day digits; whether the day
    // exists in that month is left to the caller (the entry engine has its
    // own message for it). Years 1901 to 2099.
    static CCliDatum Datum(const std::string& option, const std::string& text);
    // The same, and the day must exist in its month.
    static CCliDatum Tag(const std::string& option, const std::string& text);
    // "JJJJ-MM".
    static CCliDatum Monat(const std::string& option, const std::string& text);
    // Decimal digits, optionally signed, within [min, max].
    static std::int64_t Zahl(const std::string& option, const std::string& text,
                             std::int64_t min, std::int64_t max);
    // UTF-8 to Windows-1252; refuses what cannot be kept and control
    // characters (a tab or line break would break the list's lines).
    static std::string Text(const std::string& option, const std::string& utf8);
    // An amount as the program reads it (ParseBetrag); at least one digit.
    static std::int64_t Betrag(const std::string& option, const std::string& text);
};
