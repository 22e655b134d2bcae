#pragma once
// The command line speaks UTF-8; the cash book keeps Windows-1252 bytes.
// These two conversions are all kuvex-cli needs: every byte of
// Windows-1252 has a UTF-8 form, while UTF-8 text with a character outside
// Windows-1252 (or broken UTF-8) is refused, never silently altered.
#include <string>

class CTextKonverter {
public:
    static std::string ZuUtf8(const std::string& cp1252);
    // False, leaving cp1252 unspecified, when `utf8` is not valid UTF-8 or
    // holds a character Windows-1252 cannot represent.
    static bool ZuCp1252(const std::string& utf8, std::string& cp1252);
    // User input quoted inside a message: its Windows-1252 form, with "?"
    // for each character (or broken byte) that has none.
    static std::string Zitat(const std::string& utf8);
};
