// Qt's own texts in German once the translation is installed.
#include "platform/QtTranslations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

TEST(QtTranslations, QtDialogsSpeakGerman)
{
    ASSERT_TRUE(InstallGermanQtTranslations(*QApplication::instance()));
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("Speichern"));
    EXPECT_EQ(QCoreApplication::translate("QPrintPreviewDialog", "Print Preview"), QStringLiteral("Druckvorschau"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("Speichern unter"));
}
