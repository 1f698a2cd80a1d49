#include "ui/dialogs/UserGuideWindow.h"

#include "base/Files.h"
#include "ui/NativePath.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/DialogProvider.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace aw {

namespace {

const QString kGuideName = QStringLiteral("user-guide.html");

// Beside the program first, so a build finds its own copy before an installed one.
QStringList GuideCandidates()
{
    const QDir program(FromNativePath(ProgramFolder()));
    return {program.filePath(kGuideName),
            QDir::cleanPath(program.filePath(QStringLiteral(AW_GUIDE_FOLDER_FROM_PROGRAM "/") + kGuideName))};
}

// The first candidate that exists, or an empty text.
QString UserGuidePath()
{
    for (const QString &candidate : GuideCandidates())
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}

} // namespace

void ShowUserGuide(QWidget *parent)
{
    const QString path = UserGuidePath();
    if (path.isEmpty()) {
        Dialogs().Warn(parent, QStringLiteral("The user guide was not found. It is looked for here:\n\n") +
                                   GuideCandidates().join(QLatin1Char('\n')));
        return;
    }
    UserGuideWindow viewer(path, parent);
    Dialogs().RunModal(viewer);
}

UserGuideWindow::UserGuideWindow(const QString &path, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("userGuideWindow"));
    setWindowTitle(QStringLiteral("Armorwright User Guide"));
    resize(680, 600);

    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("Guide"));
    text->setOpenExternalLinks(true);
    text->setSource(QUrl::fromLocalFile(path));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);
    FitToScreen(*this);
}

} // namespace aw
