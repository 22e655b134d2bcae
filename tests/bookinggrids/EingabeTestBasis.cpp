#include "EingabeTestBasis.h"

#include "platform/Cp1252.h"

std::string Bytes(const QString& text)
{
    return Cp1252::FromQString(text).value_or("<not cp1252>");
}
