#include "ui/pages/WeaponsPage.h"

#include "base/NumberFormat.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "storage/Libraries.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/dialogs/PerkEditorDialog.h"
#include "ui/dialogs/WeaponModifyDialog.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"
#include "ui/pages/LibraryFilter.h"
#include "ui/pages/LibraryTooltip.h"
#include "ui/pages/WeaponGridModel.h"
#include "ui/pages/WeaponLibraryTabs.h"
#include "ui/widgets/Cp1252CellDelegate.h"
#include "ui/widgets/DesignedWidth.h"
#include "ui/widgets/PaneSplitter.h"
#include "ui/widgets/SpinButton.h"
#include "weapons/WeaponList.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace aw {

namespace {

constexpr int kGridPanelHeight = 153;
constexpr int kRowHeight = 16;

bool IsWeaponItem(WeaponGridRowKind kind)
{
    return kind == WeaponGridRowKind::Weapon || kind == WeaponGridRowKind::Clip ||
           kind == WeaponGridRowKind::Ammunition;
}

QPushButton *Button(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    const int width = button->fontMetrics().horizontalAdvance(caption) + 22;
    button->setMaximumWidth(std::max(width, 48));
    return button;
}

} // namespace

WeaponsPage::WeaponsPage(EditorHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), m_perkEditor([](QWidget *owner, PerkRecord &entry, const PerkVehicleData &data) {
          return PerkEditorDialog::EditEntry(entry, data, SharedLibraries().Flaws, owner);
      })
{
    BuildControls();
}

