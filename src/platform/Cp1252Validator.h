#pragma once
// Refuses typed or pasted characters that a cash book cannot store
// (anything outside Windows-1252), so an edit field never holds text that
// would be lost on the way into the data model.
#include <QValidator>

class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Cp1252Validator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};
