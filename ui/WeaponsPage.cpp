#include "ui/WeaponsPage.h"

#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "engine/base/NumberFormat.h"
#include "storage/Libraries.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/Cp1252CellDelegate.h"
#include "ui/DesignedWidth.h"
#include "ui/DialogProvider.h"
#include "ui/EditorHost.h"
#include "ui/FrmModify.h"
#include "ui/FrmPerkEditor.h"
#include "ui/LibraryFilter.h"
#include "ui/LibraryTooltip.h"
#include "ui/PaneSplitter.h"
#include "ui/SpinButton.h"
#include "ui/VehicleDocument.h"
#include "ui/WeaponLibraryTabs.h"
#include "weapons/WeaponGridRows.h"
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
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPanel16Height = 153;
constexpr int kRowHeight = 16;

// Widths and headings of sgW's columns 2..12 (columns 0 and 1 are hidden).
struct TWeaponGridHeading {
    int width;
    const char *caption;
};
const TWeaponGridHeading kHeadings[kWeaponGridColumns] = {
    {0, ""},           {0, ""},      {24, "#"},    {124, "Description"}, {54, "Code"},      {24, "Arc"},
    {34, "Base Range"}, {24, "Acc."}, {26, "Dam."}, {32, "Ammo"},         {23, "ROF"},       {21, "Min Size"},
    {150, "Special"},
};
constexpr int kLinkColumnWidth = 20;

bool IsWeaponRowKind(char kind)
{
    return kind == weapongrid::Weapon || kind == weapongrid::Clip || kind == weapongrid::Ammunition;
}

