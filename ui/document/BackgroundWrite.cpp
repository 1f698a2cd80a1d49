#include "ui/document/BackgroundWrite.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace aw {

QFuture<std::exception_ptr> StartBackgroundWrite(std::function<void()> write)
{
    return QtConcurrent::run([write = std::move(write)]() -> std::exception_ptr {
        try {
            write();
        } catch (...) {
            return std::current_exception();
        }
        return nullptr;
    });
}

void WriteWhileWindowPaints(std::function<void()> write)
{
    QFutureWatcher<std::exception_ptr> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(StartBackgroundWrite(std::move(write)));
    // The finished signal is posted, so it reaches the loop even for a write done already.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (const std::exception_ptr error = watcher.result())
        std::rethrow_exception(error);
}

} // namespace aw
