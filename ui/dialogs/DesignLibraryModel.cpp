#include "ui/dialogs/DesignLibraryModel.h"

#include "base/NumberFormat.h"
#include "ui/Cp1252.h"
#include "ui/NativePath.h"

#include <QBrush>
#include <QDateTime>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <limits>
#include <set>

namespace aw {

namespace {

// Past this many changes a merge resets the view rather than telling each row.
constexpr std::size_t kRowByRowLimit = 64;

bool ByFile(const DesignSummary &a, const DesignSummary &b) { return a.File < b.File; }

QString FilePath(const DesignSummary &summary) { return FromFileSystemPath(summary.File); }

QString FileName(const DesignSummary &summary) { return FromFileSystemPath(summary.File.filename()); }

} // namespace

DesignLibraryModel::DesignLibraryModel(QObject *parent) : QAbstractTableModel(parent) {}

void DesignLibraryModel::Merge(std::vector<DesignSummary> summaries, bool complete)
{
    std::sort(summaries.begin(), summaries.end(), ByFile);
    std::vector<DesignSummary> merged;
    if (complete)
        merged = std::move(summaries);
    else
        std::set_union(std::make_move_iterator(summaries.begin()), std::make_move_iterator(summaries.end()),
                       m_rows.begin(), m_rows.end(), std::back_inserter(merged), ByFile);
    const auto listed = [](const std::vector<DesignSummary> &rows, const DesignSummary &summary) {
        return std::binary_search(rows.begin(), rows.end(), summary, ByFile);
    };
    std::size_t changes = 0;
    for (const DesignSummary &summary : m_rows)
        changes += listed(merged, summary) ? 0 : 1;
    for (const DesignSummary &summary : merged)
        changes += listed(m_rows, summary) ? 0 : 1;
    if (changes > kRowByRowLimit) {
        beginResetModel();
        m_rows = std::move(merged);
        endResetModel();
        return;
    }
    // Few files came or went: row by row, so the view keeps its selection and place.
    for (int row = rowCount() - 1; row >= 0; --row)
        if (!listed(merged, m_rows[static_cast<std::size_t>(row)])) {
            beginRemoveRows({}, row, row);
            m_rows.erase(m_rows.begin() + row);
            endRemoveRows();
        }
    for (DesignSummary &summary : merged) {
        const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), summary, ByFile);
        if (at != m_rows.end() && at->File == summary.File) {
            *at = std::move(summary);
            continue;
        }
        const int row = static_cast<int>(at - m_rows.begin());
        beginInsertRows({}, row, row);
        m_rows.insert(at, std::move(summary));
        endInsertRows();
    }
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void DesignLibraryModel::Update(const DesignSummary &summary)
{
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), summary, ByFile);
    const int row = static_cast<int>(at - m_rows.begin());
    if (at != m_rows.end() && at->File == summary.File) {
        *at = summary;
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
        return;
    }
    beginInsertRows({}, row, row);
    m_rows.insert(at, summary);
    endInsertRows();
}

void DesignLibraryModel::Clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int DesignLibraryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int DesignLibraryModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant DesignLibraryModel::Text(const DesignSummary &summary, int column) const
{
    if (!summary.Error.empty()) {
        if (column == NameColumn)
            return QString::fromStdString(summary.Error);
        return column == FileColumn ? FileName(summary) : QVariant();
    }
    const DesignResults &results = summary.Outcome.Results;
    switch (column) {
    case NameColumn:
        return cp1252::ToQt(summary.Name);
    case VehicleTypeColumn:
        return cp1252::ToQt(summary.VehicleType);
    case ThreatValueColumn:
        return QString::fromStdString(ThreatValueText(results.ThreatValue));
    case OtvColumn:
        return QString::fromStdString(ThreatValueText(results.OTV));
    case DtvColumn:
        return QString::fromStdString(ThreatValueText(results.DTV));
    case MtvColumn:
        return QString::fromStdString(ThreatValueText(results.MTV));
    case FinalCostColumn:
        return cp1252::ToQt(FormatResults(results, summary.CurrencyName).FinalCost).trimmed();
    case FinalSizeColumn:
        return QString::fromStdString(number::Integer(results.FinalSize));
    case MovementColumn:
        return cp1252::ToQt(summary.MovementModes);
    case WeaponsColumn:
        return QString::fromStdString(number::Integer(summary.WeaponCount));
    case FileColumn:
        return FileName(summary);
    case LastChangeColumn:
        return QDateTime::fromSecsSinceEpoch(LastChangeSeconds(summary)).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    }
    return {};
}

QVariant DesignLibraryModel::SortValue(const DesignSummary &summary, int column) const
{
    const DesignResults &results = summary.Outcome.Results;
    // A damaged file has no figures: it sorts before every design.
    const bool damaged = !summary.Error.empty();
    const auto number = [damaged](double value) {
        return QVariant(damaged ? std::numeric_limits<double>::lowest() : value);
    };
    switch (column) {
    case ThreatValueColumn:
        return number(results.ThreatValue);
    case OtvColumn:
        return number(results.OTV);
    case DtvColumn:
        return number(results.DTV);
    case MtvColumn:
        return number(results.MTV);
    case FinalCostColumn:
        return number(static_cast<double>(results.FinalCost));
    case FinalSizeColumn:
        return number(results.FinalSize);
    case WeaponsColumn:
        return number(summary.WeaponCount);
    case LastChangeColumn:
        return QVariant(static_cast<qlonglong>(LastChangeSeconds(summary)));
    }
    return Text(summary, column);
}

QVariant DesignLibraryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const DesignSummary &summary = Summary(index.row());
    const bool damaged = !summary.Error.empty();
    switch (role) {
    case Qt::DisplayRole:
        return Text(summary, index.column());
    case SortRole:
        return SortValue(summary, index.column());
    case FileRole:
        return FilePath(summary);
    case Qt::ToolTipRole:
        if (damaged)
            return QString::fromStdString(summary.Error);
        return index.column() == FileColumn ? QVariant(FilePath(summary)) : QVariant();
    case Qt::ForegroundRole:
        return damaged ? QVariant(QBrush(QColor(0xB0, 0x00, 0x00))) : QVariant();
    case Qt::TextAlignmentRole:
        if ((index.column() >= ThreatValueColumn && index.column() <= FinalSizeColumn) ||
            index.column() == WeaponsColumn)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    return {};
}

QVariant DesignLibraryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[ColumnCount] = {"Name",     "Vehicle Type", "TV",         "OTV",
                                                      "DTV",      "MTV",          "Final Cost", "Final Size",
                                                      "Movement", "Weapons",      "File",       "Last Change"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(captions[section]) : QVariant();
}

Qt::ItemFlags DesignLibraryModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.isValid() ? flags | Qt::ItemIsDragEnabled : flags;
}

QStringList DesignLibraryModel::mimeTypes() const { return {QStringLiteral("text/uri-list")}; }

QMimeData *DesignLibraryModel::mimeData(const QModelIndexList &indexes) const
{
    std::set<int> rows;
    for (const QModelIndex &index : indexes)
        rows.insert(index.row());
    QList<QUrl> urls;
    for (int row : rows)
        urls << QUrl::fromLocalFile(FilePath(Summary(row)));
    auto *mime = new QMimeData;
    mime->setUrls(urls);
    return mime;
}

} // namespace aw
