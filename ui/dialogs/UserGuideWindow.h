#pragma once

#include <QDialog>
#include <QString>

namespace aw {

// Help > Contents and the Help button of the movement editor: shows the user guide shipped
// with the program ("user-guide.html", beside the executable in a build, in the
// documentation folder once installed) in a read-only viewer, or says where it was looked for.
void ShowUserGuide(QWidget *parent);

// The viewer: the guide's pages with their links, and an OK button.
class UserGuideWindow : public QDialog {
    Q_OBJECT
public:
    UserGuideWindow(const QString &path, QWidget *parent = nullptr);
};

} // namespace aw
