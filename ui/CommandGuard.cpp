#include "ui/CommandGuard.h"

#include "base/ArmorwrightError.h"
#include "ui/dialogs/DialogProvider.h"

#include <exception>
#include <new>

namespace aw {

bool RunGuarded(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const std::bad_alloc &) {
        Dialogs().ShowError(parent, QStringLiteral("Out of memory."));
    } catch (const std::exception &error) {
        Dialogs().ShowError(parent, QString::fromStdString(ErrorUtf8(error)));
    } catch (...) {
        Dialogs().ShowError(parent, QStringLiteral("An unexpected error stopped the command."));
    }
    return false;
}

} // namespace aw
