#include "ui/dialogs/DesignLibraryFilter.h"

#include "ui/Cp1252.h"
#include "ui/dialogs/DesignLibraryModel.h"

namespace aw {

DesignLibraryFilter::DesignLibraryFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(DesignLibraryModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void DesignLibraryFilter::SetText(const QString &text)
{
    m_text = text.trimmed();
    invalidateRowsFilter();
}

void DesignLibraryFilter::SetThreatValueRange(std::optional<double> minimum, std::optional<double> maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    invalidateRowsFilter();
}

bool DesignLibraryFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *library = static_cast<const DesignLibraryModel *>(sourceModel());
    const DesignSummary &summary = library->Summary(sourceRow);
    if (m_minimum || m_maximum) {
        // A damaged file has no TV to lie in the range.
        const double tv = summary.Outcome.Results.ThreatValue;
        if (!summary.Error.empty() || (m_minimum && tv < *m_minimum) || (m_maximum && tv > *m_maximum))
            return false;
    }
    if (m_text.isEmpty())
        return true;
    for (int column :
         {DesignLibraryModel::NameColumn, DesignLibraryModel::VehicleTypeColumn, DesignLibraryModel::FileColumn})
        if (cp1252::ContainsIgnoringCase(library->index(sourceRow, column).data().toString(), m_text))
            return true;
    return false;
}

} // namespace aw
