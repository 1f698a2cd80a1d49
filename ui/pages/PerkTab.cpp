#include "ui/pages/PerkTab.h"

#include "base/NumberFormat.h"
#include "engine/ManeuverFlawRows.h"
#include "engine/MovementList.h"
#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "storage/Libraries.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/dialogs/PerkEditorDialog.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"
#include "ui/widgets/PaneSplitter.h"
#include "ui/widgets/ReturnActs.h"
#include "ui/widgets/SpinButton.h"
#include "weapons/WeaponList.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace aw {

// The control names and texts of one tab.
struct PerkTabNames {
    const char *Library;
    const char *Grid;
    const char *Add;
    const char *Remove;
    const char *Config;
    const char *Clear;
    const char *Custom;
    const char *Move;
    const char *ClearQuestion;
};

namespace {

const PerkTabNames kNames[] = {
    {"lbPerks", "perkGrid", "addPerkButton", "deletePerkButton", "configurePerkButton", "clearPerksButton", "btnPc",
     "movePerkSpin", "Clear all perks from the vehicle?"},
    {"lbFlaws", "flawGrid", "addFlawButton", "deleteFlawButton", "configureFlawButton", "clearFlawsButton", "btnFc",
     "moveFlawSpin", "Clear all flaws from the vehicle?"},
    {"lbDefects", "defectGrid", "addDefectButton", "deleteDefectButton", "configureDefectButton", "clearDefectsButton",
     "btnDc", "moveDefectSpin", "Clear all defects from the vehicle?"},
};
constexpr int kDefaultGridWidth = 390;
constexpr int kDefaultColumnWidths[PerkTab::ColumnCount] = {130, 45, 170, 35};

using GridRow = std::array<QString, PerkTab::ColumnCount>;

QPushButton *Button(const char *name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QString AuxMark(bool aux) { return aux ? QStringLiteral("AUX") : QString(); }

// The read-only rows after the entries: the weapons' perks on "Perks", the movement
// systems' maneuver flaws on "Flaws".
std::vector<GridRow> ExtraRows(PerkKind kind, const Vehicle &vehicle)
{
    std::vector<GridRow> rows;
    if (kind == PerkKind::Perk) {
        for (const PrintPFDRow &row : vehicle.Weapons->BuildPerkPrintList())
            rows.push_back(
                {cp1252::ToQt(row.Name), cp1252::ToQt(row.Rating), cp1252::ToQt(row.Effect), AuxMark(row.Aux != 0)});
    } else if (kind == PerkKind::Flaw) {
        for (const ManeuverFlawRow &row : ManeuverFlawRows(*vehicle.Movement))
            rows.push_back({QString::fromLatin1(kManeuverFlawName), cp1252::ToQt(number::Integer(row.Maneuver)),
                            cp1252::ToQt(row.Effect), QString()});
    }
    return rows;
}

// The list of a kind in the libraries or in a design (which holds its lists by pointer).
template <typename Owner> auto &OfKind(Owner &owner, PerkKind kind)
{
    switch (kind) {
    case PerkKind::Flaw:
        return owner.Flaws;
    case PerkKind::Defect:
        return owner.Defects;
    case PerkKind::Perk:
        break;
    }
    return owner.Perks;
}

const PerkList &LibraryOf(PerkKind kind) { return OfKind(SharedLibraries(), kind); }

void WriteRow(QTableWidget *grid, int row, const GridRow &cells, int entry)
{
    for (int column = 0; column < PerkTab::ColumnCount; ++column) {
        QTableWidgetItem *item = grid->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            grid->setItem(row, column, item);
        }
        item->setText(cells[static_cast<size_t>(column)]);
    }
    grid->item(row, 0)->setData(PerkTab::EntryRole, entry);
}

} // namespace

