#include "platform/SystemErrorText.h"

#include <system_error>

QString SystemErrorText(int code)
{
    if (code == 0)
        return QStringLiteral("Unbekannter Fehler");
    // The C library answers in the encoding of the user's locale.
    return QString::fromLocal8Bit(std::system_category().message(code));
}
