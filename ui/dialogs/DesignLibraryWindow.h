#pragma once

#include <QFileSystemWatcher>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;

namespace aw {

class DesignLibraryFilter;
class DesignLibraryModel;
class DesignLibraryScanner;

// File > Design Library: every design under the folders the user picked (kept in the
// settings), one row each, sorted and filtered, kept current while files come, change and
// go. Double-click opens a design; rows drag out as file URLs.
class DesignLibraryWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the folders from the settings and starts scanning them.
    explicit DesignLibraryWindow(QWidget *parent = nullptr);
    ~DesignLibraryWindow() override;

    const QStringList &Folders() const { return m_folders; }
    // Adds a folder (no question asked) and rescans; stored in the settings.
    void AddFolder(const QString &folder);
    void RemoveFolder(const QString &folder);
    // Scans every folder again: only files new or changed since they were last read are read.
    void Rescan();
    // The editor wrote a design file: its row is brought up to date at once.
    void DesignFileWritten(const QString &path);
    // The design files of the selected rows.
    QStringList SelectedDesigns() const;

    bool Scanning() const;
    QTableView *Table() const { return m_table; }
    DesignLibraryModel *Model() const { return m_model; }
    DesignLibraryFilter *Filter() const { return m_filter; }

signals:
    // A row was activated (double-click or Enter).
    void OpenDesignRequested(const QString &path);
    void AddToRosterRequested(const QStringList &designPaths);
    // A scan ended (finished or cancelled) and the rows show what it found.
    void ScanFinished();

private:
    void BuildControls();
    void ChooseFolder();
    void RemoveChosenFolder();
    void ShowScanResults();
    void FitColumns();
    void WidenColumns();
    void ShowProgress(int done, int total);
    void ApplyThreatValueRange();
    void ShowCount();
    void StoreFolders() const;
    bool InFolders(const QString &path) const;

    QStringList m_folders;
    DesignLibraryModel *m_model;
    DesignLibraryFilter *m_filter;
    DesignLibraryScanner *m_scanner;
    QFileSystemWatcher m_fileWatcher;
    QTimer m_rescanDelay; // a burst of file changes gives one re-scan

    QListWidget *m_folderList = nullptr;
    QLineEdit *m_textFilter = nullptr;
    QLineEdit *m_minimumTv = nullptr;
    QLineEdit *m_maximumTv = nullptr;
    QTableView *m_table = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_count = nullptr;
};

} // namespace aw
