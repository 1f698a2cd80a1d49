#pragma once

#include <QDialog>

namespace aw {

// The About box: the program's emblem and banner on the left, the credits on the right.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace aw
