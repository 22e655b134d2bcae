#pragma once
// Qt's own texts (standard buttons, file dialogs, the print preview) in
// German: installs qtbase_de from Qt's translation folder on the
// application. The program calls it once at start; without the file Qt
// simply stays English.
class QCoreApplication;

// true when the translation was found and installed.
bool InstallGermanQtTranslations(QCoreApplication& app);
