#pragma once
// Web and mail links of the program: opened by the desktop's handler for
// them (the default browser, the mail program for "mailto:").
#include <string>
#include <string_view>

class QString;

// The browser's program out of a command line as the system keeps it for
// "open a web page": the text between the first double quote and the one
// that closes it, when that is not empty; otherwise, when a backslash follows the first
// character and a blank follows the last backslash, the text before that
// blank; otherwise the command as it is.
std::string GetBrowserPath(std::string_view command);

// false when the desktop has no handler for the link; nothing is shown.
bool OpenLink(const QString& link);
