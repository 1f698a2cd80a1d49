#include "ui/pages/WeaponLibraryTabs.h"

#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/dialogs/CustomWeaponDialog.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/pages/WeaponLibraries.h"
#include "ui/widgets/DesignedWidth.h"
#include "ui/widgets/ReturnActs.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace aw {

namespace {

// Column widths of the library grids; the Special column takes the rest.
constexpr int kColumnWidths[kLibraryGridColumns] = {50, 150, 34, 28, 28, 28, 28, 26, 30, 26, 32, 30, 90};

QTableWidgetItem *ReadOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

WeaponLibraryTabs::WeaponLibraryTabs(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("weaponLibraryTabs"));
    // All seven tabs stay in view; in a narrow window the longer captions are shortened.
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideRight);
    for (int type = 0; type < kWeaponTypeCount; ++type) {
        // The caption "Rockets && Missiles" shows with a single ampersand.
        addTab(BuildTab(type), QString::fromStdString(WeaponTypeCaption(type)));
    }
    ConnectGuarded(this, &QTabWidget::currentChanged, this, [this] { ShowWeaponLibrary(); });
}

QWidget *WeaponLibraryTabs::BuildTab(int weaponType)
{
    auto *tab = new QWidget;
    tab->setObjectName(QStringLiteral("ts%1").arg(weaponType));
    auto *grid = new QTableWidget(1, kLibraryGridColumns, tab);
    grid->setObjectName(QStringLiteral("sg%1").arg(weaponType));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->setWordWrap(false);
    const LibraryGridRow &captions = LibraryGridCaptions();
    for (int column = 0; column < kLibraryGridColumns; ++column) {
        auto *heading = new QTableWidgetItem(QString::fromStdString(captions[static_cast<size_t>(column)]));
        const bool sortable = LibraryGridSortColumn(column) > 0;
        if (sortable)
            heading->setToolTip(QStringLiteral("Click to sort"));
        grid->setHorizontalHeaderItem(column, heading);
        // The designed width in the font in use, or what the heading needs, with room for the
        // sort arrow beside it once the column is sorted.
        const int arrow =
            sortable ? style()->pixelMetric(QStyle::PM_HeaderMarkSize) + style()->pixelMetric(QStyle::PM_HeaderMargin)
                     : 0;
        const int headingWidth =
            grid->horizontalHeader()->fontMetrics().horizontalAdvance(heading->text()) + 12 + arrow;
        grid->setColumnWidth(column, std::max(headingWidth, DesignedWidth(grid->fontMetrics(), kColumnWidths[column])));
    }
    grid->horizontalHeaderItem(3)->setToolTip(QStringLiteral("Ranges: Short"));
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->horizontalHeader()->setSectionsClickable(true);
    grid->horizontalHeader()->setHighlightSections(false);
    m_grids[static_cast<size_t>(weaponType)] = grid;
    ConnectGuarded(grid->horizontalHeader(), &QHeaderView::sectionClicked, this,
                   [this, weaponType](int column) { SortLibrary(weaponType, column); });
    ConnectGuarded(grid, &QTableWidget::cellDoubleClicked, this, [this] { emit AddRequested(); });
    ActOnReturn(*grid, [this] { emit AddRequested(); });

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(grid);
    if (weaponType == kCustomWeaponType) {
        auto *buttons = new QHBoxLayout;
        m_new = new QPushButton(QStringLiteral("New"), tab);
        m_new->setObjectName(QStringLiteral("newCustomWeaponButton"));
        m_edit = new QPushButton(QStringLiteral("Edit"), tab);
        m_edit->setObjectName(QStringLiteral("editCustomWeaponButton"));
        m_delete = new QPushButton(QStringLiteral("Delete"), tab);
        m_delete->setObjectName(QStringLiteral("deleteCustomWeaponButton"));
        for (QPushButton *button : {m_new, m_edit, m_delete})
            buttons->addWidget(button);
        buttons->addStretch(1);
        layout->addLayout(buttons);
        ConnectGuarded(m_new, &QPushButton::clicked, this, [this] { NewCustomWeapon(); });
        ConnectGuarded(m_edit, &QPushButton::clicked, this, [this] { EditCustomWeapon(); });
        ConnectGuarded(m_delete, &QPushButton::clicked, this, [this] { DeleteCustomWeapon(); });
        // A filter that hides the selected weapon takes the selection away, and Edit and Delete with it.
        ConnectGuarded(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                       [this] { EnableCustomButtons(); });
    }
    return tab;
}

void WeaponLibraryTabs::ShowWeaponLibrary() { ShowLibrary(currentIndex()); }

