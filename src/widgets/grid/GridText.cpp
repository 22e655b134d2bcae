// Windows-1252 differs from Latin-1 only in 0x80-0x9F, so both directions
// are a straight copy except for that one table.
#include "widgets/grid/GridText.h"

#include <array>

namespace {

// Characters of the bytes 0x80 ... 0x9F.
constexpr std::array<char16_t, 32> kExtras = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> ByteOf(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < kExtras.size(); ++i) {
        if (kExtras[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

namespace GridText {

QString ToQt(const std::string& bytes)
{
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* dst = out.data();
    for (unsigned char b : bytes)
        *dst++ = QChar(b >= 0x80 && b < 0xA0 ? kExtras[b - 0x80] : char16_t(b));
    return out;
}

std::optional<std::string> FromQt(const QString& text)
{
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const std::optional<char> b = ByteOf(c.unicode());
        if (!b)
            return std::nullopt;
        out += *b;
    }
    return out;
}

bool CanEncode(QChar unit)
{
    return ByteOf(unit.unicode()).has_value();
}

} // namespace GridText
