#pragma once
// Runs a dialog the ordinary way: modal over the window, until it closes.
#include "platform/ModalDialogs.h"

class QtModalDialogs : public ModalDialogs {
public:
    int Run(QDialog& dialog) override;
};
