#pragma once
// The long month names the program shows: those of the user's locale when
// it is a German one (so de_AT says "Jänner"), else the German of Germany,
// whatever language the desktop speaks.
#include <QLocale>
#include <QString>
#include <QStringList>

class Monatsnamen {
public:
    // January to December.
    static QStringList Alle(const QLocale& userLocale = QLocale::system());
    // Month 1-12; any other number gives an empty name.
    static QString Name(int month, const QLocale& userLocale = QLocale::system());
};
