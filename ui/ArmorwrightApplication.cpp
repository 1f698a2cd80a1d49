#include "ui/ArmorwrightApplication.h"

#include "ui/CommandGuard.h"

#include <exception>

TArmorwrightApplication::TArmorwrightApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool TArmorwrightApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const std::exception_ptr error = std::current_exception();
        RunGuarded(activeWindow(), [error] { std::rethrow_exception(error); });
        return true;
    }
}
