#include "ui/pages/PerksPage.h"

#include "engine/SizeAndCost.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"
#include "ui/pages/LemonDicePanel.h"
#include "ui/pages/LibraryFilter.h"
#include "ui/pages/PerkTab.h"
#include "ui/widgets/PageScrollArea.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace aw {

namespace {
struct TabSheet {
    PerkKind Kind;
    const char *Name;
    const char *Caption;
};
const TabSheet kSheets[] = {
    {PerkKind::Perk, "tsP", "Perks"},
    {PerkKind::Flaw, "tsF", "Flaws"},
    {PerkKind::Defect, "tsD", "Defects"},
};
} // namespace

PerksPage::PerksPage(EditorHost &host, QWidget *parent)
    : QWidget(parent), m_host(host), m_tabs(new QTabWidget(this)), m_lemonDice(new LemonDicePanel(host))
{
    m_tabs->setObjectName(QStringLiteral("perkTabs"));
    for (const TabSheet &sheet : kSheets) {
        auto *tab = new PerkTab(host, sheet.Kind, m_tabs);
        tab->setObjectName(QString::fromLatin1(sheet.Name));
        m_tab[static_cast<size_t>(sheet.Kind)] = tab;
        m_tabs->addTab(tab, QString::fromLatin1(sheet.Caption));
    }
    Tab(PerkKind::Defect)->AddBelowButtons(m_lemonDice);

    // One filter box narrows the three library lists.
    auto *filter = new LibraryFilter(QStringLiteral("Filter libraries"), this);
    filter->Edit()->setPlaceholderText(QStringLiteral("Name"));
    for (PerkTab *tab : m_tab)
        filter->AddList(tab->LibraryBox());

    // The Defects tab's buttons and dice are taller than a small window: the body scrolls.
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filter);
    layout->addWidget(m_tabs);
    new PageScrollArea(body, *this);

    ConnectGuarded(m_tabs, &QTabWidget::currentChanged, this, [this] { ShowPFDGrid(); });
    ConnectGuarded(m_lemonDice, &LemonDicePanel::Rolled, this, [this] { ShowPFDGrid(); });
    // The dice of the last roll belong to the design they were rolled for.
    ConnectGuarded(&host.Document(), &VehicleDocument::DesignReplaced, m_lemonDice, &LemonDicePanel::ClearRoll);
}

void PerksPage::ShowPage()
{
    ShowPFDLibraries();
    ShowPFDGrid();
}

void PerksPage::ShowPFDLibraries()
{
    for (PerkTab *tab : m_tab)
        tab->ShowLibrary();
}

void PerksPage::ShowPFDGrid()
{
    auto *tab = static_cast<PerkTab *>(m_tabs->currentWidget());
    if (!tab)
        return;
    if (tab->Kind() == PerkKind::Defect)
        m_lemonDice->ShowModelDice(ModelLemonDice(m_host.Document().Design()));
    tab->ShowGrid();
}

} // namespace aw
