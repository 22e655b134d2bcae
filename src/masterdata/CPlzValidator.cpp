#include "masterdata/CPlzValidator.h"

#include <QLineEdit>

#include <algorithm>

namespace {

qsizetype NichtZiffern(const QString& text)
{
    return std::count_if(text.begin(), text.end(), [](QChar c) { return c < u'0' || c > u'9'; });
}

} // namespace

CPlzValidator::CPlzValidator(QLineEdit& edit) : QValidator(&edit), m_edit(edit), m_vorher(edit.text())
{
    connect(&edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_vorher = text; });
    edit.setValidator(this);
}

QValidator::State CPlzValidator::validate(QString& input, int&) const
{
    if (NichtZiffern(input) > NichtZiffern(m_vorher))
        return Invalid;
    if (input.size() > MaxZeichen && input.size() > m_vorher.size())
        return Invalid;
    return Acceptable;
}

void CPlzValidator::SetText(const QString& text)
{
    m_vorher = text;
    m_edit.setText(text);
}
