#include "cli/CStderrMessages.h"

#include <cstdio>
#include <cstring>

#include "core/Windows1252.h"

UserMessages::Answer CStderrMessages::Show(const std::string& text, Icon, Buttons buttons,
                                           const std::string&)
{
    std::string ausgabe;
    std::size_t pos = 0;
    const std::size_t roh = m_rohtext.empty() ? std::string::npos : text.find(m_rohtext);
    if (roh != std::string::npos) {
        ausgabe = Windows1252::ToUtf8(text.substr(0, roh)) + m_rohtext;
        pos = roh + m_rohtext.size();
    }
    ausgabe += Windows1252::ToUtf8(text.substr(pos));
    std::fprintf(stderr, "%s\n", ausgabe.c_str());
    std::fflush(stderr);
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::YesNoCancel:
    case Buttons::OkCancel:
        return Answer::Cancel;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

void CStderrMessages::ShowSystemError(int code)
{
    if (code == 0) {
        Show("Unbekannter Fehler", Icon::Error, Buttons::Ok);
        return;
    }
    // The system's own text, already in the terminal's encoding.
    std::fprintf(stderr, "%s\n", std::strerror(code));
    std::fflush(stderr);
}
