#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QTableWidget;
namespace aw {

class BaseVehicle;
class WeaponLibraryTabs;
struct WeaponRecord;

// The tooltip of a weapon library row: the weapon's whole record and the threat value it
// would add to the current design, worked out by the rules on a copy of the design.
class LibraryTooltip : public QObject {
    Q_OBJECT
public:
    using DesignSource = std::function<const BaseVehicle &()>;

    LibraryTooltip(WeaponLibraryTabs &libraries, DesignSource design);

    // The tooltip text (rich text) for a library record and a design.
    static QString Text(const WeaponRecord &record, const BaseVehicle &design);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WeaponLibraryTabs &m_libraries;
    DesignSource m_design;
};

} // namespace aw
