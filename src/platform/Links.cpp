#include "platform/Links.h"

#include <QDesktopServices>
#include <QUrl>

std::string GetBrowserPath(std::string_view command)
{
    const std::size_t first = command.find('"');
    if (first != std::string_view::npos) {
        // The quote that closes the first one, not the last of the line: a
        // command like "b.exe" -url "%1" quotes its argument too.
        const std::size_t last = command.find('"', first + 1);
        if (last != std::string_view::npos && last > first + 1)
            return std::string(command.substr(first + 1, last - first - 1));
    }
    const std::size_t backslash = command.rfind('\\');
    if (backslash != std::string_view::npos && backslash > 0) {
        const std::size_t blank = command.find(' ', backslash);
        if (blank != std::string_view::npos)
            return std::string(command.substr(0, blank));
    }
    return std::string(command);
}

bool OpenLink(const QString& link)
{
    return QDesktopServices::openUrl(QUrl(link));
}
