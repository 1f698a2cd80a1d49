#pragma once

#include <QValidator>

namespace aw {

// Design texts are Windows-1252: what is typed or pasted goes in as it can hold it
// (cp1252::Storable), instead of becoming "?" without a word when the text is stored.
class Cp1252Validator : public QValidator {
    Q_OBJECT
public:
    explicit Cp1252Validator(QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
};

} // namespace aw
