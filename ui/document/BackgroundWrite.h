#pragma once

#include <QFuture>

#include <exception>
#include <functional>

namespace aw {

// Writing files on a worker thread, so that encoding a large design never holds the window.

// Starts write on a worker thread. The future holds what it threw, or nothing when it went through.
QFuture<std::exception_ptr> StartBackgroundWrite(std::function<void()> write);

// Runs write on a worker thread and returns once it is done, throwing what it threw. Meanwhile
// the window goes on painting and timers run, while input waits until the write is done.
void WriteWhileWindowPaints(std::function<void()> write);

} // namespace aw
