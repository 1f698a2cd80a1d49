#include "ui/pages/LemonDicePanel.h"

#include "engine/LemonDiceRoll.h"
#include "engine/PerkList.h"
#include "engine/SizeAndCost.h"
#include "engine/Vehicle.h"
#include "storage/Libraries.h"
#include "ui/CommandGuard.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace aw {

LemonDicePanel::LemonDicePanel(EditorHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), m_generatorSource(ClockSeededGenerator), m_modelDice(new QLabel(this)),
      m_roll(new QPushButton(QStringLiteral("Roll Lemon Dice"), this)), m_rollList(new QListWidget(this))
{
    m_modelDice->setObjectName(QStringLiteral("lModelDice"));
    QFont bold = m_modelDice->font();
    bold.setBold(true);
    m_modelDice->setFont(bold);
    m_roll->setObjectName(QStringLiteral("rollDiceButton"));
    m_rollList->setObjectName(QStringLiteral("RollList"));
    // Two columns of dice, filled column by column.
    m_rollList->setFlow(QListView::TopToBottom);
    m_rollList->setWrapping(true);
    m_rollList->setResizeMode(QListView::Adjust);
    m_rollList->setGridSize(QSize(52, m_rollList->fontMetrics().height() + 2));
    m_rollList->setMinimumHeight(80);

    auto *caption = new QLabel(QStringLiteral("Model Lemon Dice"), this);
    caption->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(m_modelDice);
    layout->addWidget(m_roll);
    layout->addWidget(m_rollList, 1);

    // Wide enough for the button's caption.
    setMinimumWidth(m_roll->sizeHint().width());

    ConnectGuarded(m_roll, &QPushButton::clicked, this, [this] { RollDice(); });
}

void LemonDicePanel::ShowModelDice(int dice) { m_modelDice->setText(QString::number(dice)); }

void LemonDicePanel::ClearRoll() { m_rollList->clear(); }

void LemonDicePanel::RollDice()
{
    std::mt19937 generator = m_generatorSource();
    m_rollList->clear();
    m_host.Document().SetModified();
    Vehicle &vehicle = m_host.Document().Design();
    const int32_t dice = ModelLemonDice(vehicle);
    if (dice > kMostLemonDice) {
        Dialogs().ShowError(this, QStringLiteral("%1 lemon dice are too many to roll; at most %2 are rolled at once.")
                                      .arg(dice)
                                      .arg(kMostLemonDice));
        emit Rolled();
        return;
    }
    const PerkList &defects = SharedLibraries().Defects;
    const LemonDiceRoll roll = RollLemonDice(dice, defects.Count(), generator);
    for (int value : roll.Dice)
        m_rollList->addItem(QString::number(value));
    for (int index : roll.DefectIndexes)
        vehicle.Defects->Add(defects.Get(index));
    emit Rolled();
}

} // namespace aw
