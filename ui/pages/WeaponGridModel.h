#pragma once

#include "ui/pages/WeaponGridRows.h"

#include <QAbstractTableModel>

#include <functional>

namespace aw {

// The rows of the Weapons page's weapon grid. Each row gives the item it stands for under
// ItemRole. The counts, names and amounts of weapons, clips and sections are editable;
// an edit goes to the edit handler, which stores it and writes the rows afresh.
class WeaponGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ItemRole = Qt::UserRole; // a WeaponGridItem
    using EditHandler = std::function<void(const WeaponGridItem &item, int column, const QString &text)>;

    explicit WeaponGridModel(QObject *parent = nullptr);

    void SetEditHandler(EditHandler handler) { m_edit = std::move(handler); }
    // Shows the rows (one empty row when there are none). Rows and columns change at the
    // end only, so the view keeps its cursor, selection and column widths.
    void SetRows(std::vector<WeaponGridRow> rows, int linkCount);
    WeaponGridItem Item(int row) const;
    // The row standing for the item; -1 when none does.
    int RowOf(const WeaponGridItem &item) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // The heading of a column and the width it was designed for.
    static QString Caption(int column);
    static int DesignedColumnWidth(int column);

private:
    std::vector<WeaponGridRow> m_rows{WeaponGridRow{}};
    int m_columns = kWeaponGridColumns;
    EditHandler m_edit;
};

} // namespace aw
