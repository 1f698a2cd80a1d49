#include "ui/pages/PerksPage.h"

#include "engine/SizeAndCost.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/pages/EditorHost.h"
#include "ui/pages/LemonDicePanel.h"
#include "ui/pages/LibraryFilter.h"
#include "ui/pages/PerkTab.h"
#include "ui/document/VehicleDocument.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
struct TTabSheet {
    TPerkKind kind;
    const char *name;
    const char *caption;
};
const TTabSheet kSheets[] = {
    {TPerkKind::Perk, "tsP", "Perks"},
    {TPerkKind::Flaw, "tsF", "Flaws"},
    {TPerkKind::Defect, "tsD", "Defects"},
};
} // namespace

TPerksPage::TPerksPage(TEditorHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_tabs(new QTabWidget(this))
    , m_lemonDice(new TLemonDicePanel(host))
{
    m_tabs->setObjectName(QStringLiteral("perkTabs"));
    for (const TTabSheet &sheet : kSheets) {
        auto *tab = new TPerkTab(host, sheet.kind, m_tabs);
        tab->setObjectName(QString::fromLatin1(sheet.name));
        m_tab[static_cast<size_t>(sheet.kind)] = tab;
        m_tabs->addTab(tab, QString::fromLatin1(sheet.caption));
    }
    Tab(TPerkKind::Defect)->AddBelowButtons(m_lemonDice);

    // One filter box narrows the three library lists.
    auto *filter = new TLibraryFilter(QStringLiteral("Filter libraries"), this);
    filter->Edit()->setPlaceholderText(QStringLiteral("Name"));
    for (TPerkTab *tab : m_tab)
        filter->AddList(tab->LibraryBox());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filter);
    layout->addWidget(m_tabs);

    ConnectGuarded(m_tabs, &QTabWidget::currentChanged, this, [this] { ShowPFDGrid(); });
    ConnectGuarded(m_lemonDice, &TLemonDicePanel::rolled, this, [this] { ShowPFDGrid(); });
}

void TPerksPage::ShowPage()
{
    ShowPFDLibraries();
    ShowPFDGrid();
}

void TPerksPage::ShowPFDLibraries()
{
    for (TPerkTab *tab : m_tab)
        tab->ShowLibrary();
}

void TPerksPage::ShowPFDGrid()
{
    auto *tab = static_cast<TPerkTab *>(m_tabs->currentWidget());
    if (!tab)
        return;
    if (tab->Kind() == TPerkKind::Defect)
        m_lemonDice->ShowModelDice(ModelLemonDice(m_host.Document().Vehicle()));
    tab->ShowGrid();
}
