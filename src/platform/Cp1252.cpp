#include "platform/Cp1252.h"

#include "core/Windows1252.h"

char16_t Cp1252::ToUnicode(unsigned char byte)
{
    return static_cast<char16_t>(Windows1252::ToUnicode(byte));
}

std::optional<unsigned char> Cp1252::FromUnicode(char16_t unit)
{
    return Windows1252::FromUnicode(unit);
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