void WeaponsPage::BuildControls()
{
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("weaponsSplitter"));
    m_splitter->setChildrenCollapsible(false);

    m_gridPanel = new QWidget(m_splitter);
    m_gridPanel->setObjectName(QStringLiteral("weaponGridPanel"));
    auto *panelLayout = new QVBoxLayout(m_gridPanel);
    panelLayout->setContentsMargins(0, 0, 0, 2);
    panelLayout->setSpacing(3);

    m_model = new WeaponGridModel(this);
    m_model->SetEditHandler([this](const WeaponGridItem &item, int column, const QString &text) {
        if (!m_filling)
            RunGuarded(this, [&] { SetWeaponCellText(item, column, text); });
    });
    m_weaponGrid = new QTableView(m_gridPanel);
    m_weaponGrid->setObjectName(QStringLiteral("weaponGrid"));
    m_weaponGrid->setModel(m_model);
    // Tab moves on to the next control, as from every other box, not from cell to cell.
    m_weaponGrid->setTabKeyNavigation(false);
    m_weaponGrid->setItemDelegate(new Cp1252CellDelegate(m_weaponGrid));
    m_weaponGrid->verticalHeader()->hide();
    const int rowHeight = std::max(kRowHeight, m_weaponGrid->fontMetrics().height() + 3);
    m_weaponGrid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_weaponGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_weaponGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_weaponGrid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    m_weaponGrid->setWordWrap(false);
    m_weaponGrid->horizontalHeader()->setHighlightSections(false);
    m_weaponGrid->horizontalHeader()->setMinimumSectionSize(0);
    m_weaponGrid->installEventFilter(this);
    m_weaponGrid->viewport()->installEventFilter(this);
    SetColumnWidths(0);
    panelLayout->addWidget(m_weaponGrid, 1);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(4);
    m_addButton = Button("addWeaponButton", QStringLiteral("Add"), m_gridPanel);
    m_deleteButton = Button("deleteWeaponButton", QStringLiteral("Del"), m_gridPanel);
    m_clearButton = Button("clearWeaponsButton", QStringLiteral("Clear"), m_gridPanel);
    m_modifyButton = Button("modifyWeaponButton", QStringLiteral("Mod"), m_gridPanel);
    m_addAmmoButton = Button("addAmmoButton", QStringLiteral("Ammo"), m_gridPanel);
    m_addClipButton = Button("addClipButton", QStringLiteral("Clip"), m_gridPanel);
    m_moveSpin = new SpinButton(m_gridPanel);
    m_moveSpin->setObjectName(QStringLiteral("moveWeaponButtons"));
    m_moveSpin->setToolTip(QStringLiteral("Move up / down"));
    m_moveSpin->SetList(m_weaponGrid);
    for (QWidget *control : std::initializer_list<QWidget *>{m_addButton, m_deleteButton, m_clearButton, m_modifyButton,
                                                             m_addAmmoButton, m_addClipButton, m_moveSpin})
        bar->addWidget(control);
    bar->addStretch(1);
    auto *linksCaption = new QLabel(QStringLiteral("Weapon Links"), m_gridPanel);
    m_addLinkButton = Button("addLinkButton", QStringLiteral("Add"), m_gridPanel);
    m_deleteLinkButton = Button("deleteLinkButton", QStringLiteral("Delete"), m_gridPanel);
    m_deleteLinkButton->setToolTip(QStringLiteral("Deletes the link whose column holds the cursor"));
    bar->addWidget(linksCaption);
    bar->addWidget(m_addLinkButton);
    bar->addWidget(m_deleteLinkButton);
    panelLayout->addLayout(bar);

    // The libraries under a filter box that narrows every tab; a row's tooltip tells what
    // the weapon would add to the design.
    auto *libraryPane = new QWidget(m_splitter);
    m_libraries = new WeaponLibraryTabs(libraryPane);
    auto *filter = new LibraryFilter(QStringLiteral("Filter"), libraryPane);
    for (int type = 0; type < kWeaponTypeCount; ++type)
        filter->AddGrid(m_libraries->Grid(type), {0, 1, kLibraryGridColumns - 1});
    new LibraryTooltip(*m_libraries, [this]() -> const BaseVehicle & { return Design(); });
    auto *libraryLayout = new QVBoxLayout(libraryPane);
    libraryLayout->setContentsMargins(0, 2, 0, 0);
    libraryLayout->setSpacing(2);
    libraryLayout->addWidget(filter);
    libraryLayout->addWidget(m_libraries, 1);
    m_splitter->addWidget(m_gridPanel);
    m_splitter->addWidget(libraryPane);
    // As in the other splitters, no pane can be dragged smaller than the minimum.
    for (QWidget *pane : {m_gridPanel, libraryPane})
        pane->setMinimumHeight(std::max(PaneSplitter::MinimumPaneSize, pane->minimumSizeHint().height()));
    // The grid pane keeps its height when the window grows; the libraries take the rest.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // The designed height holds as many rows in the font in use.
    const int panelHeight = kGridPanelHeight * rowHeight / kRowHeight;
    m_splitter->setSizes({panelHeight, 300});
    // Until the page first shows, the grid panel reports the height it will get.
    m_gridPanel->resize(m_gridPanel->width(), panelHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_splitter);

    ConnectGuarded(m_addButton, &QPushButton::clicked, this, &WeaponsPage::AddWeapon);
    ConnectGuarded(m_deleteButton, &QPushButton::clicked, this, &WeaponsPage::DeleteSelected);
    ConnectGuarded(m_clearButton, &QPushButton::clicked, this, &WeaponsPage::ClearWeapons);
    ConnectGuarded(m_modifyButton, &QPushButton::clicked, this, &WeaponsPage::ModifySelected);
    ConnectGuarded(m_addAmmoButton, &QPushButton::clicked, this, &WeaponsPage::AddAmmo);
    ConnectGuarded(m_addClipButton, &QPushButton::clicked, this, &WeaponsPage::AddClip);
    ConnectGuarded(m_moveSpin, &SpinButton::UpClick, this, &WeaponsPage::MoveUp);
    ConnectGuarded(m_moveSpin, &SpinButton::DownClick, this, &WeaponsPage::MoveDown);
    ConnectGuarded(m_addLinkButton, &QPushButton::clicked, this, &WeaponsPage::AddWeaponLink);
    ConnectGuarded(m_deleteLinkButton, &QPushButton::clicked, this, &WeaponsPage::DeleteWeaponLink);
    ConnectGuarded(m_libraries, &WeaponLibraryTabs::AddRequested, this, &WeaponsPage::AddWeapon);
    ConnectGuarded(m_weaponGrid, &QTableView::doubleClicked, this, &WeaponsPage::ModifySelected);

    ConnectGuarded(m_weaponGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
                   [this](const QModelIndex &current) {
                       // A mouse press reports its cell itself (also when it is the current one).
                       if (!m_filling && !m_pressing)
                           SelectWeaponCell(current.row(), current.column());
                   });
    ConnectGuarded(m_weaponGrid, &QTableView::pressed, this, [this](const QModelIndex &index) {
        m_pressing = false;
        SelectWeaponCell(index.row(), index.column());
    });
    // Leaving the grid shows it afresh.
    ConnectGuarded(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        const auto inGrid = [this](QWidget *w) { return w && (w == m_weaponGrid || m_weaponGrid->isAncestorOf(w)); };
        if (now && inGrid(old) && !inGrid(now) && isVisible() && !m_filling)
            ShowVehicleWeapons();
    });
}

