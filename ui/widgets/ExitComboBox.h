#pragma once

#include <QComboBox>

class QLineEdit;
namespace aw {

// A combo box that reports when the user leaves it (focus moves to another control), also
// while it is editable (its edit line passes the focus to the box). Opening its own list or a menu,
// or switching windows, does not count as leaving.
class ExitComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ExitComboBox(QWidget *parent = nullptr);

    // Makes line the box's edit line (the box takes it over).
    void SetEditLine(QLineEdit *line);

signals:
    void Exited();
    // An item chosen from the list (its drop-down or the arrow keys). Unlike activated, not
    // reported when typing in the edit line ends on an item's text: what was typed stays text.
    void Chosen(int item);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ReportLeave(Qt::FocusReason reason);

    bool m_typingEnds = false; // the edit line reports the end of typing
};

} // namespace aw
