#include "ui/DesktopIdentity.h"

#include "base/ProgramVersion.h"

#include <QApplication>
#include <QIcon>

namespace aw {

void SetDesktopIdentity()
{
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("armorwright"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/armorwright.png")));
}

} // namespace aw
