#pragma once

#include <QValidator>

namespace aw {

// Design texts are Windows-1252: a character it cannot hold is refused as it is typed or
// pasted, instead of becoming "?" without a word when the text is stored.
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Cp1252Validator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};

} // namespace aw
