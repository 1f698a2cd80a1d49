#include "ui/widgets/Cp1252CellDelegate.h"

#include "ui/widgets/Cp1252Validator.h"

#include <QLineEdit>

namespace aw {

QWidget *Cp1252CellDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setValidator(new Cp1252Validator(line));
    return editor;
}

} // namespace aw
