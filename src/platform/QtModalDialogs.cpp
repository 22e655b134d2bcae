#include "platform/QtModalDialogs.h"

#include <QDialog>

int QtModalDialogs::Run(QDialog& dialog)
{
    return dialog.exec();
}
