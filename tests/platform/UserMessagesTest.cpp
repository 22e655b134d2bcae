// Message boxes: the Qt boxes carry the right icon, caption and German
// buttons and map the clicked button back to the answer; the scripted
// double records every box and answers from its queue.
#include "platform/Cp1252.h"
#include "platform/QtUserMessages.h"
#include "platform/SystemErrorText.h"
#include "platform/ScriptedUserMessages.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <functional>
#include <string>

namespace {

using Icon = UserMessages::Icon;
using Buttons = UserMessages::Buttons;
using Answer = UserMessages::Answer;

QStringList ButtonTexts(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* b : box.buttons())
        texts << b->text();
    texts.sort();
    return texts;
}

// Runs act on the first message box that becomes modal, from inside its
// event loop, so the test never waits on a box nobody answers.
void WhenBoxShows(std::function<void(QMessageBox&)> act)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            act(*box);
            return;
        }
        QTimer::singleShot(5, *poll);
    };
    QTimer::singleShot(0, *poll);
}

struct Seen {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

Seen Look(const QMessageBox& box)
{
    return {box.text(), box.windowTitle(), box.icon(), ButtonTexts(box)};
}

} // namespace

TEST(QtUserMessages, BoxesHaveIconCaptionAndGermanButtons)
{
    auto error = QtUserMessages::CreateBox("x", Icon::Error, Buttons::Ok, QString(), nullptr);
    EXPECT_EQ(error->icon(), QMessageBox::Critical);
    EXPECT_EQ(error->windowTitle(), QStringLiteral("Kuvex"));
    EXPECT_EQ(ButtonTexts(*error), QStringList{QStringLiteral("OK")});

    auto warning = QtUserMessages::CreateBox("x", Icon::Warning, Buttons::YesNo, QStringLiteral("Warnung"), nullptr);
    EXPECT_EQ(warning->icon(), QMessageBox::Warning);
    EXPECT_EQ(warning->windowTitle(), QStringLiteral("Warnung"));
    EXPECT_EQ(ButtonTexts(*warning), (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));

    auto question = QtUserMessages::CreateBox("x", Icon::Question, Buttons::YesNoCancel, QString(), nullptr);
    EXPECT_EQ(question->icon(), QMessageBox::Question);
    EXPECT_EQ(ButtonTexts(*question),
              (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("Ja"), QStringLiteral("Nein")}));
    EXPECT_EQ(static_cast<QAbstractButton*>(question->defaultButton()), question->button(QMessageBox::Yes));
    EXPECT_EQ(question->escapeButton(), question->button(QMessageBox::Cancel));

    auto info = QtUserMessages::CreateBox("<b>a</b>", Icon::Information, Buttons::Ok, QString(), nullptr);
    EXPECT_EQ(info->icon(), QMessageBox::Information);
    EXPECT_EQ(info->textFormat(), Qt::PlainText);
}

