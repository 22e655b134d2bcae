#pragma once
// What kuvex-cli writes to standard output: the cash book's Windows-1252
// texts as UTF-8 lines, and list fields that stay on their line.
#include <cstdio>
#include <string>

#include "core/Windows1252.h"

namespace cli_ausgabe {

inline void Zeile(const std::string& cp1252)
{
    std::fputs(Windows1252::ToUtf8(cp1252).c_str(), stdout);
    std::fputc('\n', stdout);
}

// A tab or line break inside a text would split the list's row.
inline std::string Feld(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20)
            c = ' ';
    return text;
}

} // namespace cli_ausgabe
