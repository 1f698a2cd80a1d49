#include "ui/dialogs/MovementEditorDialog.h"

#include "engine/MovementList.h"
#include "engine/OpenedDesign.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/UserGuideWindow.h"
#include "ui/widgets/ExitComboBox.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/SpinButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace aw {

namespace {

constexpr int kWindowSlot = 3;

} // namespace

MovementEditorDialog::MovementEditorDialog(MovementList &library, const MovementRecord &record, QWidget *parent)
    : QDialog(parent), m_library(library), m_record(record)
{
    setObjectName(QStringLiteral("movementEditorDialog"));
    setWindowTitle(QStringLiteral("Movement Editor"));
    BuildControls();
    m_view.FillModes(m_library);
    RestoreWindowPosition(*this, kWindowSlot);
    ShowRecord();
}

void MovementEditorDialog::BuildControls()
{
    m_view.WithNone = false;
    m_view.Mode = new ExitComboBox(this);
    m_view.Mode->setObjectName(QStringLiteral("cbxPriMode"));
    m_view.Mode->setInsertPolicy(QComboBox::NoInsert);
    m_view.Mode->setMinimumWidth(130);
    m_view.TopKph = MovementSystemView::MakeBox(QStringLiteral("topKphEdit"), this);
    m_view.TopMp = MovementSystemView::MakeBox(QStringLiteral("topMpEdit"), this);
    m_view.StallMp = MovementSystemView::MakeBox(QStringLiteral("stallMpEdit"), this);
    m_view.StallKph = MovementSystemView::MakeBox(QStringLiteral("stallKphEdit"), this);
    m_view.ComMp = MovementSystemView::MakeBox(QStringLiteral("combatMpEdit"), this, true);
    m_view.ComKph = MovementSystemView::MakeBox(QStringLiteral("combatKphEdit"), this, true);
    m_view.Man = MovementSystemView::MakeBox(QStringLiteral("maneuverEdit"), this);
    m_view.ManSpin = new SpinButton(this);
    m_view.ManSpin->setObjectName(QStringLiteral("maneuverSpin"));
    m_view.Air = new QCheckBox(QStringLiteral("Flight"), this);
    m_view.Air->setObjectName(QStringLiteral("airBox"));
    m_view.AirLabel = new QLabel(QStringLiteral("Flight"), this);
    m_view.AirLabel->setObjectName(QStringLiteral("airLabel"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Mode"), this), 0, 0);
    grid->addWidget(m_view.Mode, 0, 1, 1, 4);
    auto speedRow = [&](int row, const QString &text, QLineEdit *first, const QString &firstUnit, QLineEdit *second,
                        const QString &secondUnit) {
        grid->addWidget(new QLabel(text, this), row, 0);
        grid->addWidget(first, row, 1);
        grid->addWidget(new QLabel(firstUnit, this), row, 2);
        grid->addWidget(second, row, 3);
        grid->addWidget(new QLabel(secondUnit, this), row, 4);
    };
    const QString kph = QStringLiteral("KPH");
    const QString mp = QStringLiteral("MP");
    speedRow(1, QStringLiteral("Top Speed"), m_view.TopKph, kph, m_view.TopMp, mp);
    speedRow(2, QStringLiteral("Stall Speed"), m_view.StallMp, mp, m_view.StallKph, kph);
    speedRow(3, QStringLiteral("Combat Speed"), m_view.ComMp, mp, m_view.ComKph, kph);
    grid->addWidget(new QLabel(QStringLiteral("Manuver Penalty"), this), 4, 0);
    auto *man = new QHBoxLayout;
    man->setSpacing(1);
    man->addWidget(m_view.Man);
    man->addWidget(m_view.ManSpin);
    man->addStretch();
    grid->addLayout(man, 4, 1, 1, 2);
    auto *flight = new QHBoxLayout;
    flight->addWidget(m_view.Air);
    flight->addWidget(m_view.AirLabel);
    flight->addStretch();
    grid->addLayout(flight, 4, 3, 1, 2);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto *help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);

    ConnectGuarded(m_view.Mode, &ExitComboBox::Chosen, this, [this](int item) {
        if (m_view.HoldsMode(m_record, item, m_library))
            return;
        if (item >= 0 && item < m_library.Count())
            m_record = m_library.Get(item);
        ShowRecord();
    });
    ConnectGuarded(m_view.Mode, &ExitComboBox::Exited, this, [this] { TakeModeName(); });
    m_view.ConnectEdits(this, [this](const MovementSystemView::Edit &edit) { Change(edit); });
    ConnectGuarded(ok, &QPushButton::clicked, this, [this] {
        TakeModeName(); // Return in the mode box presses OK without leaving the box
        ShowRecord();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectGuarded(help, &QPushButton::clicked, this, [this] { ShowUserGuide(this); });
}

void MovementEditorDialog::TakeModeName()
{
    if (m_record.CustomMode)
        Change([name = m_view.TypedModeName()](MovementRecord &record) { record.ModeName = name; });
}

void MovementEditorDialog::Change(const MovementSystemView::Edit &change)
{
    change(m_record);
    ShowRecord();
}

void MovementEditorDialog::ShowRecord()
{
    // The editor keeps its system as the tabs keep the primary one: speeds in order and
    // the maneuver at or below 0.
    MovementList single;
    single.Add(m_record);
    NormalizeMovementSystems(single);
    m_record = single.Get(0);
    m_view.Show(single, 0, m_library);
}

void MovementEditorDialog::done(int result)
{
    StoreWindowPosition(*this, kWindowSlot);
    QDialog::done(result);
}

} // namespace aw
