#include "ui/document/VehicleDocument.h"

#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "ui/NativePath.h"
#include "ui/document/BackgroundWrite.h"
#include "ui/document/UndoSnapshot.h"

#include <QFileInfo>

namespace aw {

namespace {

// A design remembers its file by the full path: a name relative to the folder the program
// was started in would mean another file to a later session (recovery, recent files).
QString FullPath(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

} // namespace

VehicleDocument::VehicleDocument(QObject *parent) : QObject(parent), m_vehicle(std::make_unique<Vehicle>()) {}

VehicleDocument::~VehicleDocument() = default;

bool VehicleDocument::Modified() const { return m_vehicle->Modified; }

void VehicleDocument::SetModified()
{
    SetModifiedFlag(true);
    emit Edited();
}

void VehicleDocument::ClearModified() { SetModifiedFlag(false); }

void VehicleDocument::SetModifiedFlag(bool modified)
{
    if (m_vehicle->Modified == modified)
        return;
    m_vehicle->Modified = modified;
    emit ModifiedChanged(modified);
}

QString VehicleDocument::FileName() const { return FromNativePath(m_vehicle->FileName); }

void VehicleDocument::ClearFileName()
{
    m_vehicle->FileName.clear();
    NoteFile({});
}

void VehicleDocument::NoteFile(const QString &path, bool pictureLeftOut)
{
    m_pictureLeftOut = pictureLeftOut;
    if (path.isEmpty())
        m_fileStamp.reset();
    else
        m_fileStamp = FileStamp::Of(path);
}

bool VehicleDocument::SavingDropsALeftOutPicture() const { return m_pictureLeftOut && m_vehicle->Picture.empty(); }

bool VehicleDocument::FileChangedElsewhere() const { return FileStamp::ChangedSince(FileName(), m_fileStamp); }

void VehicleDocument::NewDesign()
{
    const bool wasModified = m_vehicle->Modified;
    m_vehicle = std::make_unique<Vehicle>();
    NoteFile({});
    emit DesignReplaced();
    if (wasModified)
        emit ModifiedChanged(false);
}

QString VehicleDocument::Open(const QString &given)
{
    const QString path = FullPath(given);
    LoadedDesign loaded = LoadDesignFile(ToNativePath(path));
    const bool wasModified = m_vehicle->Modified;
    m_vehicle = std::move(loaded.Design);
    m_vehicle->FileName = ToNativePath(path);
    m_vehicle->Modified = false;
    NoteFile(path, !loaded.Warning.empty());
    emit DesignReplaced();
    if (wasModified)
        emit ModifiedChanged(false);
    emit FileUsed(path);
    return QString::fromStdString(loaded.Warning);
}

void VehicleDocument::SaveTo(const QString &given)
{
    const QString path = FullPath(given);
    // The worker gets a copy of its own: the design stays the window's alone.
    const std::shared_ptr<const Vehicle> copy = CopyDesign(*m_vehicle);
    WriteWhileWindowPaints([copy, target = ToNativePath(path)] { SaveDesignFile(*copy, target); });
    m_vehicle->FileName = ToNativePath(path);
    NoteFile(path);
    SetModifiedFlag(false);
    emit FileUsed(path);
}

void VehicleDocument::Adopt(std::unique_ptr<Vehicle> vehicle, const QString &fileName, std::optional<FileStamp> stamp,
                            bool filePictureLeftOut)
{
    const bool wasModified = m_vehicle->Modified;
    m_vehicle = std::move(vehicle);
    m_vehicle->FileName = ToNativePath(fileName);
    m_vehicle->Modified = false;
    m_fileStamp = stamp;
    m_pictureLeftOut = filePictureLeftOut;
    emit DesignReplaced();
    if (wasModified)
        emit ModifiedChanged(false);
    SetModifiedFlag(true);
}

} // namespace aw
