#pragma once

#include <QLineEdit>

namespace aw {

// An edit line that shows the start of each text the program puts in it while the user is
// not in it. setText leaves the cursor after the last character, so a text wider than the
// box would show only its end ("483647" for 2147483647). The user's own edits keep the
// cursor where they leave it. A text the user changed counts as modified until the program
// shows another, also when a validator has reworked it.
class StartShownEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit StartShownEdit(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    int m_eventDepth = 0;
};

} // namespace aw
