#include "platform/Cp1252.h"

#include <array>

namespace {

// 0x80-0x9F; the undefined bytes keep their own value like Windows does.
constexpr std::array<char16_t, 32> kExtras = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t Cp1252::ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kExtras[byte - 0x80];
    return byte;
}

std::optional<unsigned char> Cp1252::FromUnicode(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    for (std::size_t i = 0; i < kExtras.size(); ++i) {
        if (kExtras[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

QString Cp1252::ToQString(const std::string& bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = QChar(ToUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

std::optional<std::string> Cp1252::FromQString(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Surrogate halves are never in the table, so characters outside the
    // BMP are refused as a whole.
    for (QChar c : text) {
        const auto byte = FromUnicode(c.unicode());
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

bool Cp1252::CanEncode(const QString& text)
{
    for (QChar c : text) {
        if (!FromUnicode(c.unicode()))
            return false;
    }
    return true;
}
