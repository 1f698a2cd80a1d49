#include "ui/dialogs/DesignLibraryWindow.h"

#include "ui/CommandGuard.h"
#include "ui/NativePath.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/DesignLibraryFilter.h"
#include "ui/dialogs/DesignLibraryModel.h"
#include "ui/dialogs/DesignLibraryScanner.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/widgets/TypedNumber.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTableView>
#include <QVBoxLayout>

namespace aw {

namespace {

const QString kFoldersKey = QStringLiteral("designLibraryFolders");

QString CleanFolder(const QString &folder) { return QDir::cleanPath(QDir(folder).absolutePath()); }

// Long names, currencies and movement lists are cut to this, not given the whole window.
int WidestColumn(const QFontMetrics &metrics) { return metrics.averageCharWidth() * 32; }

// A TV bound typed in a box: none when empty or not a number; `valid` tells which.
std::optional<double> ThreatValueBound(const QLineEdit &box, bool &valid)
{
    const QString text = box.text().trimmed();
    double value = 0;
    valid = text.isEmpty() || ParseTypedReal(text, value);
    return text.isEmpty() || !valid ? std::nullopt : std::optional<double>(value);
}

} // namespace

DesignLibraryWindow::DesignLibraryWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_model(new DesignLibraryModel(this)), m_filter(new DesignLibraryFilter(this)),
      m_scanner(new DesignLibraryScanner(this))
{
    setObjectName(QStringLiteral("designLibraryWindow"));
    setWindowTitle(QStringLiteral("Design Library"));
    m_filter->setSourceModel(m_model);
    BuildControls();
    m_rescanDelay.setSingleShot(true);
    m_rescanDelay.setInterval(300);
    ConnectGuarded(&m_rescanDelay, &QTimer::timeout, this, &DesignLibraryWindow::Rescan);
    connect(&m_fileWatcher, &QFileSystemWatcher::directoryChanged, &m_rescanDelay, qOverload<>(&QTimer::start));
    connect(&m_fileWatcher, &QFileSystemWatcher::fileChanged, &m_rescanDelay, qOverload<>(&QTimer::start));
    ConnectGuarded(m_scanner, &DesignLibraryScanner::Progressed, this, &DesignLibraryWindow::ShowProgress);
    ConnectGuarded(m_scanner, &DesignLibraryScanner::Finished, this, &DesignLibraryWindow::ShowScanResults);
    for (const QString &folder : QSettings().value(kFoldersKey).toStringList())
        if (!folder.isEmpty() && !m_folders.contains(folder))
            m_folders << folder;
    m_folderList->addItems(m_folders);
    resize(fontMetrics().averageCharWidth() * 160, fontMetrics().height() * 36);
    FitToScreen(*this);
    Rescan();
}

DesignLibraryWindow::~DesignLibraryWindow() = default;

void DesignLibraryWindow::BuildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *folderRow = new QHBoxLayout;
    m_folderList = new QListWidget;
    m_folderList->setObjectName(QStringLiteral("libraryFolderList"));
    m_folderList->setMaximumHeight(fontMetrics().height() * 5);
    folderRow->addWidget(m_folderList, 1);
    auto *folderButtons = new QVBoxLayout;
    auto button = [this](const QString &caption, const char *name, QBoxLayout *into) {
        auto *made = new QPushButton(caption);
        made->setObjectName(QString::fromLatin1(name));
        into->addWidget(made);
        return made;
    };
    ConnectGuarded(button(QStringLiteral("Add Folder\u2026"), "addFolderButton", folderButtons), &QPushButton::clicked,
                   this, &DesignLibraryWindow::ChooseFolder);
    ConnectGuarded(button(QStringLiteral("Remove Folder"), "removeFolderButton", folderButtons), &QPushButton::clicked,
                   this, &DesignLibraryWindow::RemoveChosenFolder);
    ConnectGuarded(button(QStringLiteral("Rescan"), "rescanButton", folderButtons), &QPushButton::clicked, this,
                   &DesignLibraryWindow::Rescan);
    folderButtons->addStretch();
    folderRow->addLayout(folderButtons);
    layout->addLayout(folderRow);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("Filter:")));
    m_textFilter = new QLineEdit;
    m_textFilter->setObjectName(QStringLiteral("libraryTextFilter"));
    m_textFilter->setPlaceholderText(QStringLiteral("Name, vehicle type or file"));
    m_textFilter->setClearButtonEnabled(true);
    filterRow->addWidget(m_textFilter, 1);
    filterRow->addWidget(new QLabel(QStringLiteral("TV from")));
    m_minimumTv = new QLineEdit;
    m_minimumTv->setObjectName(QStringLiteral("minimumTvEdit"));
    filterRow->addWidget(m_minimumTv);
    filterRow->addWidget(new QLabel(QStringLiteral("to")));
    m_maximumTv = new QLineEdit;
    m_maximumTv->setObjectName(QStringLiteral("maximumTvEdit"));
    filterRow->addWidget(m_maximumTv);
    for (QLineEdit *box : {m_minimumTv, m_maximumTv}) {
        box->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
        ConnectGuarded(box, &QLineEdit::textChanged, this, &DesignLibraryWindow::ApplyThreatValueRange);
    }
    ConnectGuarded(m_textFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filter->SetText(text);
        ShowCount();
    });
    layout->addLayout(filterRow);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("libraryTable"));
    m_table->setModel(m_filter);
    // Tab moves on to the next control, as from every other box, not from cell to cell.
    m_table->setTabKeyNavigation(false);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(DesignLibraryModel::NameColumn, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setDragEnabled(true);
    m_table->setDragDropMode(QAbstractItemView::DragOnly);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setResizeContentsPrecision(200);
    ConnectGuarded(m_table, &QTableView::activated, this, [this](const QModelIndex &index) {
        emit OpenDesignRequested(index.data(DesignLibraryModel::FileRole).toString());
    });
    layout->addWidget(m_table, 1);

    auto *statusRow = new QHBoxLayout;
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("scanProgress"));
    m_progress->setFormat(QStringLiteral("%v of %m"));
    statusRow->addWidget(m_progress);
    m_cancel = button(QStringLiteral("Cancel"), "cancelScanButton", statusRow);
    ConnectGuarded(m_cancel, &QPushButton::clicked, m_scanner, &DesignLibraryScanner::Cancel);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("designCountLabel"));
    statusRow->addWidget(m_count, 1);
    ConnectGuarded(button(QStringLiteral("Add to Roster"), "addToRosterButton", statusRow), &QPushButton::clicked, this,
                   [this] {
                       const QStringList designs = SelectedDesigns();
                       if (!designs.isEmpty())
                           emit AddToRosterRequested(designs);
                   });
    layout->addLayout(statusRow);
    m_progress->hide();
    m_cancel->hide();
}