Vehicle &WeaponsPage::Design() { return m_host.Document().Design(); }

void WeaponsPage::ShowPage()
{
    ShowVehicleWeapons();
    ShowWeaponLibrary();
}

void WeaponsPage::ShowWeaponLibrary() { m_libraries->ShowWeaponLibrary(); }

void WeaponsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        RunGuarded(this, [this] { ShowPage(); });
    }
}

void WeaponsPage::setVisible(bool visible)
{
    // The remembered height of the grid panel was applied to it while the page was hidden; the
    // splitter takes it over before it lays the page out for the first time.
    if (visible && !m_shownOnce && m_gridPanel->height() > 0)
        m_splitter->setSizes({m_gridPanel->height(), std::max(1, m_splitter->height() - m_gridPanel->height())});
    QWidget::setVisible(visible);
}

// ---- the grid ----

void WeaponsPage::SetColumnWidths(int from)
{
    const QFontMetrics metrics = m_weaponGrid->horizontalHeader()->fontMetrics();
    for (int column = from; column < m_model->columnCount(); ++column) {
        // The designed width in the font in use, or what the heading needs.
        const int designed = DesignedWidth(metrics, WeaponGridModel::DesignedColumnWidth(column));
        m_weaponGrid->setColumnWidth(
            column, std::max(designed, metrics.horizontalAdvance(WeaponGridModel::Caption(column)) + 10));
    }
}

void WeaponsPage::ShowVehicleWeapons()
{
    WriteGrid();
    m_host.ShowResults();
}

void WeaponsPage::WriteGrid()
{
    // Disabling the grid can move the focus and so report a leave while it is written.
    const QScopedValueRollback<bool> filling(m_filling, true);
    Vehicle &vehicle = Design();
    std::vector<WeaponGridRow> rows = WeaponGridRows(vehicle);
    const bool any = !rows.empty();
    m_weaponGrid->setEnabled(any);
    for (QWidget *control :
         std::initializer_list<QWidget *>{m_addLinkButton, m_deleteLinkButton, m_addClipButton, m_addAmmoButton,
                                          m_modifyButton, m_moveSpin, m_deleteButton, m_clearButton})
        control->setEnabled(any);
    const int columns = m_model->columnCount();
    m_model->SetRows(std::move(rows), vehicle.Weapons->LinkCount());
    SetColumnWidths(columns);
}

WeaponGridItem WeaponsPage::SelectedRowItem() const
{
    const int row = m_weaponGrid->currentIndex().row();
    if (row < 0 || !m_weaponGrid->selectionModel()->isRowSelected(row, QModelIndex()))
        return WeaponGridItem();
    return m_model->Item(row);
}

