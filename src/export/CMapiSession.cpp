#include "export/CMapiSession.h"

#include "core/Windows1252.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

extern char** environ;

CMapiSession::CMapiSession() : m_programm(FindeProgramm("xdg-email")) {}

CMapiSession::~CMapiSession()
{
    if (m_session)
        Logoff();
}

std::string CMapiSession::FindeProgramm(const std::string& name)
{
    const char* path = std::getenv("PATH");
    if (!path)
        return std::string();
    const std::string ordner = path;
    std::size_t start = 0;
    while (start <= ordner.size()) {
        std::size_t ende = ordner.find(':', start);
        if (ende == std::string::npos)
            ende = ordner.size();
        // An empty entry is the current folder, as the shell reads it.
        const std::string dir = ende > start ? ordner.substr(start, ende - start) : std::string(".");
        const std::string kandidat = dir + "/" + name;
        struct stat st {};
        if (::stat(kandidat.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(kandidat.c_str(), X_OK) == 0)
            return kandidat;
        start = ende + 1;
    }
    return std::string();
}

int CMapiSession::FehlerAusStatus(int exitStatus)
{
    // xdg-email's documented exit codes.
    switch (exitStatus) {
    case 0: return 0;
    case 1: return EINVAL;  // error in the command line
    case 2: return ENOENT;  // a file on the command line does not exist
    case 3: return ENOENT;  // a tool it needs was not found
    case 5: return EACCES;  // no permission to read a file
    default: return EIO;    // 4: the action failed
    }
}

bool CMapiSession::Logon(const std::string&, const std::string&)
{
    if (m_session)
        Logoff();
    if (!IsLoaded()) {
        m_lastError = ENOENT;
        return false;
    }
    m_session = true;
    m_lastError = 0;
    return true;
}

bool CMapiSession::Send(const CMapiMessage& message)
{
    if (!m_session) {
        m_lastError = EINVAL;
        return false;
    }
    std::vector<std::string> argumente = {m_programm, "--subject", Windows1252::ToUtf8(message.Subject),
                                          "--body", Windows1252::ToUtf8(message.Body)};
    for (const std::string& cc : message.Cc)
        argumente.insert(argumente.end(), {"--cc", Windows1252::ToUtf8(cc)});
    for (const std::string& bcc : message.Bcc)
        argumente.insert(argumente.end(), {"--bcc", Windows1252::ToUtf8(bcc)});
    for (const std::string& pfad : message.AttachmentPaths)
        argumente.insert(argumente.end(), {"--attach", pfad});
    // An empty recipient leaves the address for the user to fill in; passed
    // on, it would be an address of its own.
    for (const std::string& to : message.To)
        if (!to.empty())
            argumente.push_back(Windows1252::ToUtf8(to));

    std::vector<char*> argv;
    for (std::string& a : argumente)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, m_programm.c_str(), nullptr, nullptr, argv.data(), environ);
    if (rc != 0) {
        m_lastError = rc;
        return false;
    }
    // xdg-email refuses a bad call at once; one that opened the mail
    // program may run until the user sends, so it is not waited for.
    int status = 0;
    for (int ms = 0; ms < Bedenkzeit; ms += 10) {
        const pid_t fertig = waitpid(pid, &status, WNOHANG);
        if (fertig == pid) {
            m_lastError = WIFEXITED(status) ? FehlerAusStatus(WEXITSTATUS(status)) : EINTR;
            return m_lastError == 0;
        }
        if (fertig < 0 && errno != EINTR) {
            m_lastError = errno;
            return false;
        }
        ::usleep(10000);
    }
    std::thread([pid] {
        int ende = 0;
        while (waitpid(pid, &ende, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    m_lastError = 0;
    return true;
}

bool CMapiSession::Logoff()
{
    const bool war = m_session;
    m_session = false;
    m_lastError = 0;
    return war;
}
