#pragma once

#include <QComboBox>

namespace aw {

// A combo box that reports when the user leaves it (focus moves to another control), also
// while it is editable (its edit line passes the focus to the box). Opening its own list or a menu,
// or switching windows, does not count as leaving.
class ExitComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ExitComboBox(QWidget *parent = nullptr);

signals:
    void Exited();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void ReportLeave(Qt::FocusReason reason);
};

} // namespace aw
