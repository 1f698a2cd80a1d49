#include "ui/pages/MovementPages.h"

#include "engine/MovementList.h"
#include "engine/OpenedDesign.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/dialogs/MovementEditorDialog.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"
#include "ui/widgets/ExitComboBox.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/SpinButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace aw {

MovementPages::MovementPages(EditorHost &host, QWidget *parent) : QTabWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("movementTabs"));
    addTab(BuildSystemTab(QStringLiteral("Pri"), QStringLiteral("Maneuver Modifier"), m_views[0]),
           QStringLiteral("Primary"));
    addTab(BuildSystemTab(QStringLiteral("Sec"), QStringLiteral("Maneuver Penalty"), m_views[1]),
           QStringLiteral("Secondary"));
    addTab(BuildMoreTab(), QStringLiteral("More"));
    widget(0)->setObjectName(QStringLiteral("primaryMovementTab"));
    widget(1)->setObjectName(QStringLiteral("secondaryMovementTab"));
    widget(2)->setObjectName(QStringLiteral("moreMovementTab"));
    ConnectSystem(0);
    ConnectSystem(1);
}

QWidget *MovementPages::BuildSystemTab(const QString &prefix, const QString &maneuverCaption, MovementSystemView &view)
{
    auto *tab = new QWidget(this);
    view.WithNone = true;
    view.Mode = new ExitComboBox(tab);
    view.Mode->setObjectName(QStringLiteral("cbx%1Mode").arg(prefix));
    view.Mode->setInsertPolicy(QComboBox::NoInsert);
    view.Mode->setMinimumWidth(120);
    view.TopKph = MovementSystemView::MakeBox(QStringLiteral("e%1TopKPH").arg(prefix), tab);
    view.TopMp = MovementSystemView::MakeBox(QStringLiteral("e%1TopMP").arg(prefix), tab);
    view.StallMp = MovementSystemView::MakeBox(QStringLiteral("e%1StallMP").arg(prefix), tab);
    view.StallKph = MovementSystemView::MakeBox(QStringLiteral("e%1StallKPH").arg(prefix), tab);
    view.ComMp = MovementSystemView::MakeBox(QStringLiteral("e%1ComMP").arg(prefix), tab, true);
    view.ComKph = MovementSystemView::MakeBox(QStringLiteral("e%1ComKPH").arg(prefix), tab, true);
    view.Man = MovementSystemView::MakeBox(QStringLiteral("e%1Man").arg(prefix), tab);
    view.ManSpin = new SpinButton(tab);
    view.ManSpin->setObjectName(QStringLiteral("sb%1Man").arg(prefix));
    view.Air = new QCheckBox(QStringLiteral("Flight"), tab);
    view.Air->setObjectName(QStringLiteral("cbx%1Air").arg(prefix));
    view.AirLabel = new QLabel(QStringLiteral("Flight"), tab);
    view.AirLabel->setObjectName(QStringLiteral("lbl%1Air").arg(prefix));

    auto *grid = new QGridLayout(tab);
    grid->setVerticalSpacing(3);
    grid->addWidget(new QLabel(QStringLiteral("Mode"), tab), 0, 0);
    grid->addWidget(view.Mode, 0, 1);
    auto *flight = new QHBoxLayout;
    flight->addWidget(view.Air);
    flight->addWidget(view.AirLabel);
    flight->addStretch();
    grid->addLayout(flight, 1, 1);
    grid->addWidget(new QLabel(maneuverCaption, tab), 2, 0);
    auto *man = new QHBoxLayout;
    man->setSpacing(1);
    man->addWidget(view.Man);
    man->addWidget(view.ManSpin);
    man->addStretch();
    grid->addLayout(man, 2, 1);

    const int c = 3; // first column of the speed block
    grid->setColumnMinimumWidth(2, 12);
    auto speedRow = [&](int row, const QString &text, QLineEdit *first, const QString &firstUnit, QLineEdit *second,
                        const QString &secondUnit) {
        grid->addWidget(new QLabel(text, tab), row, c);
        grid->addWidget(first, row, c + 1);
        grid->addWidget(new QLabel(firstUnit, tab), row, c + 2);
        grid->addWidget(second, row, c + 3);
        grid->addWidget(new QLabel(secondUnit, tab), row, c + 4);
    };
    const QString kph = QStringLiteral("KPH");
    const QString mp = QStringLiteral("MP");
    speedRow(0, QStringLiteral("Top Speed"), view.TopKph, kph, view.TopMp, mp);
    speedRow(1, QStringLiteral("Stall Speed"), view.StallMp, mp, view.StallKph, kph);
    speedRow(2, QStringLiteral("Combat Speed"), view.ComMp, mp, view.ComKph, kph);
    grid->setColumnStretch(c + 5, 1);
    return tab;
}

