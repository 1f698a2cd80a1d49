#include "ui/dialogs/DesignLibraryScanner.h"

#include "ui/CommandGuard.h"
#include "ui/NativePath.h"

#include <QtConcurrent/QtConcurrentRun>

namespace aw {

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> NativePaths(const QStringList &paths)
{
    std::vector<fs::path> native;
    for (const QString &path : paths)
        native.push_back(ToFileSystemPath(path));
    return native;
}

// The folders and every folder under them, for the watcher.
QStringList FoldersUnder(const std::vector<fs::path> &folders)
{
    QStringList found;
    for (const fs::path &folder : folders) {
        std::error_code error;
        if (!fs::is_directory(folder, error))
            continue;
        found << FromFileSystemPath(folder);
        fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error))
            if (it->is_directory(error))
                found << FromFileSystemPath(it->path());
    }
    return found;
}

} // namespace

DesignLibraryScanner::DesignLibraryScanner(QObject *parent) : QObject(parent)
{
    m_progressTimer.setInterval(100);
    ConnectGuarded(&m_progressTimer, &QTimer::timeout, this, &DesignLibraryScanner::ReportProgress);
    ConnectGuarded(&m_watcher, &QFutureWatcher<Found>::finished, this, &DesignLibraryScanner::Finish);
}

DesignLibraryScanner::~DesignLibraryScanner()
{
    m_cancel = true;
    m_watcher.waitForFinished();
}

void DesignLibraryScanner::Start(const QStringList &folders)
{
    if (Running()) {
        m_next = folders;
        m_cancel = true;
        return;
    }
    Launch(folders);
}

void DesignLibraryScanner::Cancel()
{
    m_next.reset();
    m_cancel = true;
}

DesignSummary DesignLibraryScanner::SummaryNow(const QString &file)
{
    return CachedSummary(ToFileSystemPath(file), m_cache);
}

void DesignLibraryScanner::Launch(const QStringList &folders)
{
    m_cancel = false;
    m_done = 0;
    m_total = 0;
    m_watcher.setFuture(QtConcurrent::run([this, paths = NativePaths(folders)] {
        Found found;
        const std::vector<fs::path> files = FindDesignFiles(paths);
        m_total = files.size();
        DesignScanControl control;
        control.Cancel = &m_cancel;
        control.Progress = [this](std::size_t done, std::size_t) { m_done = done; };
        found.Scan = SummarizeDesignFiles(files, m_cache, control);
        if (!found.Scan.Cancelled)
            m_cache.KeepOnly(files);
        found.Folders = FoldersUnder(paths);
        return found;
    }));
    m_progressTimer.start();
    ReportProgress();
}

void DesignLibraryScanner::Finish()
{
    m_progressTimer.stop();
    m_result = m_watcher.result();
    ReportProgress();
    emit Finished();
    if (m_next) {
        const QStringList folders = *std::move(m_next);
        m_next.reset();
        Launch(folders);
    }
}

void DesignLibraryScanner::ReportProgress()
{
    emit Progressed(static_cast<int>(m_done.load()), static_cast<int>(m_total.load()));
}

} // namespace aw
