#pragma once
// The export's mail step: the finished archive goes to the user's mail
// program as the attachment of a message to the stored recipient. The
// mail program may read it long after the hand-off: a handed-over archive
// stays where it is.
#include <string>

class UserMessages;

namespace export_mail {

// Subject and body of the message.
inline constexpr const char* Betreff = "Datenexport aus 'Kuvex - das Kassenbuch'";
inline constexpr const char* KeinMapi =
    "Auf dem System ist kein MAPI installiert. Somit kann kein Mail gesendet werden";

} // namespace export_mail

// recipient and archiveName are Windows-1252; archivePath is the file's
// path on disk. True only when the message was handed over; every failure
// has been shown. The current folder is the same afterwards, whatever the
// mail program did with it.
bool SendExportMail(const std::string& recipient, const std::string& archivePath, const std::string& archiveName,
                    UserMessages& messages);
