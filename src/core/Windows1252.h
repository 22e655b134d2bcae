#pragma once
// The character table of Windows-1252, the single-byte code of every text
// in a cash book, and the one converter between those bytes and UTF-8.
// The table differs from Latin-1 only in 0x80-0x9F; the five bytes Windows
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of
// the same number, as Windows' own conversion does, so every byte survives
// a round trip. The Qt converter of the user interface is built on this
// table; the XML documents and kuvex-cli use the UTF-8 converter below.
#include <optional>
#include <string>
#include <string_view>

namespace Windows1252 {

char32_t ToUnicode(unsigned char byte);
// The byte of a character, or nothing when Windows-1252 has none.
std::optional<unsigned char> FromUnicode(char32_t c);

// Every byte has a UTF-8 form, so this never fails.
std::string ToUtf8(std::string_view bytes);
// The bytes of a UTF-8 text, or nothing when the text is not valid UTF-8
// (overlong forms included, which would smuggle a byte in under another
// spelling) or holds a character Windows-1252 has no byte for.
std::optional<std::string> FromUtf8(std::string_view utf8);
// As FromUtf8, but never refusing: each such character, and each broken
// sequence, becomes one "?". For text that is only shown, such as user
// input quoted in a message.
std::string FromUtf8Lossy(std::string_view utf8);

} // namespace Windows1252
