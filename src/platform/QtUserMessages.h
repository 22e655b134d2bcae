#pragma once
// Message boxes for the running program: QMessageBox with the error,
// warning, question or information icon, German button texts and the
// caption "Kuvex" unless the caller names another.
#include "core/UserMessages.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <memory>

class QWidget;

class QtUserMessages : public UserMessages {
public:
    explicit QtUserMessages(QWidget* parent = nullptr);

    // The window the boxes are centred on and modal to (may change when the
    // main window is built after this object).
    void SetParent(QWidget* parent);

    Answer Show(const std::string& text, Icon icon, Buttons buttons,
                const std::string& caption = std::string()) override;
    void ShowSystemError(int code) override;

    // The box exactly as Show would run it; text and caption are Unicode
    // here, an empty caption means "Kuvex".
    static std::unique_ptr<QMessageBox> CreateBox(const QString& text, Icon icon, Buttons buttons,
                                                  const QString& caption, QWidget* parent);
    // What the user chose in a box made by CreateBox once it has closed;
    // closing without a button counts as the box's escape answer.
    static Answer AnswerOf(const QMessageBox& box, Buttons buttons);

private:
    Answer Run(const QString& text, Icon icon, Buttons buttons, const QString& caption);

    QPointer<QWidget> m_parent;
};