bool IsEditableCell(char kind, int column)
{
    if (kind == weapongrid::Weapon)
        return column == weapongrid::Items || column == weapongrid::Description;
    return (kind == weapongrid::Clip || kind == weapongrid::Ammunition) && column == weapongrid::Ammo;
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

TWeaponsPage::TWeaponsPage(TEditorHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_perkEditor([](QWidget *owner, TPerkRecord &entry, const TPerkVehicleData &data) {
        return TfrmPerkEditor::EditEntry(entry, data, Libraries().Flaws, owner);
    })
{
    BuildControls();
}

void TWeaponsPage::BuildControls()
{
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("Splitter1"));
    m_splitter->setChildrenCollapsible(false);

    m_panel16 = new QWidget(m_splitter);
    m_panel16->setObjectName(QStringLiteral("Panel16"));
    auto *panelLayout = new QVBoxLayout(m_panel16);
    panelLayout->setContentsMargins(0, 0, 0, 2);
    panelLayout->setSpacing(3);

    m_sgW = new QTableWidget(1, kWeaponGridColumns, m_panel16);
    m_sgW->setObjectName(QStringLiteral("sgW"));
    m_sgW->setItemDelegate(new TCp1252CellDelegate(m_sgW));
    m_sgW->verticalHeader()->hide();
    const int rowHeight = std::max(kRowHeight, m_sgW->fontMetrics().height() + 3);
    m_sgW->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_sgW->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sgW->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sgW->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    m_sgW->setWordWrap(false);
    m_sgW->horizontalHeader()->setHighlightSections(false);
    m_sgW->horizontalHeader()->setMinimumSectionSize(0);
    m_sgW->installEventFilter(this);
    m_sgW->viewport()->installEventFilter(this);
    SetColumns(0);
    panelLayout->addWidget(m_sgW, 1);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(4);
    m_bAdd = Button("bAdd", QStringLiteral("Add"), m_panel16);
    m_bDel = Button("bDel", QStringLiteral("Del"), m_panel16);
    m_bClear = Button("bClear", QStringLiteral("Clear"), m_panel16);
    m_bMod = Button("bMod", QStringLiteral("Mod"), m_panel16);
    m_bAddAmmo = Button("bAddAmmo", QStringLiteral("Ammo"), m_panel16);
    m_bAddCLip = Button("bAddCLip", QStringLiteral("Clip"), m_panel16);
    m_sbMove = new TSpinButton(m_panel16);
    m_sbMove->setObjectName(QStringLiteral("sbMove"));
    m_sbMove->setToolTip(QStringLiteral("Move up / down"));
    for (QWidget *control : std::initializer_list<QWidget *>{m_bAdd, m_bDel, m_bClear, m_bMod, m_bAddAmmo,
                                                              m_bAddCLip, m_sbMove})
        bar->addWidget(control);
    bar->addStretch(1);
    auto *linksCaption = new QLabel(QStringLiteral("Weapon Links"), m_panel16);
    m_bWLadd = Button("bWLadd", QStringLiteral("Add"), m_panel16);
    m_bWLdelete = Button("bWLdelete", QStringLiteral("Delete"), m_panel16);
    m_bWLdelete->setToolTip(QStringLiteral("Deletes the link whose column holds the cursor"));
    bar->addWidget(linksCaption);
    bar->addWidget(m_bWLadd);
    bar->addWidget(m_bWLdelete);
    panelLayout->addLayout(bar);

    // The libraries under a filter box that narrows every tab; a row's tooltip tells what
    // the weapon would add to the design.
    auto *libraryPane = new QWidget(m_splitter);
    m_libraries = new TWeaponLibraryTabs(libraryPane);
    auto *filter = new TLibraryFilter(QStringLiteral("Filter"), libraryPane);
    for (int type = 0; type < kWeaponTypeCount; ++type)
        filter->AddGrid(m_libraries->Grid(type), {0, 1, kLibraryGridColumns - 1});
    new TLibraryTooltip(*m_libraries, [this]() -> const TBaseVehicle & { return Vehicle(); });
    auto *libraryLayout = new QVBoxLayout(libraryPane);
    libraryLayout->setContentsMargins(0, 2, 0, 0);
    libraryLayout->setSpacing(2);
    libraryLayout->addWidget(filter);
    libraryLayout->addWidget(m_libraries, 1);
    m_splitter->addWidget(m_panel16);
    m_splitter->addWidget(libraryPane);
    // As in the other splitters, no pane can be dragged smaller than the minimum.
    for (QWidget *pane : {m_panel16, libraryPane})
        pane->setMinimumHeight(std::max(TPaneSplitter::MinimumPaneSize, pane->minimumSizeHint().height()));
    // The grid pane keeps its height when the window grows; the libraries take the rest.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // The designed height holds as many rows in the font in use.
    const int panelHeight = kPanel16Height * rowHeight / kRowHeight;
    m_splitter->setSizes({panelHeight, 300});
    // Until the page first shows, Panel16 reports the height it will get.
    m_panel16->resize(m_panel16->width(), panelHeight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_splitter);

    ConnectGuarded(m_bAdd, &QPushButton::clicked, this, &TWeaponsPage::bAddClick);
    ConnectGuarded(m_bDel, &QPushButton::clicked, this, &TWeaponsPage::bDelClick);
    ConnectGuarded(m_bClear, &QPushButton::clicked, this, &TWeaponsPage::bClearClick);
    ConnectGuarded(m_bMod, &QPushButton::clicked, this, &TWeaponsPage::bModClick);
    ConnectGuarded(m_bAddAmmo, &QPushButton::clicked, this, &TWeaponsPage::bAddAmmoClick);
    ConnectGuarded(m_bAddCLip, &QPushButton::clicked, this, &TWeaponsPage::bAddCLipClick);
    ConnectGuarded(m_sbMove, &TSpinButton::upClick, this, &TWeaponsPage::sbMoveUpClick);
    ConnectGuarded(m_sbMove, &TSpinButton::downClick, this, &TWeaponsPage::sbMoveDownClick);
    ConnectGuarded(m_bWLadd, &QPushButton::clicked, this, &TWeaponsPage::bWLaddClick);
    ConnectGuarded(m_bWLdelete, &QPushButton::clicked, this, &TWeaponsPage::bWLdeleteClick);
    ConnectGuarded(m_libraries, &TWeaponLibraryTabs::addRequested, this, &TWeaponsPage::bAddClick);
    ConnectGuarded(m_sgW, &QTableWidget::cellDoubleClicked, this, &TWeaponsPage::bModClick);

    ConnectGuarded(m_sgW, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        // A mouse press reports its cell itself (also when it is the current one).
        if (!m_filling && !m_pressing)
            sgWSelectCell(row, column);
    });
    ConnectGuarded(m_sgW, &QTableWidget::cellPressed, this, [this](int row, int column) {
        m_pressing = false;
        sgWSelectCell(row, column);
    });
    ConnectGuarded(m_sgW, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_filling)
            sgWSetEditText(item->row(), item->column(), item->text());
    });
    // Leaving the grid shows it afresh.
    ConnectGuarded(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        const auto inGrid = [this](QWidget *w) { return w && (w == m_sgW || m_sgW->isAncestorOf(w)); };
        if (now && inGrid(old) && !inGrid(now) && isVisible() && !m_filling)
            ShowVehicleWeapons();
    });
}

