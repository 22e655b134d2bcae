#pragma once
// One e-mail as the export hands it to the user's mail program: the
// recipients, subject and body (Windows-1252 like every program text), and
// the files to attach (paths as the file system spells them) with their
// titles (either none or one per path).
#include <string>
#include <vector>

struct CMapiMessage {
    std::vector<std::string> To;
    std::vector<std::string> Cc;
    std::vector<std::string> Bcc;
    std::string Subject;
    std::string Body;
    std::vector<std::string> AttachmentPaths;
    std::vector<std::string> AttachmentTitles;
};
