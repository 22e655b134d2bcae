#pragma once
// A number field with its spin: digits only, and the Up and Down keys (or
// the mouse wheel) step the number within the field's range. What is
// typed is not clamped; an empty field or a number too large for the
// settings is what Zahl() refuses, so the dialog can say so in German.
#include <QLineEdit>

#include <optional>

class CZahlenFeld : public QLineEdit {
    Q_OBJECT
public:
    CZahlenFeld(int minimum, int maximum, QWidget* parent = nullptr);

    std::optional<int> Zahl() const;
    void SetZahl(int zahl);
    int Minimum() const { return m_min; }
    int Maximum() const { return m_max; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void Schritt(int richtung);

    int m_min;
    int m_max;
};
