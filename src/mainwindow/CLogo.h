#pragma once
// The logo on the working surface: the picture "logo.gif" beside the
// program (animated when the file is), the hand cursor over it, and a click
// that asks for the link to be opened.
#include <QLabel>

#include <filesystem>

class QMovie;

class CLogo : public QLabel {
    Q_OBJECT
public:
    explicit CLogo(QWidget* parent = nullptr);

    // false when the picture cannot be read; the logo then stays empty.
    bool Lade(const std::filesystem::path& file);

signals:
    void geklickt();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QMovie* m_film = nullptr;
};