TVehicle &TWeaponsPage::Vehicle()
{
    return m_host.Document().Vehicle();
}

void TWeaponsPage::ShowPage()
{
    ShowVehicleWeapons();
    ShowWeaponLibrary();
}

void TWeaponsPage::ShowWeaponLibrary()
{
    m_libraries->ShowWeaponLibrary();
}

void TWeaponsPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        RunGuarded(this, [this] { ShowPage(); });
    }
}

void TWeaponsPage::setVisible(bool visible)
{
    // The remembered height of Panel16 was applied to it while the page was hidden; the
    // splitter takes it over before it lays the page out for the first time.
    if (visible && !m_shownOnce && m_panel16->height() > 0)
        m_splitter->setSizes({m_panel16->height(), std::max(1, m_splitter->height() - m_panel16->height())});
    QWidget::setVisible(visible);
}

// ---- the grid ----

void TWeaponsPage::SetColumns(int linkCount)
{
    const int columns = kWeaponGridColumns + linkCount;
    const int old = m_sgW->columnCount();
    if (old != columns || m_columnsSet < 0) {
        m_sgW->setColumnCount(columns);
        const QFontMetrics metrics = m_sgW->horizontalHeader()->fontMetrics();
        for (int column = std::max(0, m_columnsSet < 0 ? 0 : old); column < columns; ++column) {
            const bool link = column >= kWeaponGridLinkColumn;
            const QString caption = link ? QString::number(column - kWeaponGridLinkColumn + 1)
                                         : QString::fromLatin1(kHeadings[column].caption);
            auto *heading = new QTableWidgetItem(caption);
            if (link)
                heading->setToolTip(QStringLiteral("Weapon Links"));
            else if (column == weapongrid::Items)
                heading->setToolTip(QStringLiteral("Numer Of Items"));
            m_sgW->setHorizontalHeaderItem(column, heading);
            // The designed width in the font in use, or what the heading needs.
            const int designed = DesignedWidth(metrics, link ? kLinkColumnWidth : kHeadings[column].width);
            m_sgW->setColumnWidth(column, column <= weapongrid::Index
                                              ? 0
                                              : std::max(designed, metrics.horizontalAdvance(caption) + 10));
        }
        m_sgW->setColumnHidden(weapongrid::Kind, true);
        m_sgW->setColumnHidden(weapongrid::Index, true);
        m_columnsSet = columns;
    }
}

void TWeaponsPage::WriteRow(int row, const std::vector<std::string> &cells, char kind)
{
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
        QTableWidgetItem *item = m_sgW->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            m_sgW->setItem(row, column, item);
        }
        const QString text = cp1252::ToQt(cells[static_cast<size_t>(column)]);
        if (item->text() != text)
            item->setText(text);
        Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
        if (IsEditableCell(kind, column))
            flags |= Qt::ItemIsEditable;
        if (item->flags() != flags)
            item->setFlags(flags);
    }
}

