#pragma once

#include <QString>
#include <QStringList>

namespace aw {

// What the editor's command line asks for: [--help] [--version] [design.vkd [NEW]].
struct StartupOptions {
    enum class Request { Run, Help, Version, UsageError };
    Request Request = Request::Run;
    // The help or version text, or the usage error, ready to print.
    QString Message;
    // The design to open; empty for a new design.
    QString DesignFile;
    // "NEW" after the design (any case): it opens as an unsaved copy, as Create Variant! starts it.
    bool AsUnsavedCopy = false;
    // Further designs named (a file manager may pass several): one window holds one design.
    QStringList IgnoredFiles;
    // A hidden option for start-up timing: the program ends once its window has been painted.
    bool QuitAfterShow = false;
};

// Reads the arguments, the program's own name first. --help and --version win over every
// other argument and over an unknown option, so they can be answered before Qt has taken
// out its own options (-platform, -style, ...).
StartupOptions ReadStartupOptions(const QStringList &arguments);

} // namespace aw
