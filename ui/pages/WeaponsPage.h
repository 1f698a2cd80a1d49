#pragma once

#include "engine/PerkTemplates.h"
#include "ui/pages/EditorPage.h"
#include "ui/pages/WeaponGridRows.h"

#include <QWidget>

#include <functional>

class QPushButton;
class QSplitter;
class QTableView;
namespace aw {

class EditorHost;
class SpinButton;
class Vehicle;
class WeaponGridModel;
class WeaponLibraryTabs;
struct PerkRecord;
struct PerkVehicleData;

// The "Weapons" page: above, in the grid panel, the design's weapon grid with its clips,
// ammunition sections and weapon links, and the perks, flaws and defects that feed the
// offensive value; below, the weapon library tabs. A splitter parts the two.
class WeaponsPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    // Opens a perk, flaw or defect entry in the perk editor with the list's vehicle data;
    // returns true when the editor ended with OK (the entry then holds the edit). The perk
    // editor dialog, with the loaded flaw library, unless another is set.
    using PerkEditorRunner = std::function<bool(QWidget *parent, PerkRecord &entry, const PerkVehicleData &data)>;

    explicit WeaponsPage(EditorHost &host, QWidget *parent = nullptr);

    // EditorPage
    void ShowPage() override;

    void SetPerkEditor(PerkEditorRunner editor) { m_perkEditor = std::move(editor); }

    // Fills the weapon grid from the design and refreshes the results.
    void ShowVehicleWeapons();
    void ShowWeaponLibrary();
    // Selects the row of a weapon, one of its clips (clip > 0) or a section (section >= 0)
    // and gives the grid the focus; -1 means "none".
    void FindWeaponGridRow(int weapon, int clip, int section);

    // Commands of the buttons.
    void AddWeapon();
    void DeleteSelected();
    void ClearWeapons();
    void ModifySelected();
    void AddAmmo();
    void AddClip();
    void MoveUp();
    void MoveDown();
    void AddWeaponLink();
    void DeleteWeaponLink();

    QTableView *WeaponGrid() const { return m_weaponGrid; }
    WeaponLibraryTabs *LibraryTabs() const { return m_libraries; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

public:
    void setVisible(bool visible) override;

protected:
private:
    void BuildControls();
    Vehicle &Design();
    // The item of the selected row; none when no row is selected.
    WeaponGridItem SelectedRowItem() const;
    // The selected weapon, clip or section; none for any other row.
    WeaponGridItem SelectedItem();
    // The row of a section, else of a clip (from 1 on), else of the weapon; -1 when none.
    int FindRow(int weapon, int clip, int section) const;
    void SelectRow(int row, int column);
    // Gives the columns from this one on their designed widths.
    void SetColumnWidths(int from);
    // Writes every row of the design's weapons and offensive perks, flaws and defects.
    void WriteGrid();
    void Move(int direction);
    void ModifyPerkRow(PerkKind kind, int index);
    void SelectWeaponCell(int row, int column);
    void SetWeaponCellText(const WeaponGridItem &item, int column, const QString &text);
    void ApplyPanelHeight();

    EditorHost &m_host;
    PerkEditorRunner m_perkEditor;
    QSplitter *m_splitter = nullptr;
    QWidget *m_gridPanel = nullptr;
    WeaponGridModel *m_model = nullptr;
    QTableView *m_weaponGrid = nullptr;
    WeaponLibraryTabs *m_libraries = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_modifyButton = nullptr;
    QPushButton *m_addAmmoButton = nullptr;
    QPushButton *m_addClipButton = nullptr;
    SpinButton *m_moveSpin = nullptr;
    QPushButton *m_addLinkButton = nullptr;
    QPushButton *m_deleteLinkButton = nullptr;
    bool m_filling = false;  // the grid is being written: its signals are not the user's
    bool m_pressing = false; // a mouse press is moving the cursor: the press handles the selection
    bool m_shownOnce = false;
};

} // namespace aw