QWidget *MovementPages::BuildMoreTab()
{
    auto *tab = new QWidget(this);
    m_systemList = new QListWidget(tab);
    m_systemList->setObjectName(QStringLiteral("lbMov"));
    m_systemList->setMaximumHeight(96);
    m_newSystemButton = new QPushButton(QStringLiteral("New"), tab);
    m_newSystemButton->setObjectName(QStringLiteral("btnMovNew"));
    m_deleteSystemButton = new QPushButton(QStringLiteral("Delete"), tab);
    m_deleteSystemButton->setObjectName(QStringLiteral("btnMovDelete"));
    m_editSystemButton = new QPushButton(QStringLiteral("Edit"), tab);
    m_editSystemButton->setObjectName(QStringLiteral("btnMovEdit"));
    m_moveSystemSpin = new SpinButton(tab);
    m_moveSystemSpin->setObjectName(QStringLiteral("sbtnMov"));
    m_moveSystemSpin->SetList(m_systemList);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(m_newSystemButton);
    buttons->addWidget(m_deleteSystemButton);
    buttons->addWidget(m_editSystemButton);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(tab);
    layout->addWidget(m_systemList, 1);
    layout->addWidget(m_moveSystemSpin, 0, Qt::AlignVCenter);
    layout->addLayout(buttons);

    ConnectGuarded(m_newSystemButton, &QPushButton::clicked, this, [this] { NewMovementSystem(); });
    ConnectGuarded(m_deleteSystemButton, &QPushButton::clicked, this, [this] { DeleteMovementSystem(); });
    ConnectGuarded(m_editSystemButton, &QPushButton::clicked, this, [this] { EditMovementSystem(); });
    ConnectGuarded(m_systemList, &QListWidget::itemDoubleClicked, this, [this] { EditMovementSystem(); });
    ConnectGuarded(m_moveSystemSpin, &SpinButton::DownClick, this, [this] { MoveMovementSystemDown(); });
    ConnectGuarded(m_moveSystemSpin, &SpinButton::UpClick, this, [this] { MoveMovementSystemUp(); });
    return tab;
}

void MovementPages::ConnectSystem(int slot)
{
    const MovementSystemView &view = m_views[slot];
    ConnectGuarded(view.Mode, &ExitComboBox::Chosen, this, [this, slot](int item) { ChooseMode(slot, item); });
    ConnectGuarded(view.Mode, &ExitComboBox::Exited, this, [this, slot] { TakeModeName(slot); });
    view.ConnectEdits(this, [this, slot](const MovementSystemView::Edit &edit) { ChangeSystem(slot, edit); });
}

void MovementPages::LoadModeLists()
{
    for (const MovementSystemView &view : m_views)
        view.FillModes(m_host.MovementLibrary());
}

void MovementPages::ShowMovement()
{
    MovementList &list = *m_host.Document().Design().Movement;
    MovementList &library = m_host.MovementLibrary();
    NormalizeMovementSystems(list);
    const int count = list.Count();

    if (count == 0)
        m_views[0].Clear();
    else
        m_views[0].Show(list, 0, library);
    m_views[1].Mode->setEnabled(count >= 1);

    m_newSystemButton->setEnabled(count >= 2);
    if (count < 2)
        m_views[1].Clear();
    else
        m_views[1].Show(list, 1, library);

    const bool more = count >= 3;
    const int row = m_systemList->currentRow();
    m_systemList->clear();
    if (more) {
        for (int i = 2; i < count; ++i)
            m_systemList->addItem(cp1252::ToQt(list.SummaryText(i)));
        if (row >= 0 && row < m_systemList->count())
            m_systemList->setCurrentRow(row);
    }
    for (QWidget *control : {static_cast<QWidget *>(m_systemList), static_cast<QWidget *>(m_deleteSystemButton),
                             static_cast<QWidget *>(m_editSystemButton), static_cast<QWidget *>(m_moveSystemSpin)})
        control->setEnabled(more);

    m_host.ShowResults();
}

