#pragma once

#include "storage/Roster.h"

#include <QAbstractTableModel>

#include <vector>

namespace aw {

class RosterDocument;

// The roster's entries as a table: design name, file, quantity and note (both edited in
// place, each edit one undo step), TV and cost times the quantity, and why a design is missing
// or damaged. The figures come from the document's evaluation.
class RosterTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Design, File, Quantity, ThreatValue, Cost, Note, Status, ColumnCount };

    explicit RosterTableModel(RosterDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    RosterDocument &m_document;
    int m_rows = 0;                          // rows the view was last told of
    std::vector<RosterEntry> m_shownEntries; // the quantities and notes it was last told of
};

} // namespace aw
