#include "platform/QtFileDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QtFileDialogs::QtFileDialogs(QWidget* parent) : m_parent(parent) {}

void QtFileDialogs::SetParent(QWidget* parent)
{
    m_parent = parent;
}

std::unique_ptr<QFileDialog> QtFileDialogs::CreateOpenDialog(const QString& startFolder, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(CashBookFilter());
    dialog->setDefaultSuffix(CashBookSuffix());
    if (!startFolder.isEmpty())
        dialog->setDirectory(startFolder);
    return dialog;
}

std::unique_ptr<QFileDialog> QtFileDialogs::CreateSaveDialog(const QString& startFolder,
                                                             const QString& initialName, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(CashBookFilter());
    dialog->setDefaultSuffix(CashBookSuffix());
    // Asking before overwriting is QFileDialog's default; say so anyway so
    // nobody switches it off by accident.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!startFolder.isEmpty())
        dialog->setDirectory(startFolder);
    if (!initialName.isEmpty()) {
        // A full path (the current file for "Speichern unter") opens in its
        // own folder.
        const QFileInfo info(initialName);
        if (info.isAbsolute())
            dialog->setDirectory(info.absolutePath());
        dialog->selectFile(info.fileName());
    }
    return dialog;
}

std::unique_ptr<QFileDialog> QtFileDialogs::CreatePdfDialog(const QString& startFolder,
                                                            const QString& initialName, QWidget* parent)
{
    auto dialog = CreateSaveDialog(startFolder, initialName, parent);
    dialog->setNameFilter(PdfFilter());
    dialog->setDefaultSuffix(PdfSuffix());
    return dialog;
}

std::unique_ptr<QFileDialog> QtFileDialogs::CreateFolderDialog(const QString& startFolder,
                                                               const QString& title, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly, true);
    if (!title.isEmpty())
        dialog->setWindowTitle(title);
    if (!startFolder.isEmpty())
        dialog->setDirectory(startFolder);
    return dialog;
}

QString QtFileDialogs::ResultOf(const QFileDialog& dialog)
{
    if (dialog.result() != QDialog::Accepted)
        return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : QDir::toNativeSeparators(files.first());
}

QString QtFileDialogs::Run(QFileDialog& dialog)
{
    dialog.exec();
    return ResultOf(dialog);
}

QString QtFileDialogs::OpenCashBook(const QString& startFolder)
{
    return Run(*CreateOpenDialog(startFolder, m_parent.data()));
}

QString QtFileDialogs::SaveCashBook(const QString& startFolder, const QString& initialName)
{
    return Run(*CreateSaveDialog(startFolder, initialName, m_parent.data()));
}

QString QtFileDialogs::SavePdf(const QString& startFolder, const QString& initialName)
{
    return Run(*CreatePdfDialog(startFolder, initialName, m_parent.data()));
}

QString QtFileDialogs::ChooseFolder(const QString& startFolder, const QString& title)
{
    return Run(*CreateFolderDialog(startFolder, title, m_parent.data()));
}
