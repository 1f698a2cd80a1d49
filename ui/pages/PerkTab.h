#pragma once

#include "engine/PerkTemplates.h"

#include <QWidget>

class QListWidget;
class QPushButton;
class QTableWidget;
namespace aw {

class EditorHost;
class PerkList;
class SpinButton;
class Vehicle;
struct PerkTabNames;

// One tab of the "Perks, Flaws, and Defects" page: the library of its kind, the grid of
// the design's entries of that kind (with the read-only extra rows of weapon perks or
// maneuver flaws), and the commands Add, Delete, Config, Clear, move up and down and
// Custom. Grid row r shows entry r of the design's list; rows past the entries are
// extra rows, which no command touches. Each row's first cell holds under EntryRole the
// index of the entry it shows, -1 on extra rows and on the "-" row of an empty list.
class PerkTab : public QWidget {
    Q_OBJECT
public:
    static constexpr int ColumnCount = 4;
    static constexpr int EntryRole = Qt::UserRole;

    PerkTab(EditorHost &host, PerkKind kind, QWidget *parent = nullptr);

    PerkKind Kind() const { return m_kind; }
    QListWidget *LibraryBox() const { return m_library; }
    QTableWidget *Grid() const { return m_grid; }
    // Room under the command buttons for the Defects tab's lemon dice.
    void AddBelowButtons(QWidget *widget);

    // Fills the library list box with the library in order and selects the first item.
    void ShowLibrary();
    // Fills the grid from the design (the selected row stays where it was), then
    // refreshes the results.
    void ShowGrid();

    void AddEntry();
    void DeleteEntry();
    void ConfigureEntry();
    void ClearEntries();
    void MoveEntryUp();
    void MoveEntryDown();
    void AddCustomEntry();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Vehicle &Design();
    PerkList &Entries();
    // The entry a grid row shows; -1 for an extra row, the "-" row or no row.
    int EntryAt(int row);
    int SelectedEntry();
    void Finish(bool modified);
    void Move(int direction);

    EditorHost &m_host;
    const PerkKind m_kind;
    const PerkTabNames &m_names;
    QListWidget *m_library;
    QTableWidget *m_grid;
    QPushButton *m_delete;
    QPushButton *m_config;
    SpinButton *m_move;
    QWidget *m_buttonColumn;
    int m_pressedKey = 0; // the key last pressed in the grid, until its release
};

} // namespace aw
