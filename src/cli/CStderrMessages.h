#pragma once
// The message boxes of the program, as kuvex-cli shows them: each text on
// a line of its own on standard error, in UTF-8. Nobody is there to answer
// a question, so a question box takes the answer that changes nothing
// (No, or Cancel where offered).
#include <string>

#include "core/UserMessages.h"

class CStderrMessages : public UserMessages {
public:
    Answer Show(const std::string& text, Icon icon, Buttons buttons,
                const std::string& caption = std::string()) override;
    void ShowSystemError(int code) override;

    // A file name as the user typed it (UTF-8 already): where a message
    // quotes it, it is printed unchanged instead of being converted again.
    void SetRohtext(const std::string& text) { m_rohtext = text; }

private:
    std::string m_rohtext;
};
