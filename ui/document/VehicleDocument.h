#pragma once

#include "ui/document/FileStamp.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace aw {

class Vehicle;

// The design lifecycle of the editor, kept apart from the window: the one current design,
// its file name and its Modified flag, and opening and saving it through the core.
// Undo, autosave and the recent-files list hook into its signals.
class VehicleDocument : public QObject {
    Q_OBJECT
public:
    explicit VehicleDocument(QObject *parent = nullptr);
    ~VehicleDocument() override;

    Vehicle &Design() { return *m_vehicle; }
    const Vehicle &Design() const { return *m_vehicle; }

    bool Modified() const;
    // Marks an unsaved user change.
    void SetModified();
    // A user change that by design leaves the flag as it is (a custom perk placeholder, the
    // availability): it is still a step of the undo history.
    void NoteUnmarkedChange() { emit Edited(); }
    // The design matches its file again (a change undone back to the saved state).
    void ClearModified();

    // The design file's path; empty for a design never saved.
    QString FileName() const;
    void ClearFileName();
    // Whether the design file was written by someone else (another window, another program)
    // since this document last read or wrote it.
    bool FileChangedElsewhere() const;
    // Whether the file holds a picture that could not be shown and was left out when it
    // was opened: saving over it would drop the picture from the file.
    bool FileHoldsALeftOutPicture() const { return m_pictureLeftOut; }
    // Whether saving over the file drops that picture unchosen: the design has no picture of
    // its own (one the player chose since is meant to replace it).
    bool SavingDropsALeftOutPicture() const;
    // The file as this document last read or wrote it; nothing when that is not known.
    std::optional<FileStamp> KnownFileStamp() const { return m_fileStamp; }

    // Replaces the design by a fresh, empty one.
    void NewDesign();
    // Reads the design file at path and makes it the current design with path as its file
    // name and the flag clear. Throws with a message on any failure, leaving the current
    // design, its file name and its flag as they were. Returns a warning about anything
    // left out while reading (empty when nothing was).
    QString Open(const QString &path);
    // Writes the design to path (replacing the file atomically), then takes path as the
    // file name and clears the flag. Throws on failure, changing nothing. The window goes on
    // painting while the file is written but takes no input until it is done.
    void SaveTo(const QString &path);
    // Makes a design read from elsewhere (a recovery file) the current design, with fileName
    // as its file name and its changes unsaved; stamp is the file as the design's first
    // document knew it, so that a file changed since is not replaced unasked.
    void Adopt(std::unique_ptr<Vehicle> vehicle, const QString &fileName, std::optional<FileStamp> stamp = {},
               bool filePictureLeftOut = false);

signals:
    void ModifiedChanged(bool modified);
    // A user change was made (every SetModified, also while the flag is already set, and
    // every NoteUnmarkedChange).
    void Edited();
    // The design object was replaced (New or Open): pages must show it again.
    void DesignReplaced();
    // A design file was read or written at path.
    void FileUsed(const QString &path);

private:
    void SetModifiedFlag(bool modified);
    // Notes the size and time of the file just read or written, and whether it holds a
    // picture left out; an empty path forgets them.
    void NoteFile(const QString &path, bool pictureLeftOut = false);

    std::unique_ptr<Vehicle> m_vehicle;
    std::optional<FileStamp> m_fileStamp; // of the file as this document last read or wrote it
    bool m_pictureLeftOut = false;
};

} // namespace aw
