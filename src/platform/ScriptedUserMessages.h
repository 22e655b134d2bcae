#pragma once
// The message-box double for tests: records every box (text, icon,
// buttons, caption, answer) and answers questions from a queue, so a test
// scripts the user's replies in advance and never blocks on a modal box.
//
// Ok boxes always answer Ok and leave the queue alone, so error messages
// in between do not eat the answers meant for questions. A Yes/No(/Cancel)
// or OK/Cancel box takes the next queued answer; when the queue is empty,
// or the queued answer is not one of its buttons, it is marked unexpected,
// the hook set with SetOnUnexpected runs (tests put ADD_FAILURE there) and
// the default answer is given, mapped onto the box's buttons (Cancel
// becomes No and Ok becomes Yes on a Yes/No box, Yes becomes Ok and No
// Cancel on an OK/Cancel box).
#include "core/UserMessages.h"

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class ScriptedUserMessages : public UserMessages {
public:
    struct Box {
        std::string text;               // Windows-1252 bytes as the user would read them
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        std::string caption;            // as shown: "Kuvex" when none was given
        Answer answer = Answer::Ok;     // what the double answered
        std::optional<int> systemError; // the code, for ShowSystemError
        bool unexpected = false;        // see the class comment
    };

    Answer Show(const std::string& text, Icon icon, Buttons buttons,
                const std::string& caption = std::string()) override;
    // Recorded as an error box with the system's text (empty when that text
    // has no Windows-1252 form) and the code in systemError.
    void ShowSystemError(int code) override;

    void Queue(Answer answer);
    void Queue(std::initializer_list<Answer> answers);
    // Answer for questions nobody scripted; initially Cancel.
    void SetDefaultAnswer(Answer answer);
    void SetOnUnexpected(std::function<void(const Box&)> hook);
    // Runs while each box is open, before it is answered: what the user
    // or another program might do meanwhile.
    void SetOnShow(std::function<void(const Box&)> hook) { m_onShow = std::move(hook); }

    const std::vector<Box>& Boxes() const { return m_boxes; }
    std::size_t Count() const { return m_boxes.size(); }
    // The most recent box; only call it when Count() > 0.
    const Box& Last() const { return m_boxes.back(); }
    std::size_t UnexpectedCount() const;
    // Queued answers no box has taken yet: a question the script expected
    // but the code never asked.
    std::size_t PendingAnswers() const { return m_queue.size(); }
    // Forget the recorded boxes and the queue (the default and hook stay).
    void Clear();

private:
    Answer Record(Box box);

    std::vector<Box> m_boxes;
    std::deque<Answer> m_queue;
    Answer m_default = Answer::Cancel;
    std::function<void(const Box&)> m_onUnexpected;
    std::function<void(const Box&)> m_onShow;
};
