#pragma once
// A UserMessages that shows nothing and remembers every box, so storage
// tests can check the exact texts the user would have seen.
#include "core/UserMessages.h"

#include <string>
#include <vector>

class RecordingMessages : public UserMessages {
public:
    struct Box {
        std::string text;
        Icon icon;
        Buttons buttons;
    };

    Answer Show(const std::string& text, Icon icon, Buttons buttons, const std::string&) override
    {
        boxes.push_back({text, icon, buttons});
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    void ShowSystemError(int code) override { systemErrors.push_back(code); }

    // Texts of all boxes in order, for compact expectations.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Box& b : boxes)
            texts.push_back(b.text);
        return texts;
    }
    void Clear()
    {
        boxes.clear();
        systemErrors.clear();
    }

    std::vector<Box> boxes;
    std::vector<int> systemErrors;
};
