#pragma once

#include "ui/pages/EditorPage.h"

#include <QWidget>

#include <functional>

class QPushButton;
class QSplitter;
class QTableWidget;
class TEditorHost;
class TPerkList;
class TSpinButton;
class TVehicle;
class TWeaponLibraryTabs;
struct TPerkRecord;
struct TPerkVehicleData;

// The "Weapons" page: above (Panel16), the design's weapon grid sgW with its clips,
// ammunition sections and weapon links, and the perks, flaws and defects that feed the
// offensive value; below, the weapon library tabs. A splitter parts the two.
class TWeaponsPage : public QWidget, public TEditorPage {
    Q_OBJECT
public:
    // Opens a perk, flaw or defect entry in the perk editor with the list's vehicle data;
    // returns true when the editor ended with OK (the entry then holds the edit). The perk
    // editor dialog, with the loaded flaw library, unless another is set.
    using TPerkEditorRunner = std::function<bool(QWidget *parent, TPerkRecord &entry, const TPerkVehicleData &data)>;

    explicit TWeaponsPage(TEditorHost &host, QWidget *parent = nullptr);

    // TEditorPage
    void ShowPage() override;

    void SetPerkEditor(TPerkEditorRunner editor) { m_perkEditor = std::move(editor); }

    // Fills sgW from the design and refreshes the results.
    void ShowVehicleWeapons();
    void ShowWeaponLibrary();
    // Selects the row of a weapon, one of its clips (clip > 0) or a section (section >= 0)
    // and gives sgW the focus; -1 means "none".
    void FindWeaponGridRow(int weapon, int clip, int section);

    // Commands of the buttons.
    void bAddClick();
    void bDelClick();
    void bClearClick();
    void bModClick();
    void bAddAmmoClick();
    void bAddCLipClick();
    void sbMoveUpClick();
    void sbMoveDownClick();
    void bWLaddClick();
    void bWLdeleteClick();

    QTableWidget *WeaponGrid() const { return m_sgW; }
    TWeaponLibraryTabs *LibraryTabs() const { return m_libraries; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

public:
    void setVisible(bool visible) override;

protected:

private:
    // The item a grid row stands for.
    struct TGridItem {
        char kind = 0; // 'W', 'C', 'A', or 0 for any other row
        int weapon = -1;
        int clip = 0;
        int section = -1;
    };

    void BuildControls();
    TVehicle &Vehicle();
    TGridItem Locate(int row) const;
    TGridItem SelectedItem();
    int FindRow(const TGridItem &item) const;
    void SelectRow(int row, int column);
    QString Cell(int row, int column) const;
    void WriteRow(int row, const std::vector<std::string> &cells, char kind);
    void AppendPerkRows(std::vector<std::vector<std::string>> &rows, TPerkList &list, char kind,
                        const char *code) const;
    void SetColumns(int linkCount);
    // Writes every row of the design's weapons and offensive perks, flaws and defects.
    void WriteGrid();
    void Move(int direction);
    void ModifyPerkRow(char kind, int index);
    void sgWSelectCell(int row, int column);
    void sgWSetEditText(int row, int column, const QString &text);
    void ApplyPanelHeight();

    TEditorHost &m_host;
    TPerkEditorRunner m_perkEditor;
    QSplitter *m_splitter = nullptr;
    QWidget *m_panel16 = nullptr;
    QTableWidget *m_sgW = nullptr;
    TWeaponLibraryTabs *m_libraries = nullptr;
    QPushButton *m_bAdd = nullptr;
    QPushButton *m_bDel = nullptr;
    QPushButton *m_bClear = nullptr;
    QPushButton *m_bMod = nullptr;
    QPushButton *m_bAddAmmo = nullptr;
    QPushButton *m_bAddCLip = nullptr;
    TSpinButton *m_sbMove = nullptr;
    QPushButton *m_bWLadd = nullptr;
    QPushButton *m_bWLdelete = nullptr;
    bool m_filling = false;   // the grid is being written: its signals are not the user's
    bool m_pressing = false;  // a mouse press is moving the cursor: the press handles the selection
    bool m_shownOnce = false;
    int m_columnsSet = -1;    // the column count the widths were set for
};
