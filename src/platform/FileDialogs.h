#pragma once
// The file and folder choosers the program needs, behind an interface so
// tests script the user's choice instead of facing a modal dialog. Every
// method returns the chosen path, or an empty string when the user
// cancelled. Paths are QString: a file name is the user's, not a text of
// the cash book, so it is passed on unchanged.
#include <QString>

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The filter and default suffix of cash-book files.
    static QString CashBookFilter() { return QStringLiteral("Kuvex Kasse (*.kbx)"); }
    static QString CashBookSuffix() { return QStringLiteral("kbx"); }

    // An existing cash-book file, starting in startFolder.
    virtual QString OpenCashBook(const QString& startFolder) = 0;
    // A cash-book file to write, starting in startFolder with initialName
    // (a bare name or a full path; may be empty) filled in. "kbx" is added
    // when the user types no suffix; an existing file needs the user's
    // consent to be overwritten.
    virtual QString SaveCashBook(const QString& startFolder, const QString& initialName) = 0;
    // A PDF file to write a report to, in the same way: "pdf" is added
    // when the user types no suffix; overwriting needs consent.
    static QString PdfFilter() { return QStringLiteral("PDF-Dokument (*.pdf)"); }
    static QString PdfSuffix() { return QStringLiteral("pdf"); }
    virtual QString SavePdf(const QString& startFolder, const QString& initialName) = 0;
    // An existing folder; title says what the folder is for.
    virtual QString ChooseFolder(const QString& startFolder, const QString& title) = 0;
};
