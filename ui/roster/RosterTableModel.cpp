#include "ui/roster/RosterTableModel.h"

#include "base/Cp1252.h"
#include "ui/Cp1252.h"
#include "ui/NativePath.h"
#include "ui/roster/RosterDocument.h"

#include <QBrush>
#include <QFileInfo>

namespace aw {

RosterTableModel::RosterTableModel(RosterDocument &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document), m_rows(static_cast<int>(document.Evaluation().Lines.size())),
      m_shownEntries(document.Contents().Entries)
{
    // Edits in place keep the rows, so an open editor and the selection stay; adding,
    // removing or reopening starts the table afresh.
    connect(&document, &RosterDocument::Changed, this, [this] {
        const std::vector<RosterEntry> &entries = m_document.Contents().Entries;
        const int rows = static_cast<int>(m_document.Evaluation().Lines.size());
        if (rows != m_rows) {
            beginResetModel();
            m_rows = rows;
            m_shownEntries = entries;
            endResetModel();
            return;
        }
        if (rows == 0)
            return;
        // The figures follow the design files; a quantity or note is told only when it
        // changed, so that what is being typed in its editor stays.
        emit dataChanged(index(0, Design), index(rows - 1, File));
        emit dataChanged(index(0, ThreatValue), index(rows - 1, Cost));
        emit dataChanged(index(0, Status), index(rows - 1, Status));
        for (int row = 0; row < rows; ++row) {
            const auto r = static_cast<size_t>(row);
            const bool known = r < m_shownEntries.size() && r < entries.size();
            if (!known || m_shownEntries[r].Quantity != entries[r].Quantity)
                emit dataChanged(index(row, Quantity), index(row, Quantity));
            if (!known || m_shownEntries[r].Note != entries[r].Note)
                emit dataChanged(index(row, Note), index(row, Note));
        }
        m_shownEntries = entries;
    });
}

int RosterTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

int RosterTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant RosterTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const RosterLine &line = m_document.Evaluation().Lines[static_cast<size_t>(index.row())];
    const bool readable = line.Readable();
    if (role == Qt::TextAlignmentRole &&
        (index.column() == Quantity || index.column() == ThreatValue || index.column() == Cost))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole && index.column() == Status && !readable)
        return QBrush(Qt::red);
    if (role == Qt::ToolTipRole) {
        // The whole text of a cell the table may cut short.
        if (index.column() == File || (index.column() == Status && readable))
            return FromNativePath(line.Entry.Design);
        if (index.column() == Status)
            return QString::fromStdString(line.Summary.Error);
        if (index.column() == Design || index.column() == Note)
            return data(index, Qt::DisplayRole);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case Design:
        return readable ? cp1252::ToQt(line.Summary.Name) : QString();
    case File:
        return QFileInfo(FromNativePath(line.Entry.Design)).fileName();
    case Quantity:
        return line.Entry.Quantity;
    case ThreatValue:
        return readable ? QString::fromStdString(RosterThreatValueText(line.ThreatValue)) : QString();
    case Cost:
        return readable ? cp1252::ToQt(RosterCostText(line.Cost, line.Summary.CurrencyName)) : QString();
    case Note:
        return QString::fromStdString(line.Entry.Note);
    case Status:
        return readable ? QStringLiteral("OK") : QString::fromStdString(line.Summary.Error);
    default:
        return {};
    }
}

QVariant RosterTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const captions[] = {"Design",          "File", "Qty",   "TV \u00d7 Qty",
                                           "Cost \u00d7 Qty", "Note", "Status"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(captions[section]) : QVariant();
}

Qt::ItemFlags RosterTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.column() == Quantity || index.column() == Note)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RosterTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    if (index.column() == Quantity)
        m_document.SetQuantity(index.row(), value.toInt());
    else if (index.column() == Note)
        m_document.SetNote(index.row(), value.toString());
    else
        return false;
    return true;
}

} // namespace aw
