#include "platform/Monatsnamen.h"

QStringList Monatsnamen::Alle(const QLocale& userLocale)
{
    const QLocale locale = userLocale.language() == QLocale::German
        ? userLocale : QLocale(QLocale::German, QLocale::Germany);
    QStringList names;
    for (int m = 1; m <= 12; ++m)
        names << locale.monthName(m, QLocale::LongFormat);
    return names;
}

QString Monatsnamen::Name(int month, const QLocale& userLocale)
{
    return month >= 1 && month <= 12 ? Alle(userLocale)[month - 1] : QString();
}
