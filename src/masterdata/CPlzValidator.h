#pragma once
// The postcode field's rule: only digits can be typed or pasted, and no
// more than five of them. A postcode stored longer, or with other
// characters, by an older file is still shown in full and can be
// shortened; an edit is refused only when it adds a non-digit or grows the
// text past the limit. The validator needs the text before the edit for
// that, so it follows the field's textChanged; a text the program puts in
// goes through SetText, because the field checks it before it reports it.
#include <QString>
#include <QValidator>

class QLineEdit;

class CPlzValidator : public QValidator {
    Q_OBJECT
public:
    static constexpr int MaxZeichen = 5;

    // Installs itself on edit and takes its current text as the starting point.
    explicit CPlzValidator(QLineEdit& edit);
    State validate(QString& input, int& pos) const override;
    // Shows text in the field as it is, however long.
    void SetText(const QString& text);

private:
    QLineEdit& m_edit;
    QString m_vorher;
};
