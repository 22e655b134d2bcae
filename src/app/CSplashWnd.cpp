#include "app/CSplashWnd.h"

#include <QBitmap>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

CSplashWnd::CSplashWnd(const std::filesystem::path& bitmap)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                           Qt::X11BypassWindowManagerHint)
    , m_bild(QString::fromStdString(bitmap.string()))
{
    setObjectName(QStringLiteral("splash"));
    setWindowTitle(QStringLiteral("Banner"));
    setCursor(Qt::WaitCursor);
    if (m_bild.isNull())
        return;
    setFixedSize(m_bild.size());
    setMask(m_bild.createMaskFromColor(QColor(128, 128, 128), Qt::MaskInColor));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - m_bild.width()) / 2, s.y() + (s.height() - m_bild.height()) / 2);
    }
}

void CSplashWnd::Zeige()
{
    m_uhr.start();
    if (!HasPicture())
        return;
    show();
    raise();
}

void CSplashWnd::WarteUndSchliesse(int dauerMs)
{
    const qint64 rest = m_uhr.isValid() ? dauerMs - m_uhr.elapsed() : dauerMs;
    if (rest > 0) {
        QEventLoop warten;
        QTimer::singleShot(static_cast<int>(rest), &warten, &QEventLoop::quit);
        warten.exec();
    }
    hide();
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bild);
}
