#pragma once

#include <memory>

class QGuiApplication;

namespace aw {

// Drawing the sheet needs fonts, and fonts need a QGuiApplication. The editor has one; a
// command-line tool, a test or a benchmark makes one with this object for as long as it
// lives. When no platform is chosen in QT_QPA_PLATFORM the window-less "offscreen" platform
// is used. Does nothing when an application object already exists.
class SheetRenderContext {
public:
    SheetRenderContext();
    ~SheetRenderContext();
    SheetRenderContext(const SheetRenderContext &) = delete;
    SheetRenderContext &operator=(const SheetRenderContext &) = delete;

private:
    std::unique_ptr<QGuiApplication> m_application;
};

// Makes one render context that lives to the end of the process, for tools, tests and
// benchmarks without an application object of their own. It is kept in a global, so the
// leak checker of a sanitizer build sees it as kept rather than lost.
void KeepSheetRenderContext();

} // namespace aw
