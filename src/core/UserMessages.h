#pragma once
// How storage and engine code talk to the user without knowing about
// widgets: the Qt implementation shows message boxes, tests use a scripted
// double that records every box and answers from a queue. Texts are
// Windows-1252 bytes like every text of the data model.
#include <string>

class UserMessages {
public:
    enum class Icon { Error, Warning, Question, Information };
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~UserMessages() = default;

    // An empty caption means the application's name ("Kuvex").
    virtual Answer Show(const std::string& text, Icon icon, Buttons buttons,
                        const std::string& caption = std::string()) = 0;

    // The operating system's text for errno-style code; "Unbekannter Fehler" for 0.
    virtual void ShowSystemError(int code) = 0;

    void Error(const std::string& text, const std::string& caption = std::string())
    {
        Show(text, Icon::Error, Buttons::Ok, caption);
    }
};