void DesignLibraryWindow::AddFolder(const QString &folder)
{
    const QString clean = CleanFolder(folder);
    if (m_folders.contains(clean))
        return;
    m_folders << clean;
    m_folderList->addItem(clean);
    StoreFolders();
    Rescan();
}

void DesignLibraryWindow::RemoveFolder(const QString &folder)
{
    const int at = m_folders.indexOf(folder);
    if (at < 0)
        return;
    m_folders.removeAt(at);
    delete m_folderList->takeItem(at);
    StoreFolders();
    Rescan();
}

void DesignLibraryWindow::ChooseFolder()
{
    const QString folder = Dialogs().FolderName(this, QStringLiteral("Add Folder to the Design Library"));
    if (!folder.isEmpty())
        AddFolder(folder);
}

void DesignLibraryWindow::RemoveChosenFolder()
{
    if (const QListWidgetItem *item = m_folderList->currentItem())
        RemoveFolder(item->text());
}

void DesignLibraryWindow::Rescan()
{
    m_rescanDelay.stop();
    if (m_folders.isEmpty()) {
        m_scanner->Cancel();
        m_model->Clear();
        ShowCount();
        return;
    }
    m_scanner->Start(m_folders);
    m_progress->show();
    m_cancel->show();
}

void DesignLibraryWindow::DesignFileWritten(const QString &path)
{
    if (!InFolders(path))
        return;
    m_model->Update(m_scanner->SummaryNow(path));
    m_fileWatcher.addPath(path);
    ShowCount();
}

QStringList DesignLibraryWindow::SelectedDesigns() const
{
    QStringList designs;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        designs << index.data(DesignLibraryModel::FileRole).toString();
    return designs;
}

bool DesignLibraryWindow::Scanning() const { return m_scanner->Running(); }