void MovementPages::ChangeSystem(int slot, const MovementSystemView::Edit &change)
{
    m_host.Document().SetModified();
    MovementList &list = *m_host.Document().Design().Movement;
    if (slot < list.Count()) {
        MovementRecord record = list.Get(slot);
        change(record);
        list.Set(slot, record);
    }
    ShowMovement();
}

void MovementPages::ChooseMode(int slot, int item)
{
    MovementList &list = *m_host.Document().Design().Movement;
    MovementList &library = m_host.MovementLibrary();
    const int mode = m_views[slot].LibraryIndex(item);
    // The list reports a choice also when the item chosen is the one already shown.
    const bool unchanged = slot < list.Count() ? m_views[slot].HoldsMode(list.Get(slot), item, library) : mode < 0;
    if (unchanged)
        return;
    if (mode >= 0 && mode < library.Count()) {
        if (list.Count() <= slot)
            list.Add(library.Get(mode));
        else
            list.Set(slot, library.Get(mode));
    } else if (mode < 0 && list.Count() > slot) {
        const QString question = slot == 0 ? QStringLiteral("Do you wish to remove the primary movement system?")
                                           : QStringLiteral("Do you wish to remove the Secondary movement system?");
        if (Dialogs().AskYesNo(window(), question) == DialogAnswer::Yes)
            list.Delete(slot);
    }
    // Only once the question is answered: the undo history records what has changed when the
    // event loop comes round, and the question's box runs one.
    m_host.Document().SetModified();
    ShowMovement();
}

void MovementPages::TakeModeName(int slot)
{
    MovementList &list = *m_host.Document().Design().Movement;
    if (slot >= list.Count() || !list.CustomMode(slot))
        return;
    const std::string name = m_views[slot].TypedModeName();
    if (name == list.ModeName(slot))
        return;
    ChangeSystem(slot, [&](MovementRecord &record) { record.ModeName = name; });
}

void MovementPages::NewMovementSystem()
{
    m_host.Document().SetModified();
    MovementList &library = m_host.MovementLibrary();
    m_host.Document().Design().Movement->Add(library.Count() > 0 ? library.Get(0) : MovementRecord{});
    m_systemList->addItem(QStringLiteral("------"));
    m_systemList->setCurrentRow(m_systemList->count() - 1);
    ShowMovement();
}

void MovementPages::DeleteMovementSystem()
{
    const int row = m_systemList->currentRow();
    if (row < 0)
        return;
    if (Dialogs().AskYesNo(window(), QStringLiteral("Do you wish to remove this movement system?")) !=
        DialogAnswer::Yes)
        return;
    m_host.Document().SetModified();
    m_host.Document().Design().Movement->Delete(row + 2);
    ShowMovement();
}

void MovementPages::EditMovementSystem()
{
    const int row = m_systemList->currentRow();
    if (row < 0)
        return;
    MovementList &list = *m_host.Document().Design().Movement;
    MovementEditorDialog editor(m_host.MovementLibrary(), list.Get(row + 2), window());
    if (Dialogs().RunModal(editor) != QDialog::Accepted)
        return;
    list.Set(row + 2, editor.Record());
    m_host.Document().SetModified();
    ShowMovement();
}

void MovementPages::MoveMovementSystemDown()
{
    const int row = m_systemList->currentRow();
    if (row < 0 || row >= m_systemList->count() - 1)
        return;
    m_host.Document().SetModified();
    m_host.Document().Design().Movement->Exchange(row + 2, row + 3);
    ShowMovement();
}

void MovementPages::MoveMovementSystemUp()
{
    const int row = m_systemList->currentRow();
    if (row <= 0)
        return;
    m_host.Document().Design().Movement->Exchange(row + 2, row + 1);
    m_host.Document().SetModified();
    ShowMovement();
}

} // namespace aw