void WeaponLibraryTabs::ShowLibrary(int weaponType)
{
    if (weaponType < 0 || weaponType >= kWeaponTypeCount)
        return;
    const BaseWeaponList &library = CurrentWeaponLibraries().WeaponLibrary(weaponType);
    QTableWidget *grid = Grid(weaponType);
    const int kept = grid->currentRow();
    const int count = library.Count();
    grid->setRowCount(count > 0 ? count : 1);
    if (count == 0)
        grid->clearContents();
    for (int row = 0; row < count; ++row) {
        const LibraryGridRow cells = LibraryGridRowOf(library.Get(row));
        for (int column = 0; column < kLibraryGridColumns; ++column)
            grid->setItem(row, column, ReadOnlyItem(cp1252::ToQt(cells[static_cast<size_t>(column)])));
    }
    grid->setEnabled(count > 0);
    // A row is always selected, as long as there is one.
    if (count > 0)
        grid->setCurrentCell(kept >= 0 && kept < count ? kept : 0, 0);
    if (weaponType == kCustomWeaponType)
        EnableCustomButtons();
}

void WeaponLibraryTabs::EnableCustomButtons()
{
    const bool selected = SelectedRow(kCustomWeaponType) >= 0;
    m_edit->setEnabled(selected);
    m_delete->setEnabled(selected);
}

int WeaponLibraryTabs::SelectedRow(int weaponType) const
{
    const QTableWidget *grid = Grid(weaponType);
    const int row = grid->currentRow();
    if (row < 0 || row >= CurrentWeaponLibraries().WeaponLibrary(weaponType).Count())
        return -1;
    if (!grid->selectionModel()->isRowSelected(row, QModelIndex()))
        return -1;
    return row;
}

bool WeaponLibraryTabs::SelectedRecord(WeaponRecord &record) const
{
    const int type = currentIndex();
    if (type < 0 || type >= kWeaponTypeCount)
        return false;
    const int row = SelectedRow(type);
    if (row < 0)
        return false;
    record = CurrentWeaponLibraries().WeaponLibrary(type).Get(row);
    return true;
}

void WeaponLibraryTabs::SortLibrary(int weaponType, int column)
{
    const int key = LibraryGridSortColumn(column);
    if (key <= 0)
        return;
    BaseWeaponList &library = CurrentWeaponLibraries().WeaponLibrary(weaponType);
    // What another window saved comes in first, so that the sort orders it too (merged in
    // afterwards, it would keep the file's order).
    if (weaponType == kCustomWeaponType)
        CurrentWeaponLibraries().CustomWeaponsChanged();
    library.Sort(key);
    QTableWidget *grid = Grid(weaponType);
    grid->horizontalHeader()->setSortIndicatorShown(true);
    grid->horizontalHeader()->setSortIndicator(column,
                                               library.SortKey() > 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (weaponType == kCustomWeaponType)
        CustomListChanged();
    ShowLibrary(weaponType);
}

void WeaponLibraryTabs::CustomListChanged()
{
    // Saving may merge another window's changes into the list before a write fails: the grid
    // shows the list either way, so the row chosen is the weapon shown.
    const auto show = qScopeGuard([this] { ShowLibrary(kCustomWeaponType); });
    CurrentWeaponLibraries().CustomWeaponsChanged();
}

void WeaponLibraryTabs::NewCustomWeapon()
{
    CustomWeaponDialog editor(DefaultWeaponRecord(), this);
    if (Dialogs().RunModal(editor) == QDialog::Accepted) {
        BaseWeaponList &custom = CurrentWeaponLibraries().WeaponLibrary(kCustomWeaponType);
        custom.Add(editor.Record());
        CustomListChanged();
        ShowLibrary(kCustomWeaponType);
        Grid(kCustomWeaponType)->setCurrentCell(custom.Count() - 1, 0);
        return;
    }
    ShowLibrary(kCustomWeaponType);
}

void WeaponLibraryTabs::EditCustomWeapon()
{
    const int row = SelectedRow(kCustomWeaponType);
    if (row < 0)
        return;
    BaseWeaponList &custom = CurrentWeaponLibraries().WeaponLibrary(kCustomWeaponType);
    CustomWeaponDialog editor(custom.Get(row), this);
    if (Dialogs().RunModal(editor) == QDialog::Accepted) {
        custom.Set(row, editor.Record());
        CustomListChanged();
    }
    ShowLibrary(kCustomWeaponType);
}

void WeaponLibraryTabs::DeleteCustomWeapon()
{
    const int row = SelectedRow(kCustomWeaponType);
    if (row < 0)
        return;
    if (Dialogs().AskOkCancel(this, QStringLiteral("Delete the custom weapon?")) != DialogAnswer::Ok)
        return;
    CurrentWeaponLibraries().WeaponLibrary(kCustomWeaponType).Delete(row);
    CustomListChanged();
    ShowLibrary(kCustomWeaponType);
}

} // namespace aw
