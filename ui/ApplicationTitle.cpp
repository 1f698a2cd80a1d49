#include "ui/ApplicationTitle.h"

namespace aw {

namespace {
QString &storedTitle()
{
    static QString title = QString::fromLatin1(kProgramTitle);
    return title;
}
} // namespace

QString ApplicationTitle() { return storedTitle(); }

void SetApplicationTitle(const QString &title) { storedTitle() = title; }

} // namespace aw
