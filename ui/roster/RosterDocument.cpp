#include "ui/roster/RosterDocument.h"

#include "base/Utf8Path.h"
#include "storage/DesignSummary.h"
#include "storage/RosterFile.h"
#include "ui/CommandGuard.h"
#include "ui/NativePath.h"
#include "ui/document/FileStamp.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QUndoStack>

#include <algorithm>
#include <utility>

namespace aw {

// One roster edit: the roster before and after it.
class RosterEdit : public QUndoCommand {
public:
    RosterEdit(RosterDocument &document, Roster before, Roster after, const QString &text)
        : QUndoCommand(text), m_document(document), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void undo() override { m_document.Replace(m_before); }
    void redo() override { m_document.Replace(m_after); }

private:
    RosterDocument &m_document;
    Roster m_before;
    Roster m_after;
};

RosterDocument::RosterDocument(QObject *parent)
    : QObject(parent), m_undo(new QUndoStack(this)), m_watcher(new QFileSystemWatcher(this))
{
    connect(m_undo, &QUndoStack::cleanChanged, this, [this](bool clean) { emit ModifiedChanged(!clean); });
    // A design saved by replacing its file (the atomic write) leaves the watch; it is set again.
    ConnectGuarded(m_watcher, &QFileSystemWatcher::fileChanged, this, &RosterDocument::RefreshDesign);
    ConnectGuarded(m_watcher, &QFileSystemWatcher::directoryChanged, this, &RosterDocument::RefreshDesignsIn);
}

bool RosterDocument::Modified() const { return !m_undo->isClean(); }

bool RosterDocument::FileChangedElsewhere() const { return FileStamp::ChangedSince(m_fileName, m_fileStamp); }

void RosterDocument::Open(const QString &path)
{
    Roster roster = ReadRosterFile(ToNativePath(path));
    m_undo->clear();
    m_fileName = path;
    m_fileStamp = FileStamp::Of(path);
    m_summaries.clear();
    Replace(std::move(roster));
    emit ModifiedChanged(false);
}

void RosterDocument::SaveTo(const QString &path)
{
    WriteRosterFile(m_roster, ToNativePath(path));
    m_fileName = path;
    m_fileStamp = FileStamp::Of(path);
    m_undo->setClean();
    emit Changed();
}

void RosterDocument::AddDesigns(const QStringList &paths)
{
    Roster after = m_roster;
    for (const QString &path : paths)
        after.Entries.push_back({ToNativePath(path), 1, {}});
    Apply(std::move(after),
          paths.size() == 1 ? QStringLiteral("Add Design") : QStringLiteral("Add %1 Designs").arg(paths.size()));
}

void RosterDocument::RemoveEntry(int row)
{
    if (row < 0 || row >= static_cast<int>(m_roster.Entries.size()))
        return;
    Roster after = m_roster;
    after.Entries.erase(after.Entries.begin() + row);
    Apply(std::move(after), QStringLiteral("Remove Entry"));
}

void RosterDocument::MoveEntry(int row, int to)
{
    const int count = static_cast<int>(m_roster.Entries.size());
    if (row < 0 || row >= count || to < 0 || to >= count)
        return;
    Roster after = m_roster;
    const auto entries = after.Entries.begin();
    if (row < to)
        std::rotate(entries + row, entries + row + 1, entries + to + 1);
    else
        std::rotate(entries + to, entries + row, entries + row + 1);
    Apply(std::move(after), QStringLiteral("Move Entry"));
}

void RosterDocument::SetQuantity(int row, int quantity)
{
    if (row < 0 || row >= static_cast<int>(m_roster.Entries.size()))
        return;
    Roster after = m_roster;
    after.Entries[static_cast<size_t>(row)].Quantity = std::clamp(quantity, 1, kMaxRosterQuantity);
    Apply(std::move(after), QStringLiteral("Quantity Change"));
}

void RosterDocument::SetNote(int row, const QString &note)
{
    if (row < 0 || row >= static_cast<int>(m_roster.Entries.size()))
        return;
    Roster after = m_roster;
    after.Entries[static_cast<size_t>(row)].Note = note.toStdString();
    Apply(std::move(after), QStringLiteral("Note Change"));
}

void RosterDocument::SetName(const QString &name)
{
    Roster after = m_roster;
    after.Name = name.toStdString();
    Apply(std::move(after), QStringLiteral("Name Change"));
}

void RosterDocument::SetBudget(std::optional<double> budget)
{
    Roster after = m_roster;
    after.Budget = budget;
    Apply(std::move(after), QStringLiteral("Budget Change"));
}

void RosterDocument::RefreshDesign(const QString &path)
{
    const std::string design = ToNativePath(path);
    if (m_summaries.erase(design) == 0)
        return;
    // A file replaced by an atomic write leaves its watch on the old file: it is set afresh.
    if (m_watcher->files().contains(path))
        m_watcher->removePath(path);
    WatchDesigns();
    Reevaluate();
}

void RosterDocument::RefreshDesignsIn(const QString &folder)
{
    // Every design below the folder is looked at, not only the missing ones: the event may be
    // the only word of a watched design that was replaced.
    bool changed = false;
    for (const RosterEntry &entry : m_roster.Entries) {
        const auto found = m_summaries.find(entry.Design);
        const bool below = folder.isEmpty() || FromNativePath(entry.Design).startsWith(folder + QLatin1Char('/'));
        if (found != m_summaries.end() && below && FileChangedSince(found->second)) {
            m_summaries.erase(found);
            changed = true;
        }
    }
    // A folder on the way to a missing file may have appeared: the watch moves down to it.
    WatchDesigns();
    if (changed)
        Reevaluate();
}

void RosterDocument::Apply(Roster after, const QString &text)
{
    if (after == m_roster)
        return;
    m_undo->push(new RosterEdit(*this, m_roster, std::move(after), text));
}

void RosterDocument::Replace(Roster roster)
{
    m_roster = std::move(roster);
    WatchDesigns();
    Reevaluate();
}

void RosterDocument::Reevaluate()
{
    std::vector<DesignSummary> summaries;
    for (const RosterEntry &entry : m_roster.Entries)
        summaries.push_back(SummaryOf(entry.Design));
    m_evaluation = EvaluateRoster(m_roster, std::move(summaries));
    emit Changed();
}

void RosterDocument::WatchDesigns()
{
    // Only the watches that change are removed or added: a watch set again loses the events
    // already on their way for it.
    QStringList designs;
    for (const RosterEntry &entry : m_roster.Entries)
        if (!designs.contains(FromNativePath(entry.Design)))
            designs << FromNativePath(entry.Design);
    const QStringList watchedFiles = m_watcher->files();
    QStringList unwatched;
    for (const QString &file : watchedFiles)
        if (!designs.contains(file))
            unwatched << file;
    QStringList toWatch;
    for (const QString &design : designs)
        if (!watchedFiles.contains(design))
            toWatch << design;
    // A missing file cannot be watched; its folder is (or the nearest folder above it that is
    // there), so that the file is read once it appears.
    QStringList folders;
    for (const QString &missing : toWatch.isEmpty() ? QStringList() : m_watcher->addPaths(toWatch)) {
        QString folder = QFileInfo(missing).absolutePath();
        while (!QFileInfo(folder).isDir() && QFileInfo(folder).absolutePath() != folder)
            folder = QFileInfo(folder).absolutePath();
        if (!folders.contains(folder))
            folders << folder;
    }
    for (const QString &folder : m_watcher->directories())
        if (!folders.removeOne(folder))
            unwatched << folder;
    if (!unwatched.isEmpty())
        m_watcher->removePaths(unwatched);
    if (!folders.isEmpty())
        m_watcher->addPaths(folders);
}

const DesignSummary &RosterDocument::SummaryOf(const std::string &path)
{
    auto found = m_summaries.find(path);
    if (found == m_summaries.end())
        found = m_summaries.emplace(path, SummarizeDesignFile(PathFromUtf8(path))).first;
    return found->second;
}

} // namespace aw
