#include "ui/widgets/Cp1252Validator.h"

#include "ui/Cp1252.h"

namespace aw {

Cp1252Validator::Cp1252Validator(QObject *parent) : QValidator(parent) {}

QValidator::State Cp1252Validator::validate(QString &input, int &) const
{
    return cp1252::Holds(input) ? Acceptable : Invalid;
}

} // namespace aw
