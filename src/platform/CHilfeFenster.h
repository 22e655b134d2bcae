#pragma once
// The program's help: German pages shipped in the folder "hilfe" beside
// the program, shown in a small window of the program itself (contents,
// back and forward), so help works without a browser or a network. The
// dialogs ask for a topic by its number; an unknown number shows the
// contents.
#include <QWidget>

#include <filesystem>

class QListWidget;
class QPushButton;
class QTextBrowser;

class CHilfeFenster : public QWidget {
    Q_OBJECT
public:
    static constexpr int ThemaFirma = 600;
    static constexpr int ThemaBelegtexte = 700;
    static constexpr int ThemaUmsatzsteuer = 800;
    static constexpr int ThemaHauptfenster = 900;
    static constexpr int ThemaKassenabschluss = 1000;

    // helpFolder holds the pages (index.html and the topic pages).
    explicit CHilfeFenster(std::filesystem::path helpFolder, QWidget* parent = nullptr);

    // Shows the window at the page of the topic and brings it up.
    void Zeige(int topic);
    // The file name of a topic's page, "index.html" for any other number.
    static const char* Seite(int topic);
    // The page shown now (its file name).
    QString AktuelleSeite() const;

private:
    void Oeffne(const QString& page);

    std::filesystem::path m_folder;
    QListWidget* m_inhalt = nullptr;
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_zurueck = nullptr;
    QPushButton* m_vor = nullptr;
};
