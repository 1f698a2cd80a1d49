#include "ui/widgets/TextBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace aw {

QWidget *TextBoxOf(QObject *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->lineEdit();
    if (qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control))
        return static_cast<QWidget *>(control);
    return nullptr;
}

} // namespace aw