WeaponGridItem WeaponsPage::SelectedItem()
{
    const WeaponGridItem item = SelectedRowItem();
    // The grid and the design are in step; an item gone from the design counts as none.
    const WeaponList &weapons = *Design().Weapons;
    const WeaponGridRowKind kind = item.Kind;
    if (!IsWeaponItem(kind) || item.Weapon >= weapons.Count())
        return WeaponGridItem();
    // A weapon row stands for the weapon even when a file gave it no clips.
    const ClipList &clips = weapons.Get(item.Weapon).Clips;
    if (kind != WeaponGridRowKind::Weapon && item.Clip >= clips.Count())
        return WeaponGridItem();
    if (kind == WeaponGridRowKind::Ammunition && item.Section >= clips.Get(item.Clip).SectionCount())
        return WeaponGridItem();
    return item;
}

int WeaponsPage::FindRow(int weapon, int clip, int section) const
{
    // The row of the item, else of its clip, else of its weapon.
    clip = std::max(clip, 0);
    std::vector<WeaponGridItem> wanted;
    if (section >= 0)
        wanted.push_back({WeaponGridRowKind::Ammunition, weapon, clip, section});
    if (clip > 0)
        wanted.push_back({WeaponGridRowKind::Clip, weapon, clip});
    wanted.push_back({WeaponGridRowKind::Weapon, weapon});
    for (const WeaponGridItem &item : wanted)
        if (const int row = m_model->RowOf(item); row >= 0)
            return row;
    return -1;
}

void WeaponsPage::SelectRow(int row, int column)
{
    m_weaponGrid->setFocus(Qt::OtherFocusReason);
    if (row < 0)
        return;
    // Moving the cursor here is not the user's selection: it flips no link.
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_weaponGrid->setCurrentIndex(m_model->index(row, column));
}

void WeaponsPage::FindWeaponGridRow(int weapon, int clip, int section)
{
    const int column = clip >= 0 || section >= 0 ? weapongrid::Ammo : weapongrid::Items;
    SelectRow(FindRow(weapon, clip, section), column);
}

void WeaponsPage::SelectWeaponCell(int row, int column)
{
    const WeaponGridItem item = m_model->Item(row);
    if (!IsWeaponItem(item.Kind))
        return;
    if (item.Kind == WeaponGridRowKind::Weapon && column >= kWeaponGridLinkColumn &&
        item.Weapon < Design().Weapons->Count()) {
        BooleanList &links = Design().Weapons->Get(item.Weapon).Links;
        const int link = column - kWeaponGridLinkColumn;
        links.Set(link, !links.Get(link));
        // A link changes the threat value and the cost: an unsaved change.
        m_host.Document().SetModified();
    }
    ShowVehicleWeapons();
}

void WeaponsPage::SetWeaponCellText(const WeaponGridItem &item, int column, const QString &text)
{
    WeaponList &weapons = *Design().Weapons;
    if (!IsWeaponItem(item.Kind) || item.Weapon >= weapons.Count())
        return;
    Weapon &weapon = weapons.Get(item.Weapon);
    int32_t value = 0;
    // Counts of weapons, clips and rounds: a negative count means nothing and is refused.
    const bool isCount = number::ParseInteger(cp1252::FromQt(text.trimmed()), value) && value >= 0;
    bool stored = false;
    if (item.Kind == WeaponGridRowKind::Ammunition && column == weapongrid::Ammo && isCount) {
        if (Clip *clip = weapon.Clips.Mutable(item.Clip); clip && item.Section < clip->SectionCount()) {
            AmmoSection section = clip->GetSection(item.Section);
            section.Amount = value;
            clip->SetSection(item.Section, section);
            stored = true;
        }
    } else if (item.Kind == WeaponGridRowKind::Clip && column == weapongrid::Ammo && isCount) {
        if (Clip *clip = weapon.Clips.Mutable(item.Clip)) {
            clip->ClipCount = value;
            stored = true;
        }
    } else if (item.Kind == WeaponGridRowKind::Weapon && column == weapongrid::Items && isCount) {
        weapon.Data.NumberOfItems = value;
        stored = true;
    } else if (item.Kind == WeaponGridRowKind::Weapon && column == weapongrid::Description) {
        weapon.Data.Name = cp1252::FromQt(text).substr(0, kWeaponNameCapacity);
        stored = true;
    }
    if (stored)
        m_host.Document().SetModified();
    // The grid shows what was stored (text that is not a count gives way to the old value).
    ShowVehicleWeapons();
}