PerkTab::PerkTab(EditorHost &host, PerkKind kind, QWidget *parent)
    : QWidget(parent), m_host(host), m_kind(kind), m_names(kNames[static_cast<int>(kind)]), m_library(new QListWidget),
      m_grid(new QTableWidget)
{
    m_library->setObjectName(QString::fromLatin1(m_names.Library));
    m_grid->setObjectName(QString::fromLatin1(m_names.Grid));
    m_grid->setColumnCount(ColumnCount);
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Rating"), QStringLiteral("Game Effect"), QStringLiteral("AUX")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setTabKeyNavigation(false);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    for (int column = 0; column < ColumnCount; ++column)
        m_grid->horizontalHeader()->resizeSection(column, kDefaultColumnWidths[column]);
    m_grid->installEventFilter(this);

    auto *libraryPane = new QWidget;
    auto *add = Button(m_names.Add, QStringLiteral("Add"), libraryPane);
    auto *custom = Button(m_names.Custom, QStringLiteral("Custom"), libraryPane);
    auto *libraryButtons = new QHBoxLayout;
    libraryButtons->addWidget(add);
    libraryButtons->addWidget(custom);
    auto *libraryLayout = new QVBoxLayout(libraryPane);
    libraryLayout->setContentsMargins(0, 0, 0, 0);
    libraryLayout->addWidget(m_library, 1);
    libraryLayout->addLayout(libraryButtons);
    m_library->setParent(libraryPane);
    auto *splitter = new PaneSplitter(m_grid, libraryPane, PaneSplitter::KeptSide::Right, kDefaultGridWidth, this);

    m_buttonColumn = new QWidget(this);
    m_delete = Button(m_names.Remove, QStringLiteral("Delete"), m_buttonColumn);
    m_config = Button(m_names.Config, QStringLiteral("Config"), m_buttonColumn);
    auto *clear = Button(m_names.Clear, QStringLiteral("Clear"), m_buttonColumn);
    m_move = new SpinButton(m_buttonColumn);
    m_move->setObjectName(QString::fromLatin1(m_names.Move));
    m_move->SetList(m_grid);
    auto *moveRow = new QHBoxLayout;
    moveRow->addWidget(new QLabel(QStringLiteral("Move"), m_buttonColumn));
    moveRow->addStretch();
    moveRow->addWidget(m_move);
    auto *column = new QVBoxLayout(m_buttonColumn);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_delete);
    column->addWidget(m_config);
    column->addWidget(clear);
    column->addLayout(moveRow);
    column->addStretch();
    m_buttonColumn->setFixedWidth(96);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter, 1);
    layout->addWidget(m_buttonColumn);

    ConnectGuarded(add, &QPushButton::clicked, this, &PerkTab::AddEntry);
    ConnectGuarded(m_library, &QListWidget::itemDoubleClicked, this, &PerkTab::AddEntry);
    ActOnReturn(*m_library, [this] { AddEntry(); });
    ConnectGuarded(custom, &QPushButton::clicked, this, &PerkTab::AddCustomEntry);
    ConnectGuarded(m_delete, &QPushButton::clicked, this, &PerkTab::DeleteEntry);
    ConnectGuarded(m_config, &QPushButton::clicked, this, &PerkTab::ConfigureEntry);
    ConnectGuarded(m_grid, &QTableWidget::doubleClicked, this, &PerkTab::ConfigureEntry);
    ConnectGuarded(clear, &QPushButton::clicked, this, &PerkTab::ClearEntries);
    ConnectGuarded(m_move, &SpinButton::UpClick, this, &PerkTab::MoveEntryUp);
    ConnectGuarded(m_move, &SpinButton::DownClick, this, &PerkTab::MoveEntryDown);
}

void PerkTab::AddBelowButtons(QWidget *widget)
{
    widget->setParent(m_buttonColumn);
    m_buttonColumn->layout()->addWidget(widget);
    m_buttonColumn->setFixedWidth(
        std::max({m_buttonColumn->width(), widget->minimumWidth(), widget->minimumSizeHint().width()}));
}

Vehicle &PerkTab::Design() { return m_host.Document().Design(); }

PerkList &PerkTab::Entries() { return *OfKind(Design(), m_kind); }

int PerkTab::EntryAt(int row)
{
    const QTableWidgetItem *item = m_grid->item(row, 0);
    const int entry = item ? item->data(EntryRole).toInt() : -1;
    // The grid and the design are in step; an entry gone from the design counts as none.
    return entry < Entries().Count() ? entry : -1;
}

int PerkTab::SelectedEntry() { return EntryAt(m_grid->currentRow()); }

void PerkTab::ShowLibrary()
{
    const PerkList &library = LibraryOf(m_kind);
    m_library->clear();
    for (int i = 0; i < library.Count(); ++i)
        m_library->addItem(cp1252::ToQt(DisplayName(library.Get(i))));
    if (m_library->count() > 0)
        m_library->setCurrentRow(0);
}

