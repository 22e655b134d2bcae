#include "export/CExportMail.h"

#include "core/UserMessages.h"
#include "export/CMapiSession.h"

#include <filesystem>

bool SendExportMail(const std::string& recipient, const std::string& archivePath, const std::string& archiveName,
                    UserMessages& messages)
{
    CMapiMessage message;
    message.To = {recipient};
    message.Subject = export_mail::Betreff;
    message.Body = export_mail::Betreff;
    message.AttachmentPaths = {archivePath};
    message.AttachmentTitles = {archiveName};

    std::error_code ec;
    const std::filesystem::path vorher = std::filesystem::current_path(ec);
    bool ok = false;
    {
        CMapiSession session;
        if (!session.IsLoaded())
            messages.Error(export_mail::KeinMapi);
        else if (!session.Logon(std::string(), std::string()))
            messages.ShowSystemError(session.LastError());
        else if (!session.Send(message))
            messages.ShowSystemError(session.LastError());
        else
            ok = true;
        session.Logoff();
    }
    if (!ec)
        std::filesystem::current_path(vorher, ec);
    return ok;
}
