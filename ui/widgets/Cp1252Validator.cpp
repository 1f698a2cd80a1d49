#include "ui/widgets/Cp1252Validator.h"

#include "ui/Cp1252.h"

namespace aw {

Cp1252Validator::Cp1252Validator(QObject *parent) : QValidator(parent) {}

QValidator::State Cp1252Validator::validate(QString &input, int &pos) const
{
    if (!cp1252::Holds(input)) {
        pos = static_cast<int>(cp1252::Storable(input.left(pos)).size());
        input = cp1252::Storable(input);
    }
    return Acceptable;
}

} // namespace aw
