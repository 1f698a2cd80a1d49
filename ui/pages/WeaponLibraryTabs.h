#pragma once

#include "weapons/WeaponRecord.h"
#include "weapons/WeaponTexts.h"

#include <QTabWidget>

#include <array>

class QPushButton;
class QTableWidget;

namespace aw {

// "weaponLibraryTabs": the seven weapon library tabs of the Weapons page, each with a read-only
// grid of the library's records. Clicking a heading sorts the library (first click
// descending, next ascending); the "Custom" tab also creates, edits and deletes the
// user's custom weapons.
class WeaponLibraryTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit WeaponLibraryTabs(QWidget *parent = nullptr);

    // Fills the grid of the active tab from its library.
    void ShowWeaponLibrary();
    // The record of the active tab's selected row; false when no row is selected or the
    // library is empty.
    bool SelectedRecord(WeaponRecord &record) const;

    QTableWidget *Grid(int weaponType) const { return m_grids[static_cast<size_t>(weaponType)]; }

    // The Custom tab's "New", "Edit" and "Delete".
    void NewCustomWeapon();
    void EditCustomWeapon();
    void DeleteCustomWeapon();

signals:
    // A library row was double-clicked, or Return pressed on it: the page mounts it.
    void AddRequested();

private:
    QWidget *BuildTab(int weaponType);
    void SortLibrary(int weaponType, int column);
    void ShowLibrary(int weaponType);
    int SelectedRow(int weaponType) const;
    // Edit and Delete act on the selected custom weapon, so they are offered only with one.
    void EnableCustomButtons();
    void CustomListChanged();

    std::array<QTableWidget *, kWeaponTypeCount> m_grids{};
    QPushButton *m_new = nullptr;
    QPushButton *m_edit = nullptr;
    QPushButton *m_delete = nullptr;
};

} // namespace aw