void DesignLibraryWindow::ShowScanResults()
{
    DesignLibraryScanner::Found found = m_scanner->TakeResult();
    const bool complete = !found.Scan.Cancelled;
    // A folder removed while the scan ran has no rows.
    std::erase_if(found.Scan.Summaries,
                  [this](const DesignSummary &summary) { return !InFolders(FromFileSystemPath(summary.File)); });
    QStringList watched = found.Folders;
    for (const DesignSummary &summary : found.Scan.Summaries)
        watched << FromFileSystemPath(summary.File);
    const bool firstRows = m_model->rowCount() == 0;
    m_model->Merge(std::move(found.Scan.Summaries), complete);
    if (firstRows && m_model->rowCount() > 0)
        FitColumns();
    else if (complete)
        WidenColumns();
    if (complete) {
        // Watch what is there now: folders and files that went are let go.
        const QSet<QString> now(watched.begin(), watched.end());
        QStringList gone;
        for (const QStringList &list : {m_fileWatcher.directories(), m_fileWatcher.files()})
            for (const QString &path : list)
                if (!now.contains(path))
                    gone << path;
        if (!gone.isEmpty())
            m_fileWatcher.removePaths(gone);
        if (!watched.isEmpty())
            m_fileWatcher.addPaths(watched);
    }
    if (!m_scanner->Running()) {
        m_progress->hide();
        m_cancel->hide();
    }
    ShowCount();
    emit ScanFinished();
}

void DesignLibraryWindow::FitColumns()
{
    m_table->resizeColumnsToContents();
    const int widest = WidestColumn(fontMetrics());
    for (int column = 0; column < DesignLibraryModel::ColumnCount; ++column)
        m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), widest));
    // The rows measured may all be unnamed.
    const int name = fontMetrics().averageCharWidth() * 20;
    m_table->setColumnWidth(DesignLibraryModel::NameColumn,
                            std::max(m_table->columnWidth(DesignLibraryModel::NameColumn), name));
}

void DesignLibraryWindow::WidenColumns()
{
    // Rows added later (another folder) may hold wider figures; a width the user chose stays
    // where it is wide enough.
    const int widest = WidestColumn(fontMetrics());
    for (int column = 0; column < DesignLibraryModel::ColumnCount; ++column) {
        const int wanted =
            std::min(widest, std::max(m_table->horizontalHeader()->sectionSizeHint(column),
                                      static_cast<QAbstractItemView *>(m_table)->sizeHintForColumn(column)));
        if (m_table->columnWidth(column) < wanted)
            m_table->setColumnWidth(column, wanted);
    }
}

void DesignLibraryWindow::ShowProgress(int done, int total)
{
    // Busy until the files are found and counted.
    m_progress->setMaximum(total);
    m_progress->setValue(done);
}

void DesignLibraryWindow::ApplyThreatValueRange()
{
    bool minimumValid = true, maximumValid = true;
    const std::optional<double> minimum = ThreatValueBound(*m_minimumTv, minimumValid);
    const std::optional<double> maximum = ThreatValueBound(*m_maximumTv, maximumValid);
    // A bound that is not a number is shown in red and left out.
    m_minimumTv->setStyleSheet(minimumValid ? QString() : QStringLiteral("color: #b00000"));
    m_maximumTv->setStyleSheet(maximumValid ? QString() : QStringLiteral("color: #b00000"));
    m_filter->SetThreatValueRange(minimum, maximum);
    ShowCount();
}

void DesignLibraryWindow::ShowCount()
{
    const int all = m_model->rowCount();
    const int shown = m_filter->rowCount();
    if (m_folders.isEmpty()) {
        m_count->setText(QStringLiteral("Add a folder to list the designs in it."));
        return;
    }
    m_count->setText(shown == all ? QStringLiteral("%1 designs").arg(all)
                                  : QStringLiteral("%1 of %2 designs").arg(shown).arg(all));
}

void DesignLibraryWindow::StoreFolders() const { QSettings().setValue(kFoldersKey, m_folders); }

bool DesignLibraryWindow::InFolders(const QString &path) const
{
    const QString file = CleanFolder(path);
    // The folder itself counts: one that cannot be read is a row saying why.
    for (const QString &folder : m_folders)
        if (file == CleanFolder(folder) || file.startsWith(CleanFolder(folder) + QLatin1Char('/')))
            return true;
    return false;
}

} // namespace aw
