#include "platform/ScriptedUserMessages.h"

#include "platform/Cp1252.h"
#include "platform/SystemErrorText.h"

#include <algorithm>

namespace {

bool Offers(UserMessages::Buttons buttons, UserMessages::Answer answer)
{
    using A = UserMessages::Answer;
    switch (buttons) {
    case UserMessages::Buttons::Ok: return answer == A::Ok;
    case UserMessages::Buttons::YesNo: return answer == A::Yes || answer == A::No;
    case UserMessages::Buttons::YesNoCancel: return answer != A::Ok;
    case UserMessages::Buttons::OkCancel: return answer == A::Ok || answer == A::Cancel;
    }
    return false;
}

// The nearest answer the box can give, for a default that does not fit it.
UserMessages::Answer FitTo(UserMessages::Buttons buttons, UserMessages::Answer answer)
{
    using A = UserMessages::Answer;
    if (Offers(buttons, answer))
        return answer;
    if (buttons == UserMessages::Buttons::Ok)
        return A::Ok;
    if (buttons == UserMessages::Buttons::OkCancel)
        return answer == A::Yes ? A::Ok : A::Cancel;
    if (answer == A::Ok)
        return A::Yes;
    return A::No; // Cancel on a Yes/No box
}

} // namespace

UserMessages::Answer ScriptedUserMessages::Show(const std::string& text, Icon icon, Buttons buttons,
                                                const std::string& caption)
{
    Box box;
    box.text = text;
    box.icon = icon;
    box.buttons = buttons;
    box.caption = caption.empty() ? std::string("Kuvex") : caption;
    return Record(std::move(box));
}

void ScriptedUserMessages::ShowSystemError(int code)
{
    Box box;
    box.text = Cp1252::FromQString(SystemErrorText(code)).value_or(std::string());
    box.icon = Icon::Error;
    box.buttons = Buttons::Ok;
    box.caption = "Kuvex";
    box.systemError = code;
    Record(std::move(box));
}

UserMessages::Answer ScriptedUserMessages::Record(Box box)
{
    if (m_onShow)
        m_onShow(box);
    if (box.buttons == Buttons::Ok) {
        box.answer = Answer::Ok;
    } else if (m_queue.empty()) {
        box.answer = FitTo(box.buttons, m_default);
        box.unexpected = true;
    } else {
        const Answer queued = m_queue.front();
        m_queue.pop_front();
        box.unexpected = !Offers(box.buttons, queued);
        box.answer = box.unexpected ? FitTo(box.buttons, m_default) : queued;
    }
    m_boxes.push_back(box);
    if (box.unexpected && m_onUnexpected)
        m_onUnexpected(m_boxes.back());
    return box.answer;
}

void ScriptedUserMessages::Queue(Answer answer)
{
    m_queue.push_back(answer);
}

void ScriptedUserMessages::Queue(std::initializer_list<Answer> answers)
{
    m_queue.insert(m_queue.end(), answers.begin(), answers.end());
}

void ScriptedUserMessages::SetDefaultAnswer(Answer answer)
{
    m_default = answer;
}

void ScriptedUserMessages::SetOnUnexpected(std::function<void(const Box&)> hook)
{
    m_onUnexpected = std::move(hook);
}

std::size_t ScriptedUserMessages::UnexpectedCount() const
{
    return static_cast<std::size_t>(
        std::count_if(m_boxes.begin(), m_boxes.end(), [](const Box& b) { return b.unexpected; }));
}

void ScriptedUserMessages::Clear()
{
    m_boxes.clear();
    m_queue.clear();
}
