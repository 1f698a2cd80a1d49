#pragma once

#include "storage/DesignScan.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <atomic>
#include <optional>

namespace aw {

// Scans folders of designs off the UI thread, all cores at work, through one cache kept for
// the window's life, so a re-scan reads only the files that changed.
class DesignLibraryScanner : public QObject {
    Q_OBJECT
public:
    // What one scan found: the summaries and every folder under the scanned ones.
    struct Found {
        DesignScanResult Scan;
        QStringList Folders;
    };

    explicit DesignLibraryScanner(QObject *parent = nullptr);
    // Stops a scan under way and waits for the files being read.
    ~DesignLibraryScanner() override;

    // Scans the folders; while a scan runs, it is stopped and this one follows.
    void Start(const QStringList &folders);
    void Cancel();
    bool Running() const { return m_watcher.isRunning(); }
    // The result of the scan that just finished, once, in the `finished` signal.
    Found TakeResult() { return std::move(m_result); }
    // The summary of one file now, on this thread, through the same cache.
    DesignSummary SummaryNow(const QString &file);

signals:
    void Progressed(int done, int total);
    void Finished();

private:
    void Launch(const QStringList &folders);
    void Finish();
    void ReportProgress();

    DesignSummaryCache m_cache;
    QFutureWatcher<Found> m_watcher;
    QTimer m_progressTimer;
    std::atomic<bool> m_cancel = false;
    std::atomic<std::size_t> m_done = 0;
    std::atomic<std::size_t> m_total = 0;
    std::optional<QStringList> m_next; // folders to scan once the running scan has stopped
    Found m_result;
};

} // namespace aw
