#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QTableWidget;
class TBaseVehicle;
class TWeaponLibraryTabs;
struct TWeaponRecord;

// The tooltip of a weapon library row: the weapon's whole record and the threat value it
// would add to the current design, worked out by the rules on a copy of the design.
class TLibraryTooltip : public QObject {
    Q_OBJECT
public:
    using TDesignSource = std::function<const TBaseVehicle &()>;

    TLibraryTooltip(TWeaponLibraryTabs &libraries, TDesignSource design);

    // The tooltip text (rich text) for a library record and a design.
    static QString Text(const TWeaponRecord &record, const TBaseVehicle &design);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TWeaponLibraryTabs &m_libraries;
    TDesignSource m_design;
};
