#pragma once
// The print-preview window of a report ("Druckmodul"), shown maximised:
// Qt's preview of the report's pages under a bar of German buttons,
// "&Drucken..." for a real print job through the printer dialog and
// "Als PDF speichern..." for the whole report as a PDF file. Closing it
// by its close box is the same as "&Schließen".
#include <QDialog>

#include <memory>

class CReportViewBase;
class FileDialogs;
class ModalDialogs;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class UserMessages;

class CReportFrame : public QDialog {
    Q_OBJECT
public:
    CReportFrame(CReportViewBase& view, ModalDialogs& dialogs, FileDialogs& fileDialogs, UserMessages& messages,
                 QWidget* parent = nullptr);
    ~CReportFrame() override;

    QPrintPreviewWidget* Preview() const { return m_preview; }
    // "&Drucken...": the printer dialog with the report's pages as range,
    // then the job. "Als PDF speichern...": the file dialog, then the PDF.
    void Drucken();
    void AlsPdfSpeichern();

private:
    void UpdatePageLabel();
    void ToggleTwoPages();
    void Step(int pages);

    CReportViewBase& m_view;
    ModalDialogs& m_dialogs;
    FileDialogs& m_fileDialogs;
    UserMessages& m_messages;
    std::unique_ptr<QPrinter> m_printer;     // the preview's; must outlive it
    QPrintPreviewWidget* m_preview = nullptr;
    QPushButton* m_naechste = nullptr;
    QPushButton* m_vorherige = nullptr;
    QPushButton* m_seiten = nullptr;
    QLabel* m_seite = nullptr;
    int m_aktuelleSeite = 1;
};
