#pragma once

#include <QStyledItemDelegate>

namespace aw {

// Edits grid cells that hold design texts in a line edit that refuses what Windows-1252
// cannot hold (Cp1252Validator), as the edit boxes do.
class Cp1252CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace aw
