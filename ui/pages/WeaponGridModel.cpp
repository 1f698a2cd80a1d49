#include "ui/pages/WeaponGridModel.h"

namespace aw {

namespace {

struct WeaponGridHeading {
    int Width;
    const char *Caption;
};
const WeaponGridHeading kHeadings[kWeaponGridColumns] = {
    {24, "#"},    {124, "Description"}, {54, "Code"}, {24, "Arc"},      {34, "Base Range"}, {24, "Acc."},
    {26, "Dam."}, {32, "Ammo"},         {23, "ROF"},  {21, "Min Size"}, {150, "Special"},
};
constexpr int kLinkColumnWidth = 20;

bool IsEditableCell(WeaponGridRowKind kind, int column)
{
    switch (kind) {
    case WeaponGridRowKind::Weapon:
        return column == weapongrid::Items || column == weapongrid::Description;
    case WeaponGridRowKind::Clip:
    case WeaponGridRowKind::Ammunition:
        return column == weapongrid::Ammo;
    case WeaponGridRowKind::None:
    case WeaponGridRowKind::OffensiveEntry:
        break;
    }
    return false;
}

} // namespace

WeaponGridModel::WeaponGridModel(QObject *parent) : QAbstractTableModel(parent) {}

QString WeaponGridModel::Caption(int column)
{
    return column >= kWeaponGridLinkColumn ? QString::number(column - kWeaponGridLinkColumn + 1)
                                           : QString::fromLatin1(kHeadings[column].Caption);
}

int WeaponGridModel::DesignedColumnWidth(int column)
{
    return column >= kWeaponGridLinkColumn ? kLinkColumnWidth : kHeadings[column].Width;
}

void WeaponGridModel::SetRows(std::vector<WeaponGridRow> rows, int linkCount)
{
    if (rows.empty())
        rows.emplace_back();
    const int columns = kWeaponGridColumns + linkCount;
    if (columns < m_columns) {
        beginRemoveColumns(QModelIndex(), columns, m_columns - 1);
        m_columns = columns;
        endRemoveColumns();
    } else if (columns > m_columns) {
        beginInsertColumns(QModelIndex(), m_columns, columns - 1);
        m_columns = columns;
        endInsertColumns();
    }
    const int count = static_cast<int>(rows.size());
    const int old = rowCount();
    if (count < old) {
        beginRemoveRows(QModelIndex(), count, old - 1);
        m_rows.resize(rows.size());
        endRemoveRows();
    } else if (count > old) {
        beginInsertRows(QModelIndex(), old, count - 1);
        m_rows.resize(rows.size());
        endInsertRows();
    }
    m_rows = std::move(rows);
    emit dataChanged(index(0, 0), index(count - 1, m_columns - 1));
}

WeaponGridItem WeaponGridModel::Item(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[static_cast<size_t>(row)].Item : WeaponGridItem();
}

int WeaponGridModel::RowOf(const WeaponGridItem &item) const
{
    for (size_t row = 0; row < m_rows.size(); ++row)
        if (m_rows[row].Item == item)
            return static_cast<int>(row);
    return -1;
}

int WeaponGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int WeaponGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant WeaponGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const WeaponGridRow &row = m_rows[static_cast<size_t>(index.row())];
    if (role == ItemRole)
        return QVariant::fromValue(row.Item);
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return row.Cells.value(index.column());
    return QVariant();
}

Qt::ItemFlags WeaponGridModel::flags(const QModelIndex &index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (IsEditableCell(Item(index.row()).Kind, index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant WeaponGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return Caption(section);
    if (role == Qt::ToolTipRole && section >= kWeaponGridLinkColumn)
        return QStringLiteral("Weapon Links");
    if (role == Qt::ToolTipRole && section == weapongrid::Items)
        return QStringLiteral("Numer Of Items");
    return QVariant();
}

bool WeaponGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    // Text committed unchanged is no edit.
    if (text != data(index).toString() && m_edit)
        m_edit(Item(index.row()), index.column(), text);
    return true;
}

} // namespace aw