void TWeaponsPage::AppendPerkRows(std::vector<std::vector<std::string>> &rows, TPerkList &list, char kind,
                                  const char *code) const
{
    const int columns = m_sgW->columnCount();
    const TPerkVehicleData data = list.VehicleData();
    for (int i = 0; i < list.Count(); ++i) {
        const TPerkRecord entry = list.Get(i);
        if (!entry.InsideOTV && !entry.OutsideOTV)
            continue;
        std::vector<std::string> row(static_cast<size_t>(columns));
        row[weapongrid::Kind] = std::string(1, kind);
        row[weapongrid::Index] = fmt::Integer(i);
        row[weapongrid::Description] = DisplayName(entry);
        row[weapongrid::Code] = code;
        row[weapongrid::Ammo] = fmt::Grouped(OTVValue(entry), 1);
        row[weapongrid::Special] = EffectTextFor(entry, data);
        rows.push_back(std::move(row));
    }
}

void TWeaponsPage::ShowVehicleWeapons()
{
    WriteGrid();
    m_host.ShowResults();
}

void TWeaponsPage::WriteGrid()
{
    // Disabling the grid can move the focus and so report a leave while it is written.
    const QScopedValueRollback<bool> filling(m_filling, true);
    TVehicle &vehicle = Vehicle();
    SetColumns(vehicle.Weapons->LinkCount());
    std::vector<std::vector<std::string>> rows = WeaponGridRows(*vehicle.Weapons);
    AppendPerkRows(rows, *vehicle.Perks, 'P', "PERK");
    AppendPerkRows(rows, *vehicle.Flaws, 'F', "FLAW");
    AppendPerkRows(rows, *vehicle.Defects, 'D', "DEFECT");

    const bool any = !rows.empty();
    m_sgW->setEnabled(any);
    for (QWidget *control : std::initializer_list<QWidget *>{m_bWLadd, m_bWLdelete, m_bAddCLip, m_bAddAmmo, m_bMod,
                                                              m_sbMove, m_bDel, m_bClear})
        control->setEnabled(any);
    if (any) {
        m_sgW->setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < static_cast<int>(rows.size()); ++row)
            WriteRow(row, rows[static_cast<size_t>(row)], rows[static_cast<size_t>(row)][0][0]);
    } else {
        m_sgW->setRowCount(1);
        WriteRow(0, std::vector<std::string>(static_cast<size_t>(kWeaponGridColumns)), 0);
    }
}

QString TWeaponsPage::Cell(int row, int column) const
{
    const QTableWidgetItem *item = m_sgW->item(row, column);
    return item ? item->text() : QString();
}

TWeaponsPage::TGridItem TWeaponsPage::Locate(int row) const
{
    const auto kindAt = [this](int r) {
        const QString text = Cell(r, weapongrid::Kind);
        return text.size() == 1 ? text.at(0).toLatin1() : char(0);
    };
    const auto indexAt = [this](int r) { return Cell(r, weapongrid::Index).toInt(); };

    TGridItem item;
    if (row < 0 || row >= m_sgW->rowCount() || !IsWeaponRowKind(kindAt(row)))
        return item;
    const char kind = kindAt(row);
    int r = row;
    if (kind == weapongrid::Ammunition) {
        item.section = indexAt(r);
        while (r >= 0 && kindAt(r) != weapongrid::Clip && kindAt(r) != weapongrid::Weapon)
            --r;
    }
    if (r >= 0 && kindAt(r) == weapongrid::Clip) {
        item.clip = indexAt(r);
        while (r >= 0 && kindAt(r) != weapongrid::Weapon)
            --r;
    }
    if (r < 0)
        return TGridItem();
    item.weapon = indexAt(r);
    item.kind = kind;
    return item;
}

