#pragma once
// The drawing surface of one printed page, measured in inches from the
// top-left corner of the printable area (x to the right, y downwards).
// On paper wider than the layout, texts and lines drawn through it are
// moved right by the centring offset so the table sits in the middle;
// what a report draws on the painter directly (the header band, the
// footer rule) is not moved.
#include <QColor>
#include <QFont>
#include <QString>

class QPainter;

class CReportPage {
public:
    // Text flags, also the column formats of the reports.
    enum Flag : unsigned {
        Fett = 0x001,
        Kursiv = 0x002,
        Unterstrichen = 0x004,
        Durchgestrichen = 0x008,
        Rahmen = 0x010,        // a framed box behind the text
        Rechts = 0x040,
        Zentriert = 0x080,     // wins over Rechts
        Tabulatoren = 0x100,
        Einzeilig = 0x200,     // otherwise wraps at word boundaries
        OhneClip = 0x400,
        VMitte = 0x800,
    };

    // width and height: the printable area in inches; dpiX, dpiY: device
    // pixels per inch.
    CReportPage(QPainter& painter, double width, double height, double dpiX, double dpiY, bool landscape = true);

    // Landscape: half of what exceeds 10.5 in once the width passes 10.9
    // in; portrait: half of what exceeds 8.0 in.
    static double CentringOffset(double width, bool landscape);
    double Offset() const { return m_offset; }

    // Nothing is drawn when the rectangle starts right of or below the
    // printable area. A one-line text too wide for it gets a smaller font.
    void PrintInRect(double top, double left, double bottom, double right, unsigned flags, int points,
                     const QString& text);
    // From x to the right edge; returns the y just below the text.
    double PrintFormatted(double y, double x, unsigned flags, int points, const QString& text);

    void SetFontFace(const QString& face) { m_face = face; }
    const QString& FontFace() const { return m_face; }
    void SetTextColor(const QColor& colour) { m_colour = colour; }
    QColor TextColor() const { return m_colour; }
    // A line in the text colour; pen width in device units.
    void Line(double top, double left, double bottom, double right, int penWidth,
              Qt::PenStyle style = Qt::SolidLine);

    double Right() const { return m_width; }
    double Bottom() const { return m_height; }
    // Inches to device units, truncated.
    int ToDeviceX(double inches) const { return static_cast<int>(inches * m_dpiX); }
    int ToDeviceY(double inches) const { return static_cast<int>(inches * m_dpiY); }
    QPainter& Painter() { return m_painter; }

    QFont MakeFont(unsigned flags, int points) const;
    // The font a one-line text is drawn in: MakeFont's, made smaller until
    // the text fits `width` inches.
    QFont SchriftFuer(unsigned flags, int points, const QString& text, double width) const;
    static int AlignmentOf(unsigned flags);

private:
    QPainter& m_painter;
    double m_width;
    double m_height;
    double m_dpiX;
    double m_dpiY;
    double m_offset;
    QString m_face = QStringLiteral("Times New Roman");
    QColor m_colour = Qt::black;
};
