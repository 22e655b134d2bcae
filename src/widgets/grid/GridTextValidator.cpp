#include "widgets/grid/GridTextValidator.h"

#include "widgets/grid/GridText.h"

GridTextValidator::GridTextValidator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State GridTextValidator::validate(QString& input, int&) const
{
    for (QChar c : input) {
        if (!GridText::CanEncode(c))
            return Invalid;
    }
    return Acceptable;
}