void PerkTab::ShowGrid()
{
    const int selected = m_grid->currentRow();
    const PerkList &entries = Entries();
    const int count = entries.Count();
    const std::vector<GridRow> extras = ExtraRows(m_kind, Design());

    const int rows = count > 0 ? count + static_cast<int>(extras.size()) : std::max(1, static_cast<int>(extras.size()));
    m_grid->setRowCount(rows);
    for (int i = 0; i < count; ++i) {
        const PerkRecord entry = entries.Get(i);
        WriteRow(m_grid, i,
                 {cp1252::ToQt(DisplayName(entry)), cp1252::ToQt(RatingText(entry)),
                  cp1252::ToQt(entries.EffectText(i)), AuxMark(entry.Aux)},
                 i);
    }
    if (count == 0) {
        const QString dash = QStringLiteral("-");
        WriteRow(m_grid, 0, {dash, dash, dash, dash}, -1);
    }
    // Without entries the first extra row takes the place of the "-" row.
    for (size_t j = 0; j < extras.size(); ++j)
        WriteRow(m_grid, count + static_cast<int>(j), extras[j], -1);

    const bool hasEntries = count > 0;
    for (QWidget *control : {static_cast<QWidget *>(m_grid), static_cast<QWidget *>(m_delete),
                             static_cast<QWidget *>(m_config), static_cast<QWidget *>(m_move)})
        control->setEnabled(hasEntries);
    m_grid->setCurrentCell(std::clamp(selected, 0, rows - 1), 0);
    if (!hasEntries)
        m_grid->clearSelection(); // nothing there to act on
    m_host.ShowResults();
}

void PerkTab::Finish(bool modified)
{
    if (modified)
        m_host.Document().SetModified();
    else
        m_host.Document().NoteUnmarkedChange();
    ShowGrid();
}

void PerkTab::AddEntry()
{
    const PerkList &library = LibraryOf(m_kind);
    const int item = m_library->currentRow();
    if (item >= 0 && item < library.Count())
        Entries().Add(library.Get(item));
    Finish(true);
}

void PerkTab::DeleteEntry()
{
    if (const int entry = SelectedEntry(); entry >= 0)
        Entries().Delete(entry);
    Finish(true);
}

void PerkTab::ConfigureEntry()
{
    const int index = SelectedEntry();
    if (!m_grid->isEnabled() || index < 0)
        return;
    PerkList &entries = Entries();
    PerkRecord entry = entries.Get(index);
    PerkEditorDialog::EditEntry(entry, entries.VehicleData(), SharedLibraries().Flaws, this);
    entries.Set(index, entry);
    Finish(true);
}

void PerkTab::ClearEntries()
{
    if (m_grid->isEnabled() &&
        Dialogs().AskOkCancel(this, QString::fromLatin1(m_names.ClearQuestion)) == DialogAnswer::Ok)
        Entries().Clear();
    Finish(true);
}

void PerkTab::Move(int direction)
{
    const int row = m_grid->currentRow();
    const int target = row + direction;
    if (!m_grid->isEnabled() || row < 0 || target < 0 || target >= m_grid->rowCount()) {
        ShowGrid();
        return;
    }
    // Extra rows are not entries: onto or from them only the selection moves.
    if (const int from = EntryAt(row), to = EntryAt(target); from >= 0 && to >= 0)
        Entries().Exchange(from, to);
    m_grid->setCurrentCell(target, 0);
    Finish(true);
}

void PerkTab::MoveEntryUp() { Move(-1); }

void PerkTab::MoveEntryDown() { Move(1); }

void PerkTab::AddCustomEntry()
{
    Entries().Add(CustomEntryTemplate(m_kind));
    Finish(false);
}

bool PerkTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        m_pressedKey = static_cast<QKeyEvent *>(event)->key();
    } else if (watched == m_grid && event->type() == QEvent::KeyRelease) {
        // Only a key pressed here counts: Return on a dialog's button closes the dialog on
        // the press, and its release then reaches the grid.
        // A held key acts once: its repeats are no new presses.
        const auto *release = static_cast<QKeyEvent *>(event);
        const int key = release->key();
        if (release->isAutoRepeat() || key != std::exchange(m_pressedKey, 0))
            return QWidget::eventFilter(watched, event);
        if (key == Qt::Key_Delete)
            RunGuarded(this, [this] { DeleteEntry(); });
        else if (key == Qt::Key_Return || key == Qt::Key_Enter)
            RunGuarded(this, [this] { ConfigureEntry(); });
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace aw