TWeaponsPage::TGridItem TWeaponsPage::SelectedItem()
{
    const int row = m_sgW->currentRow();
    if (row < 0 || !m_sgW->selectionModel()->isRowSelected(row, QModelIndex()))
        return TGridItem();
    TGridItem item = Locate(row);
    // The grid and the design are in step; an item gone from the design counts as none.
    const TWeaponList &weapons = *Vehicle().Weapons;
    if (!item.kind || item.weapon < 0 || item.weapon >= weapons.Count())
        return TGridItem();
    const TClipList &clips = weapons.Get(item.weapon).Clips;
    if (item.clip < 0 || item.clip >= clips.Count())
        return TGridItem();
    if (item.kind == weapongrid::Ammunition
        && (item.section < 0 || item.section >= clips.Get(item.clip).SectionCount()))
        return TGridItem();
    return item;
}

int TWeaponsPage::FindRow(const TGridItem &item) const
{
    const auto is = [this](int r, char kind, int index) {
        return Cell(r, weapongrid::Kind) == QChar::fromLatin1(kind) && Cell(r, weapongrid::Index).toInt() == index;
    };
    const auto isKind = [this](int r, char kind) { return Cell(r, weapongrid::Kind) == QChar::fromLatin1(kind); };
    const int rows = m_sgW->rowCount();
    int found = -1;
    for (int r = 0; r < rows && found < 0; ++r)
        if (is(r, weapongrid::Weapon, item.weapon))
            found = r;
    if (found < 0)
        return -1;
    int r = found + 1;
    if (item.clip > 0) {
        for (; r < rows && !isKind(r, weapongrid::Weapon); ++r)
            if (is(r, weapongrid::Clip, item.clip)) {
                found = r++;
                break;
            }
    }
    if (item.section >= 0) {
        for (; r < rows && !isKind(r, weapongrid::Weapon) && !isKind(r, weapongrid::Clip); ++r)
            if (is(r, weapongrid::Ammunition, item.section))
                return r;
    }
    return found;
}

void TWeaponsPage::SelectRow(int row, int column)
{
    m_sgW->setFocus(Qt::OtherFocusReason);
    if (row < 0)
        return;
    // Moving the cursor here is not the user's selection: it flips no link.
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_sgW->setCurrentCell(row, column);
}

void TWeaponsPage::FindWeaponGridRow(int weapon, int clip, int section)
{
    TGridItem item;
    item.weapon = weapon;
    item.clip = clip;
    item.section = section;
    const int column = clip >= 0 || section >= 0 ? weapongrid::Ammo : weapongrid::Items;
    SelectRow(FindRow(item), column);
}

void TWeaponsPage::sgWSelectCell(int row, int column)
{
    const TGridItem item = Locate(row);
    if (!item.kind)
        return;
    if (item.kind == weapongrid::Weapon && column >= kWeaponGridLinkColumn
        && item.weapon < Vehicle().Weapons->Count()) {
        TBooleanList &links = Vehicle().Weapons->Get(item.weapon).Links;
        const int link = column - kWeaponGridLinkColumn;
        links.Set(link, !links.Get(link));
        // A link changes the threat value and the cost: an unsaved change.
        m_host.Document().SetModified();
    }
    ShowVehicleWeapons();
}

