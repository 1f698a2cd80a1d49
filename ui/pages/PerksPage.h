#pragma once

#include "engine/PerkTemplates.h"
#include "ui/pages/EditorPage.h"

#include <QWidget>

#include <array>

class QTabWidget;
namespace aw {

class EditorHost;
class LemonDicePanel;
class PerkTab;

// The "Perks, Flaws, and Defects" page: the tabs "Perks", "Flaws" and "Defects", each
// with its library and the design's entries; the Defects tab also rolls the lemon dice.
class PerksPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    explicit PerksPage(EditorHost &host, QWidget *parent = nullptr);

    // Opening the page shows the libraries and the active tab's grid.
    void ShowPage() override;
    // Fills the three library list boxes.
    void ShowPFDLibraries();
    // Fills the grid of the active tab (on Defects with the model lemon dice first).
    void ShowPFDGrid();

    QTabWidget *Tabs() const { return m_tabs; }
    PerkTab *Tab(PerkKind kind) const { return m_tab[static_cast<size_t>(kind)]; }
    LemonDicePanel *LemonDice() const { return m_lemonDice; }

private:
    EditorHost &m_host;
    QTabWidget *m_tabs;
    std::array<PerkTab *, 3> m_tab{};
    LemonDicePanel *m_lemonDice;
};

} // namespace aw
