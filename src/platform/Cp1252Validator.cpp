#include "platform/Cp1252Validator.h"

#include "platform/Cp1252.h"

Cp1252Validator::Cp1252Validator(QObject* parent) : QValidator(parent) {}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return Cp1252::CanEncode(input) ? Acceptable : Invalid;
}