bool WeaponsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_weaponGrid && event->type() == QEvent::KeyRelease &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete && !static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
        // While a cell is being edited its editor takes the keys, so this is the grid's own.
        // A held key deletes once: its repeats are no new presses.
        RunGuarded(this, [this] { DeleteSelected(); });
    } else if (watched == m_weaponGrid->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            m_pressing = m_weaponGrid->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint()).isValid();
        else if (event->type() == QEvent::MouseButtonRelease)
            m_pressing = false;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- commands ----

void WeaponsPage::AddWeapon()
{
    WeaponRecord record;
    if (!m_libraries->SelectedRecord(record))
        return;
    const int weapon = Design().Weapons->AddRecord(record);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
    FindWeaponGridRow(weapon, -1, -1);
}

void WeaponsPage::AddClip()
{
    const WeaponGridItem item = SelectedItem();
    if (item.Kind == WeaponGridRowKind::None)
        return;
    ClipList &clips = Design().Weapons->Get(item.Weapon).Clips;
    clips.RestoreInternalMagazine();
    const int index = clips.Add(Clip());
    m_host.Document().SetModified();
    ShowVehicleWeapons();
    FindWeaponGridRow(item.Weapon, index, -1);
}

void WeaponsPage::AddAmmo()
{
    const WeaponGridItem item = SelectedItem();
    if (item.Kind == WeaponGridRowKind::None)
        return;
    Weapon &weapon = Design().Weapons->Get(item.Weapon);
    weapon.Clips.RestoreInternalMagazine();
    Clip *clip = weapon.Clips.Mutable(item.Clip);
    if (!clip)
        return;
    const int section = clip->AddSection(weapon.Data.BaseAmmo);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
    FindWeaponGridRow(item.Weapon, item.Clip, section);
}

void WeaponsPage::DeleteSelected()
{
    const WeaponGridItem item = SelectedItem();
    if (item.Kind == WeaponGridRowKind::None)
        return;
    WeaponList &weapons = *Design().Weapons;
    Weapon &weapon = weapons.Get(item.Weapon);
    if (item.Kind == WeaponGridRowKind::Ammunition)
        weapon.Clips.Mutable(item.Clip)->DeleteSection(item.Section);
    else if (item.Kind == WeaponGridRowKind::Clip)
        weapon.Clips.Delete(item.Clip);
    else
        weapons.Delete(item.Weapon);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
}

void WeaponsPage::ClearWeapons()
{
    if (Dialogs().AskOkCancel(this, QStringLiteral("Clear all weapons?")) != DialogAnswer::Ok)
        return;
    m_host.Document().SetModified();
    Design().Weapons->Clear();
    ShowVehicleWeapons();
}

void WeaponsPage::Move(int direction)
{
    const WeaponGridItem item = SelectedItem();
    if (item.Kind == WeaponGridRowKind::None)
        return;
    WeaponList &weapons = *Design().Weapons;
    Weapon &weapon = weapons.Get(item.Weapon);
    WeaponGridItem moved = item;
    const auto canMove = [direction](int index, int first, int count) {
        return direction < 0 ? index > first : index < count - 1;
    };
    if (item.Kind == WeaponGridRowKind::Ammunition) {
        Clip *clip = weapon.Clips.Mutable(item.Clip);
        if (!canMove(item.Section, 0, clip->SectionCount()))
            return;
        moved.Section = item.Section + direction;
        clip->ExchangeSections(item.Section, moved.Section);
    } else if (item.Kind == WeaponGridRowKind::Clip) {
        // Clip 0, the internal magazine, never moves.
        if (!canMove(item.Clip, 1, weapon.Clips.Count()))
            return;
        moved.Clip = item.Clip + direction;
        weapon.Clips.Exchange(item.Clip, moved.Clip);
    } else {
        if (!canMove(item.Weapon, 0, weapons.Count()))
            return;
        moved.Weapon = item.Weapon + direction;
        weapons.Exchange(item.Weapon, moved.Weapon);
    }
    // The saved design keeps the order: an unsaved change.
    m_host.Document().SetModified();
    const int column = m_weaponGrid->currentIndex().column();
    ShowVehicleWeapons();
    // The moved item keeps the cursor.
    SelectRow(m_model->RowOf(moved), column);
}

