#pragma once
// The hand-off of a message to the user's mail program. The desktop's
// mail interface here is xdg-email: it opens the user's mail program with
// a new message, recipient, subject, body and attachments filled in, and
// the user sends it from there. "Installed" means xdg-email is on the
// PATH; a session is nothing more than the promise to use it, so logging
// on cannot fail. Send gives xdg-email a moment to refuse the call and
// otherwise leaves it running: the mail program reads the attachment
// when it likes, so the caller keeps it.
//
// Failures are kept as errno-style codes, so the program's system-error
// box can say what went wrong in the system's own words.
#include "export/CMapiMessage.h"

#include <string>

class CMapiSession {
public:
    // Milliseconds xdg-email has to fail before it counts as handed over.
    static constexpr int Bedenkzeit = 500;

    // Looks xdg-email up on the PATH.
    CMapiSession();
    ~CMapiSession();
    CMapiSession(const CMapiSession&) = delete;
    CMapiSession& operator=(const CMapiSession&) = delete;

    bool IsLoaded() const { return !m_programm.empty(); }
    bool IsLoggedOn() const { return m_session; }
    // The mail program picks its own profile; the arguments are kept for
    // callers that name one and are not passed on.
    bool Logon(const std::string& profile, const std::string& password);
    bool Send(const CMapiMessage& message);
    // False when no session was open.
    bool Logoff();
    int LastError() const { return m_lastError; }

    // The full path of an executable called name in the folders of PATH,
    // or "" when there is none.
    static std::string FindeProgramm(const std::string& name);
    // The error number for an exit status of xdg-email (0 for success).
    static int FehlerAusStatus(int exitStatus);

private:
    std::string m_programm;
    bool m_session = false;
    int m_lastError = 0;
};
