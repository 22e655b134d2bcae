#include "platform/QtUserMessages.h"

#include "platform/Cp1252.h"
#include "platform/SystemErrorText.h"

#include <QAbstractButton>

namespace {

QMessageBox::Icon ToQt(UserMessages::Icon icon)
{
    switch (icon) {
    case UserMessages::Icon::Error: return QMessageBox::Critical;
    case UserMessages::Icon::Warning: return QMessageBox::Warning;
    case UserMessages::Icon::Question: return QMessageBox::Question;
    case UserMessages::Icon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

void AddButton(QMessageBox& box, QMessageBox::StandardButton which, const QString& text)
{
    box.addButton(which);
    box.button(which)->setText(text);
}

} // namespace

QtUserMessages::QtUserMessages(QWidget* parent) : m_parent(parent) {}

void QtUserMessages::SetParent(QWidget* parent)
{
    m_parent = parent;
}

std::unique_ptr<QMessageBox> QtUserMessages::CreateBox(const QString& text, Icon icon, Buttons buttons,
                                                       const QString& caption, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(ToQt(icon));
    box->setWindowTitle(caption.isEmpty() ? QStringLiteral("Kuvex") : caption);
    box->setText(text);
    // Plain text: file names and user texts may contain "<".
    box->setTextFormat(Qt::PlainText);
    switch (buttons) {
    case Buttons::Ok:
        AddButton(*box, QMessageBox::Ok, QStringLiteral("OK"));
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        AddButton(*box, QMessageBox::Yes, QStringLiteral("Ja"));
        AddButton(*box, QMessageBox::No, QStringLiteral("Nein"));
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        AddButton(*box, QMessageBox::Yes, QStringLiteral("Ja"));
        AddButton(*box, QMessageBox::No, QStringLiteral("Nein"));
        AddButton(*box, QMessageBox::Cancel, QStringLiteral("Abbrechen"));
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case Buttons::OkCancel:
        AddButton(*box, QMessageBox::Ok, QStringLiteral("OK"));
        AddButton(*box, QMessageBox::Cancel, QStringLiteral("Abbrechen"));
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    }
    return box;
}

UserMessages::Answer QtUserMessages::AnswerOf(const QMessageBox& box, Buttons buttons)
{
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
    }
    switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::YesNoCancel: return Answer::Cancel;
    case Buttons::OkCancel: return Answer::Cancel;
    }
    return Answer::Cancel;
}

UserMessages::Answer QtUserMessages::Run(const QString& text, Icon icon, Buttons buttons, const QString& caption)
{
    auto box = CreateBox(text, icon, buttons, caption, m_parent.data());
    box->exec();
    return AnswerOf(*box, buttons);
}

UserMessages::Answer QtUserMessages::Show(const std::string& text, Icon icon, Buttons buttons,
                                          const std::string& caption)
{
    return Run(Cp1252::ToQString(text), icon, buttons, Cp1252::ToQString(caption));
}

void QtUserMessages::ShowSystemError(int code)
{
    Run(SystemErrorText(code), Icon::Error, Buttons::Ok, QString());
}
