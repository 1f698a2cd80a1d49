#pragma once

#include <QSortFilterProxyModel>

#include <optional>

namespace aw {

// The library's rows that hold a text (in the name, vehicle type or file name, any case)
// and whose TV lies in a range (either end may be open), sorted by SortRole.
class DesignLibraryFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit DesignLibraryFilter(QObject *parent = nullptr);

    void SetText(const QString &text);
    void SetThreatValueRange(std::optional<double> minimum, std::optional<double> maximum);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_text;
    std::optional<double> m_minimum;
    std::optional<double> m_maximum;
};

} // namespace aw
