#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

bool InstallGermanQtTranslations(QCoreApplication& app)
{
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder))
        return false;
    // Owned by the application from here on, so it lives as long as it is used.
    translator->setParent(&app);
    return QCoreApplication::installTranslator(translator.release());
}
