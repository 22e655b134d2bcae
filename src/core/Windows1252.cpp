#include "core/Windows1252.h"

#include <array>

namespace {

constexpr std::array<char32_t, 32> kExtras = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Every character of the table lies below U+2200, so three UTF-8 bytes
// are always enough.
void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the character at utf8[i] and moves i past it. On broken UTF-8
// false, with i past the broken part only: a lead byte and the
// continuation bytes that did follow it, so that the next character (an
// ASCII letter after a cut-off sequence, say) is read on its own.
bool Decode(std::string_view utf8, std::size_t& i, char32_t& c)
{
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int following;
    if (lead < 0x80) {
        c = lead;
        following = 0;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F;
        following = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F;
        following = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07;
        following = 3;
    } else {
        ++i;
        return false;
    }
    for (int k = 1; k <= following; ++k) {
        if (i + k >= utf8.size() || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
            i += static_cast<std::size_t>(k);
            return false;
        }
        c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    i += static_cast<std::size_t>(following) + 1;
    static constexpr char32_t kShortest[4] = {0, 0x80, 0x800, 0x10000};
    return c >= kShortest[following];
}

// Length of the run of ASCII bytes starting at text[i].
std::size_t AsciiRun(std::string_view text, std::size_t i)
{
    std::size_t j = i;
    while (j < text.size() && static_cast<unsigned char>(text[j]) < 0x80)
        ++j;
    return j - i;
}

} // namespace

namespace Windows1252 {

char32_t ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kExtras[byte - 0x80] : char32_t(byte);
}

std::optional<unsigned char> FromUnicode(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kExtras.size(); ++i) {
        if (kExtras[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    // Runs of ASCII are the same in both forms and go across in one piece:
    // whole documents pass through here when they are loaded.
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t ascii = AsciiRun(bytes, i);
        out.append(bytes.data() + i, ascii);
        i += ascii;
        if (i < bytes.size())
            AppendUtf8(out, ToUnicode(static_cast<unsigned char>(bytes[i++])));
    }
    return out;
}

std::optional<std::string> FromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c;
        if (!Decode(utf8, i, c))
            return std::nullopt;
        const auto byte = FromUnicode(c);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string FromUtf8Lossy(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t ascii = AsciiRun(utf8, i);
        out.append(utf8.data() + i, ascii);
        i += ascii;
        if (i >= utf8.size())
            break;
        char32_t c;
        const auto byte = Decode(utf8, i, c) ? FromUnicode(c) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : '?';
    }
    return out;
}

} // namespace Windows1252