TEST(QtUserMessages, ShowConvertsBytesAndReturnsTheClickedButton)
{
    QtUserMessages messages;
    Seen seen;
    WhenBoxShows([&](QMessageBox& box) {
        seen = Look(box);
        box.button(QMessageBox::No)->click();
    });
    const Answer answer = messages.Show("Wollen Sie die aktuellen \xC4nderungen speichern?", Icon::Question,
                                        Buttons::YesNoCancel, "Kassenbuch \x80");
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(seen.text, QStringLiteral("Wollen Sie die aktuellen Änderungen speichern?"));
    EXPECT_EQ(seen.title, QStringLiteral("Kassenbuch €"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
}

TEST(QtUserMessages, EscapeCancelsOrSaysNo)
{
    QtUserMessages messages;
    WhenBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(messages.Show("?", Icon::Question, Buttons::YesNoCancel), Answer::Cancel);
    WhenBoxShows([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
    EXPECT_EQ(messages.Show("?", Icon::Question, Buttons::YesNo), Answer::No);
    WhenBoxShows([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(messages.Show("?", Icon::Question, Buttons::YesNo), Answer::Yes);
}

TEST(QtUserMessages, SystemErrorShowsTheSystemText)
{
    QtUserMessages messages;
    Seen unknown, missing;
    WhenBoxShows([&](QMessageBox& box) { unknown = Look(box); box.accept(); });
    messages.ShowSystemError(0);
    WhenBoxShows([&](QMessageBox& box) { missing = Look(box); box.accept(); });
    messages.ShowSystemError(ENOENT);

    EXPECT_EQ(unknown.text, QStringLiteral("Unbekannter Fehler"));
    EXPECT_EQ(unknown.title, QStringLiteral("Kuvex"));
    EXPECT_EQ(unknown.icon, QMessageBox::Critical);
    EXPECT_EQ(missing.text, QString::fromLocal8Bit(std::system_category().message(ENOENT)));
    EXPECT_FALSE(missing.text.isEmpty());
    EXPECT_NE(missing.text, unknown.text);
    EXPECT_EQ(missing.buttons, QStringList{QStringLiteral("OK")});
}

TEST(ScriptedUserMessages, RecordsBoxesAndAnswersQuestionsFromTheQueue)
{
    ScriptedUserMessages messages;
    messages.Queue({Answer::Yes, Answer::Cancel});

    messages.Error("Fehler beim Laden der Datei");
    EXPECT_EQ(messages.Show("Speichern?", Icon::Question, Buttons::YesNoCancel), Answer::Yes);
    // An Ok box in between does not take the queued Cancel.
    EXPECT_EQ(messages.Show("Hinweis", Icon::Information, Buttons::Ok, "Unvollst\xE4ndige Eingabe"), Answer::Ok);
    EXPECT_EQ(messages.Show("Speichern?", Icon::Question, Buttons::YesNoCancel), Answer::Cancel);

    ASSERT_EQ(messages.Count(), 4u);
    const auto& first = messages.Boxes()[0];
    EXPECT_EQ(first.text, "Fehler beim Laden der Datei");
    EXPECT_EQ(first.icon, Icon::Error);
    EXPECT_EQ(first.buttons, Buttons::Ok);
    EXPECT_EQ(first.caption, "Kuvex");
    EXPECT_EQ(messages.Boxes()[2].caption, "Unvollst\xE4ndige Eingabe");
    EXPECT_EQ(messages.Last().answer, Answer::Cancel);
    EXPECT_EQ(messages.UnexpectedCount(), 0u);
    EXPECT_EQ(messages.PendingAnswers(), 0u);
}

TEST(ScriptedUserMessages, UnscriptedQuestionsAreFlaggedAndGetTheDefault)
{
    ScriptedUserMessages messages;
    std::vector<std::string> flagged;
    messages.SetOnUnexpected([&](const ScriptedUserMessages::Box& box) { flagged.push_back(box.text); });

    EXPECT_EQ(messages.Show("a", Icon::Question, Buttons::YesNoCancel), Answer::Cancel);
    EXPECT_EQ(messages.Show("b", Icon::Warning, Buttons::YesNo), Answer::No);
    messages.SetDefaultAnswer(Answer::Yes);
    EXPECT_EQ(messages.Show("c", Icon::Question, Buttons::YesNo), Answer::Yes);
    // A queued answer the box cannot give is a scripting mistake, too.
    messages.Queue(Answer::Cancel);
    EXPECT_EQ(messages.Show("d", Icon::Question, Buttons::YesNo), Answer::Yes);
    // Ok boxes are never unexpected.
    EXPECT_EQ(messages.Show("e", Icon::Error, Buttons::Ok), Answer::Ok);

    EXPECT_EQ(flagged, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(messages.UnexpectedCount(), 4u);

    messages.Queue(Answer::No);
    EXPECT_EQ(messages.PendingAnswers(), 1u);
    messages.Clear();
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(messages.PendingAnswers(), 0u);
}

TEST(ScriptedUserMessages, SystemErrorsKeepTheCode)
{
    ScriptedUserMessages messages;
    messages.ShowSystemError(0);
    messages.ShowSystemError(EACCES);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Boxes()[0].text, "Unbekannter Fehler");
    EXPECT_EQ(messages.Boxes()[0].systemError, 0);
    EXPECT_EQ(messages.Boxes()[0].icon, Icon::Error);
    EXPECT_EQ(messages.Boxes()[1].systemError, EACCES);
    EXPECT_EQ(Cp1252::ToQString(messages.Boxes()[1].text), SystemErrorText(EACCES));
    EXPECT_FALSE(messages.Boxes()[1].text.empty());
    EXPECT_FALSE(messages.Boxes()[1].unexpected);
}

TEST(UserMessages, OkCancelBoxesOfferOkAndAbbrechen)
{
    auto box = QtUserMessages::CreateBox("x", Icon::Warning, Buttons::OkCancel, QString(), nullptr);
    EXPECT_EQ(ButtonTexts(*box), (QStringList{QStringLiteral("Abbrechen"), QStringLiteral("OK")}));
    EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Ok));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));
    QtUserMessages qt;
    WhenBoxShows([](QMessageBox& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
    EXPECT_EQ(qt.Show("?", Icon::Warning, Buttons::OkCancel), Answer::Cancel);

    // The double takes OK/Cancel answers from the queue; a Yes/No one is a mistake.
    ScriptedUserMessages scripted;
    scripted.Queue({Answer::Cancel, Answer::Ok, Answer::No});
    EXPECT_EQ(scripted.Show("a", Icon::Warning, Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(scripted.Show("b", Icon::Warning, Buttons::OkCancel), Answer::Ok);
    EXPECT_EQ(scripted.Show("c", Icon::Warning, Buttons::OkCancel), Answer::Cancel);
    EXPECT_EQ(scripted.UnexpectedCount(), 1u);
}
