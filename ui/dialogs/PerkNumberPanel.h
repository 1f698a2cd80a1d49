#pragma once

#include <QFrame>

class QLabel;
namespace aw {

class ExitEdit;
class SpinButton;

// One number of the perk editor: its caption, an edit box that commits when left and a
// spin button. It holds no value: `typed` hands over the text when the box is left,
// `stepped` reports +1 or -1 from the spin button.
class PerkNumberPanel : public QFrame {
    Q_OBJECT
public:
    PerkNumberPanel(const QString &panelName, const QString &editName, const QString &spinName,
                    QWidget *parent = nullptr);

    void SetCaption(const QString &caption);
    // Shows text in the box (not a user change).
    void SetValueText(const QString &text);

    QLabel *Caption() const { return m_caption; }
    ExitEdit *Edit() const { return m_edit; }
    SpinButton *Spin() const { return m_spin; }

signals:
    void Typed(const QString &text);
    void Stepped(int delta);

private:
    QLabel *m_caption;
    ExitEdit *m_edit;
    SpinButton *m_spin;
};

} // namespace aw
