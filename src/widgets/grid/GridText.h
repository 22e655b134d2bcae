#pragma once
// Cell texts are Windows-1252 bytes, as everywhere in the cash book; the
// widgets show Unicode. These two functions are the grid's only crossing
// between the two. (The platform layer has its own converter for the other
// windows; the grid keeps this small copy so it depends on nothing but core.)
#include <QString>

#include <optional>
#include <string>

namespace GridText {

// Every byte has a character; the five bytes Windows leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters U+0081 ...
QString ToQt(const std::string& bytes);

// The bytes of text, or nothing when a character has no Windows-1252 byte.
std::optional<std::string> FromQt(const QString& text);

// Whether one UTF-16 unit has a Windows-1252 byte.
bool CanEncode(QChar unit);

} // namespace GridText
