#include "mainwindow/CLogo.h"

#include <QMouseEvent>
#include <QMovie>

CLogo::CLogo(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("logo"));
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Zur Webseite von Kuvex"));
}

bool CLogo::Lade(const std::filesystem::path& file)
{
    auto* film = new QMovie(QString::fromStdString(file.string()), QByteArray(), this);
    if (!film->isValid()) {
        delete film;
        return false;
    }
    delete m_film;
    m_film = film;
    setMovie(m_film);
    // The layout gives the label room for the whole picture only when it
    // knows the size before the first frame is shown.
    m_film->jumpToFrame(0);
    setFixedSize(m_film->currentPixmap().size());
    m_film->start();
    return true;
}

void CLogo::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit geklickt();
    QLabel::mouseReleaseEvent(event);
}
