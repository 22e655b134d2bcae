#pragma once
// The file and folder choosers on QFileDialog. Qt's own dialog speaks
// German once the German Qt translations are installed.
#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QPointer>

#include <memory>

class QWidget;

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr);
    void SetParent(QWidget* parent);

    QString OpenCashBook(const QString& startFolder) override;
    QString SaveCashBook(const QString& startFolder, const QString& initialName) override;
    QString ChooseFolder(const QString& startFolder, const QString& title) override;
    QString SavePdf(const QString& startFolder, const QString& initialName) override;

    // The dialogs exactly as the methods above run them.
    static std::unique_ptr<QFileDialog> CreateOpenDialog(const QString& startFolder, QWidget* parent);
    static std::unique_ptr<QFileDialog> CreateSaveDialog(const QString& startFolder,
                                                         const QString& initialName, QWidget* parent);
    static std::unique_ptr<QFileDialog> CreatePdfDialog(const QString& startFolder,
                                                        const QString& initialName, QWidget* parent);
    static std::unique_ptr<QFileDialog> CreateFolderDialog(const QString& startFolder,
                                                           const QString& title, QWidget* parent);
    // The chosen path of a dialog that has closed; empty when cancelled.
    static QString ResultOf(const QFileDialog& dialog);

private:
    static QString Run(QFileDialog& dialog);

    QPointer<QWidget> m_parent;
};
