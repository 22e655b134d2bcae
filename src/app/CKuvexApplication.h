#pragma once
// The Qt application object with the program's last line of defence: an
// error of the data model that no command caught ends the program with the
// fatal-error box instead of leaving it in an unknown state.
#include <QApplication>

#include <functional>
#include <string>

class CKuvexApplication : public QApplication {
    Q_OBJECT
public:
    CKuvexApplication(int& argc, char** argv);

    // Shows the box for an escaped error's text (empty for an error
    // that carries none); the program then ends
    // with status 1.
    void SetFatalHandler(std::function<void(const std::string&)> handler) { m_fatal = std::move(handler); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void Ende(const std::string& text);

    std::function<void(const std::string&)> m_fatal;
    bool m_ending = false;
};
