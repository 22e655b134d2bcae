#pragma once
// The operating system's own words for an error number (errno on Linux,
// GetLastError on Windows), in the user's language as far as the system
// provides it; 0 reads "Unbekannter Fehler".
#include <QString>

QString SystemErrorText(int code);
