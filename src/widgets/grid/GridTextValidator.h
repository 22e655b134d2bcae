#pragma once
// Refuses typed or pasted characters that a cell cannot store (anything
// outside Windows-1252), so an in-cell editor never holds text that would
// be lost on its way into the grid.
#include <QValidator>

class GridTextValidator : public QValidator {
    Q_OBJECT
public:
    explicit GridTextValidator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
};
