#pragma once
// The character table of Windows-1252, the single-byte code of every text
// in a cash book. It differs from Latin-1 only in 0x80-0x9F; the five bytes
// Windows leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same number, as Windows' own conversion does, so every
// byte survives a round trip. The Qt converter of the user interface and
// kuvex-cli's UTF-8 converter are both built on this one table.
#include <optional>

namespace Windows1252 {

char32_t ToUnicode(unsigned char byte);
// The byte of a character, or nothing when Windows-1252 has none.
std::optional<unsigned char> FromUnicode(char32_t c);

} // namespace Windows1252