void TWeaponsPage::sgWSetEditText(int row, int column, const QString &text)
{
    const TGridItem item = Locate(row);
    TWeaponList &weapons = *Vehicle().Weapons;
    if (!item.kind || item.weapon >= weapons.Count())
        return;
    TWeapon &weapon = weapons.Get(item.weapon);
    int32_t value = 0;
    // Counts of weapons, clips and rounds: a negative count means nothing and is refused.
    const bool isCount = fmt::ParseInteger(cp1252::FromQt(text.trimmed()), value) && value >= 0;
    bool stored = false;
    if (item.kind == weapongrid::Ammunition && column == weapongrid::Ammo && isCount) {
        if (TClip *clip = weapon.Clips.Mutable(item.clip); clip && item.section < clip->SectionCount()) {
            TAmmoSection section = clip->GetSection(item.section);
            section.Amount = value;
            clip->SetSection(item.section, section);
            stored = true;
        }
    } else if (item.kind == weapongrid::Clip && column == weapongrid::Ammo && isCount) {
        if (TClip *clip = weapon.Clips.Mutable(item.clip)) {
            clip->ClipCount = value;
            stored = true;
        }
    } else if (item.kind == weapongrid::Weapon && column == weapongrid::Items && isCount) {
        weapon.Data.NumberOfItems = value;
        stored = true;
    } else if (item.kind == weapongrid::Weapon && column == weapongrid::Description) {
        weapon.Data.Name = cp1252::FromQt(text).substr(0, kWeaponNameCapacity);
        stored = true;
    }
    if (stored)
        m_host.Document().SetModified();
    // The grid shows what was stored (text that is not a count gives way to the old value).
    ShowVehicleWeapons();
}

bool TWeaponsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sgW && event->type() == QEvent::KeyRelease
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        // While a cell is being edited its editor takes the keys, so this is the grid's own.
        RunGuarded(this, [this] { bDelClick(); });
    } else if (watched == m_sgW->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            m_pressing = m_sgW->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint()).isValid();
        else if (event->type() == QEvent::MouseButtonRelease)
            m_pressing = false;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- commands ----

void TWeaponsPage::bAddClick()
{
    TWeaponRecord record;
    if (!m_libraries->SelectedRecord(record))
        return;
    const int weapon = Vehicle().Weapons->AddRecord(record);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
    FindWeaponGridRow(weapon, -1, -1);
}

void TWeaponsPage::bAddCLipClick()
{
    const TGridItem item = SelectedItem();
    if (!item.kind)
        return;
    TClip clip;
    clip.Shielded = false;
    const int index = Vehicle().Weapons->Get(item.weapon).Clips.Add(clip);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
    FindWeaponGridRow(item.weapon, index, -1);
}

void TWeaponsPage::bAddAmmoClick()
{
    const TGridItem item = SelectedItem();
    if (!item.kind)
        return;
    TWeapon &weapon = Vehicle().Weapons->Get(item.weapon);
    TClip *clip = weapon.Clips.Mutable(item.clip);
    if (!clip)
        return;
    const int section = clip->AddSection(weapon.Data.BaseAmmo);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
    FindWeaponGridRow(item.weapon, item.clip, section);
}

void TWeaponsPage::bDelClick()
{
    const TGridItem item = SelectedItem();
    if (!item.kind)
        return;
    TWeaponList &weapons = *Vehicle().Weapons;
    TWeapon &weapon = weapons.Get(item.weapon);
    if (item.kind == weapongrid::Ammunition)
        weapon.Clips.Mutable(item.clip)->DeleteSection(item.section);
    else if (item.kind == weapongrid::Clip)
        weapon.Clips.Delete(item.clip);
    else
        weapons.Delete(item.weapon);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
}

void TWeaponsPage::bClearClick()
{
    if (Dialogs().AskOkCancel(this, QStringLiteral("Clear all weapons?")) != TDialogAnswer::Ok)
        return;
    m_host.Document().SetModified();
    Vehicle().Weapons->Clear();
    ShowVehicleWeapons();
}