void WeaponsPage::MoveUp() { Move(-1); }

void WeaponsPage::MoveDown() { Move(1); }

void WeaponsPage::ModifyPerkRow(PerkKind kind, int index)
{
    Vehicle &vehicle = Design();
    PerkList &list = kind == PerkKind::Perk   ? *vehicle.Perks
                     : kind == PerkKind::Flaw ? *vehicle.Flaws
                                              : *vehicle.Defects;
    if (index < 0 || index >= list.Count())
        return;
    PerkRecord entry = list.Get(index);
    if (m_perkEditor && m_perkEditor(this, entry, list.VehicleData()))
        list.Set(index, entry);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
}

void WeaponsPage::ModifySelected()
{
    if (const WeaponGridItem row = SelectedRowItem(); row.Kind == WeaponGridRowKind::OffensiveEntry) {
        ModifyPerkRow(row.EntryKind, row.Entry);
        return;
    }
    const WeaponGridItem item = SelectedItem();
    if (item.Kind == WeaponGridRowKind::None)
        return;
    Vehicle &vehicle = Design();
    WeaponModifyDialog dialog(this);
    {
        Weapon &weapon = vehicle.Weapons->Get(item.Weapon);
        const Clip &clip = weapon.Clips.Get(item.Clip);
        if (item.Kind == WeaponGridRowKind::Weapon)
            dialog.LoadWeapon(weapon, vehicle.FinalSize);
        else if (item.Kind == WeaponGridRowKind::Ammunition)
            dialog.LoadSection(clip.GetSection(item.Section));
        else
            dialog.LoadClip(clip.Shielded);
    }
    if (Dialogs().RunModal(dialog) == QDialog::Accepted && item.Weapon < vehicle.Weapons->Count()) {
        Weapon &weapon = vehicle.Weapons->Get(item.Weapon);
        if (item.Kind == WeaponGridRowKind::Weapon) {
            dialog.StoreWeapon(weapon.Data);
        } else if (Clip *clip = weapon.Clips.Mutable(item.Clip)) {
            if (item.Kind == WeaponGridRowKind::Ammunition)
                clip->SetSection(item.Section, dialog.Values().Section);
            else
                clip->Shielded = dialog.Values().Shielded;
        }
        m_host.Document().SetModified();
    }
    ShowVehicleWeapons();
}

void WeaponsPage::AddWeaponLink()
{
    WeaponList &weapons = *Design().Weapons;
    // A design file holds no more links than this, so a design with more could not be saved.
    if (weapons.LinkCount() >= WeaponList::kMaxLinks) {
        Dialogs().Warn(this, QStringLiteral("A design holds at most %1 weapon links.").arg(WeaponList::kMaxLinks));
        return;
    }
    m_host.Document().SetModified();
    if (weapons.Count() > 0)
        weapons.AddLink();
    ShowVehicleWeapons();
}

void WeaponsPage::DeleteWeaponLink()
{
    m_host.Document().SetModified();
    WeaponList &weapons = *Design().Weapons;
    const int column = m_weaponGrid->currentIndex().column();
    if (weapons.Count() > 0 && column >= kWeaponGridLinkColumn)
        weapons.DeleteLink(column - kWeaponGridLinkColumn);
    ShowVehicleWeapons();
}

} // namespace aw
