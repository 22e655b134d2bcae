#pragma once
// How the main window runs its modal dialogs, behind an interface like the
// message boxes: the window builds the dialog and hands it over, the Qt
// implementation runs it with exec(), and the tests' double answers it
// without ever entering a modal loop. The result is the dialog's own code
// (QDialog::Accepted, QDialog::Rejected or what it passed to done()).
class QDialog;

class ModalDialogs {
public:
    virtual ~ModalDialogs() = default;
    virtual int Run(QDialog& dialog) = 0;
};
