#include "ui/ApplicationTitle.h"

namespace aw {

namespace {
QString &StoredTitle()
{
    static QString title = QString::fromLatin1(kProgramTitle);
    return title;
}
} // namespace

QString ApplicationTitle() { return StoredTitle(); }

void SetApplicationTitle(const QString &title) { StoredTitle() = title; }

} // namespace aw
