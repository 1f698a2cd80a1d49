#include "ui/widgets/Cp1252Validator.h"

#include "ui/Cp1252.h"

TCp1252Validator::TCp1252Validator(QObject *parent)
    : QValidator(parent)
{
}

QValidator::State TCp1252Validator::validate(QString &input, int &) const
{
    return cp1252::Holds(input) ? Acceptable : Invalid;
}
