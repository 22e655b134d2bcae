#pragma once
// The start-up picture: "Splash.bmp" from the program's folder, centred on
// the screen, above other windows and not in the task bar, for a few
// seconds while the main window is being built. Grey RGB(128, 128, 128)
// is see-through where the desktop can show it so. A missing picture
// shows nothing; the wait still happens, so a start always takes as long.
#include <QWidget>

#include <QElapsedTimer>
#include <QPixmap>

#include <filesystem>

class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int Dauer = 3000; // ms

    explicit CSplashWnd(const std::filesystem::path& bitmap);

    bool HasPicture() const { return !m_bild.isNull(); }
    // Shows the picture and starts the clock.
    void Zeige();
    // Waits, with the event loop running, until `dauerMs` have passed
    // since Zeige, then hides the picture.
    void WarteUndSchliesse(int dauerMs);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_bild;
    QElapsedTimer m_uhr;
};
