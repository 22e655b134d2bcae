#pragma once
// "Info": the product, its version as the build gives it, and two links
// (the web site and the support address), blue and underlined with the
// hand cursor; a click opens them with the desktop's handler.
#include <QDialog>

class CInfoDlg : public QDialog {
    Q_OBJECT
public:
    static const char* const WebAdresse;  // "https://kuvex.example/"
    static const char* const MailAdresse; // "support@kuvex.example"
    static const char* const Version;     // "Version 0.1", from the build

    explicit CInfoDlg(QWidget* parent = nullptr);
};