void TWeaponsPage::Move(int direction)
{
    const TGridItem item = SelectedItem();
    if (!item.kind)
        return;
    TWeaponList &weapons = *Vehicle().Weapons;
    TWeapon &weapon = weapons.Get(item.weapon);
    TGridItem moved = item;
    const auto canMove = [direction](int index, int first, int count) {
        return direction < 0 ? index > first : index < count - 1;
    };
    if (item.kind == weapongrid::Ammunition) {
        TClip *clip = weapon.Clips.Mutable(item.clip);
        if (!canMove(item.section, 0, clip->SectionCount()))
            return;
        moved.section = item.section + direction;
        clip->ExchangeSections(item.section, moved.section);
    } else if (item.kind == weapongrid::Clip) {
        // Clip 0, the internal magazine, never moves.
        if (!canMove(item.clip, 1, weapon.Clips.Count()))
            return;
        moved.clip = item.clip + direction;
        weapon.Clips.Exchange(item.clip, moved.clip);
    } else {
        if (!canMove(item.weapon, 0, weapons.Count()))
            return;
        moved.weapon = item.weapon + direction;
        weapons.Exchange(item.weapon, moved.weapon);
    }
    // The saved design keeps the order: an unsaved change.
    m_host.Document().SetModified();
    const int column = m_sgW->currentColumn();
    ShowVehicleWeapons();
    // The moved item keeps the cursor.
    SelectRow(FindRow(moved), column);
}

void TWeaponsPage::sbMoveUpClick()
{
    Move(-1);
}

void TWeaponsPage::sbMoveDownClick()
{
    Move(1);
}

void TWeaponsPage::ModifyPerkRow(char kind, int index)
{
    TVehicle &vehicle = Vehicle();
    TPerkList &list = kind == 'P' ? *vehicle.Perks : kind == 'F' ? *vehicle.Flaws : *vehicle.Defects;
    if (index < 0 || index >= list.Count())
        return;
    TPerkRecord entry = list.Get(index);
    if (m_perkEditor && m_perkEditor(this, entry, list.VehicleData()))
        list.Set(index, entry);
    m_host.Document().SetModified();
    ShowVehicleWeapons();
}

void TWeaponsPage::bModClick()
{
    const int row = m_sgW->currentRow();
    if (row < 0 || !m_sgW->selectionModel()->isRowSelected(row, QModelIndex()))
        return;
    const QString kind = Cell(row, weapongrid::Kind);
    if (kind == QLatin1String("P") || kind == QLatin1String("F") || kind == QLatin1String("D")) {
        ModifyPerkRow(kind.at(0).toLatin1(), Cell(row, weapongrid::Index).toInt());
        return;
    }
    const TGridItem item = SelectedItem();
    if (!item.kind)
        return;
    TVehicle &vehicle = Vehicle();
    TfrmModify dialog(this);
    {
        TWeapon &weapon = vehicle.Weapons->Get(item.weapon);
        const TClip &clip = weapon.Clips.Get(item.clip);
        if (item.kind == weapongrid::Weapon)
            dialog.LoadWeapon(weapon, vehicle.FinalSize);
        else if (item.kind == weapongrid::Ammunition)
            dialog.LoadSection(clip.GetSection(item.section));
        else
            dialog.LoadClip(clip.Shielded);
    }
    if (Dialogs().RunModal(dialog) == QDialog::Accepted && item.weapon < vehicle.Weapons->Count()) {
        TWeapon &weapon = vehicle.Weapons->Get(item.weapon);
        if (item.kind == weapongrid::Weapon) {
            dialog.StoreWeapon(weapon.Data);
        } else if (TClip *clip = weapon.Clips.Mutable(item.clip)) {
            if (item.kind == weapongrid::Ammunition)
                clip->SetSection(item.section, dialog.Values().Section);
            else
                clip->Shielded = dialog.Values().Shielded;
        }
        m_host.Document().SetModified();
    }
    ShowVehicleWeapons();
}

void TWeaponsPage::bWLaddClick()
{
    m_host.Document().SetModified();
    TWeaponList &weapons = *Vehicle().Weapons;
    if (weapons.Count() > 0)
        weapons.AddLink();
    ShowVehicleWeapons();
}

void TWeaponsPage::bWLdeleteClick()
{
    m_host.Document().SetModified();
    TWeaponList &weapons = *Vehicle().Weapons;
    const int column = m_sgW->currentColumn();
    if (weapons.Count() > 0 && column >= kWeaponGridLinkColumn)
        weapons.DeleteLink(column - kWeaponGridLinkColumn);
    ShowVehicleWeapons();
}
