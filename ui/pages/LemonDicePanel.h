#pragma once

#include <QWidget>

#include <functional>
#include <random>

class QLabel;
class QListWidget;
class QPushButton;
namespace aw {

class EditorHost;

// The Defects tab's lemon dice: the design's model lemon dice (`lModelDice`), the
// "Roll Lemon Dice" button and the dice of the last roll (`RollList`). Every 6 rolled
// adds a random one of the fixed defects to the design.
class LemonDicePanel : public QWidget {
    Q_OBJECT
public:
    using GeneratorSource = std::function<std::mt19937()>;

    explicit LemonDicePanel(EditorHost &host, QWidget *parent = nullptr);

    void ShowModelDice(int dice);
    // Empties the list of the last roll (another design is shown).
    void ClearRoll();
    // Each roll takes a fresh generator from source (by default seeded from the clock).
    void SetGeneratorSource(GeneratorSource source) { m_generatorSource = std::move(source); }

    void RollDice();

    QListWidget *RollList() const { return m_rollList; }

signals:
    // The roll is done; the defects grid must show the design again.
    void Rolled();

private:
    EditorHost &m_host;
    GeneratorSource m_generatorSource;
    QLabel *m_modelDice;
    QPushButton *m_roll;
    QListWidget *m_rollList;
};

} // namespace aw
