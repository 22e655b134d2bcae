#include "cli/CTextKonverter.h"

#include <cstdint>

#include "core/Windows1252.h"

namespace {

void HaengeAn(std::string& out, char32_t c)
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

int ByteFuer(char32_t c)
{
    const auto byte = Windows1252::FromUnicode(c);
    return byte ? *byte : -1;
}

} // namespace

std::string CTextKonverter::ZuUtf8(const std::string& cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 4);
    for (unsigned char b : cp1252)
        HaengeAn(out, Windows1252::ToUnicode(b));
    return out;
}

namespace {

// Decodes the character at utf8[i]; false for broken UTF-8 (overlong
// forms too, which would smuggle bytes in under another spelling).
bool Dekodiere(const std::string& utf8, std::size_t& i, char32_t& c)
{
    const std::size_t n = utf8.size();
    const unsigned char b = static_cast<unsigned char>(utf8[i]);
    int folge;
    if (b < 0x80) {
        c = b;
        folge = 0;
    } else if ((b & 0xE0) == 0xC0) {
        c = b & 0x1F;
        folge = 1;
    } else if ((b & 0xF0) == 0xE0) {
        c = b & 0x0F;
        folge = 2;
    } else if ((b & 0xF8) == 0xF0) {
        c = b & 0x07;
        folge = 3;
    } else {
        ++i;
        return false;
    }
    if (i + static_cast<std::size_t>(folge) >= n) {
        i = n; // cut off in the middle of a character
        return false;
    }
    for (int k = 1; k <= folge; ++k) {
        const unsigned char f = static_cast<unsigned char>(utf8[i + k]);
        if ((f & 0xC0) != 0x80) {
            i += static_cast<std::size_t>(k);
            return false;
        }
        c = (c << 6) | (f & 0x3F);
    }
    i += static_cast<std::size_t>(folge) + 1;
    static constexpr char32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
    return c >= kMinimum[folge];
}

} // namespace

bool CTextKonverter::ZuCp1252(const std::string& utf8, std::string& cp1252)
{
    cp1252.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c;
        if (!Dekodiere(utf8, i, c))
            return false;
        const int byte = ByteFuer(c);
        if (byte < 0)
            return false;
        cp1252 += static_cast<char>(byte);
    }
    return true;
}

std::string CTextKonverter::Zitat(const std::string& utf8)
{
    std::string cp1252;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c;
        const int byte = Dekodiere(utf8, i, c) ? ByteFuer(c) : -1;
        cp1252 += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return cp1252;
}
