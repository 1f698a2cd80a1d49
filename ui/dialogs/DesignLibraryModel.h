#pragma once

#include "storage/DesignSummary.h"

#include <QAbstractTableModel>

#include <vector>

namespace aw {

// The rows of the design library, one per design file, kept in the order of their paths.
// Texts show as the editor's results area shows them; SortRole gives numbers for the
// numeric columns. A damaged file's row shows its error in the name column.
class DesignLibraryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NameColumn,
        VehicleTypeColumn,
        ThreatValueColumn,
        OtvColumn,
        DtvColumn,
        MtvColumn,
        FinalCostColumn,
        FinalSizeColumn,
        MovementColumn,
        WeaponsColumn,
        FileColumn,
        LastChangeColumn,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole;
    // The design file's path (QString) of a row, in any column.
    static constexpr int FileRole = Qt::UserRole + 1;

    explicit DesignLibraryModel(QObject *parent = nullptr);

    // Takes the rows of a scan. With `complete`, rows of files the scan did not list go;
    // otherwise (a cancelled scan) they stay.
    void Merge(std::vector<DesignSummary> summaries, bool complete);
    // Replaces or adds the row of one file.
    void Update(const DesignSummary &summary);
    void Clear();

    const DesignSummary &Summary(int row) const { return m_rows[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    // The rows' design files as local file URLs (text/uri-list).
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

private:
    QVariant Text(const DesignSummary &summary, int column) const;
    QVariant SortValue(const DesignSummary &summary, int column) const;

    std::vector<DesignSummary> m_rows;
};

} // namespace aw
