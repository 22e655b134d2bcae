#pragma once
// The one place where the cash book's Windows-1252 bytes meet Qt's Unicode
// strings. Every text of the data model is a std::string of single bytes;
// widgets show and edit QString. Converting to Unicode always succeeds;
// converting back refuses text that has no Windows-1252 byte, so input can
// be turned away instead of being stored as "?".
#include <QString>

#include <optional>
#include <string>

class Cp1252 {
public:
    // Every byte has a character: 0x80-0x9F are the Windows extras ("€",
    // "Š", "„" …) and the five bytes Windows leaves undefined (0x81, 0x8D,
    // 0x8F, 0x90, 0x9D) become the control characters U+0081 … as there.
    static QString ToQString(const std::string& bytes);

    // The bytes of text, or nothing when any character (a Chinese letter,
    // an emoji, U+0080) has no Windows-1252 byte.
    static std::optional<std::string> FromQString(const QString& text);

    static bool CanEncode(const QString& text);

    // The character of one byte, and the byte of one UTF-16 unit.
    static char16_t ToUnicode(unsigned char byte);
    static std::optional<unsigned char> FromUnicode(char16_t unit);
};
