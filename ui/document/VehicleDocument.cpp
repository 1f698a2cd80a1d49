#include "ui/document/VehicleDocument.h"

#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "ui/document/BackgroundWrite.h"
#include "ui/NativePath.h"
#include "ui/document/UndoSnapshot.h"

TVehicleDocument::TVehicleDocument(QObject *parent)
    : QObject(parent)
    , m_vehicle(std::make_unique<TVehicle>())
{
}

TVehicleDocument::~TVehicleDocument() = default;

bool TVehicleDocument::Modified() const
{
    return m_vehicle->Modified;
}

void TVehicleDocument::SetModified()
{
    SetModifiedFlag(true);
    emit edited();
}

void TVehicleDocument::ClearModified()
{
    SetModifiedFlag(false);
}

void TVehicleDocument::SetModifiedFlag(bool modified)
{
    if (m_vehicle->Modified == modified)
        return;
    m_vehicle->Modified = modified;
    emit modifiedChanged(modified);
}

QString TVehicleDocument::FileName() const
{
    return FromNativePath(m_vehicle->FileName);
}

void TVehicleDocument::ClearFileName()
{
    m_vehicle->FileName.clear();
}

void TVehicleDocument::NewDesign()
{
    const bool wasModified = m_vehicle->Modified;
    m_vehicle = std::make_unique<TVehicle>();
    emit designReplaced();
    if (wasModified)
        emit modifiedChanged(false);
}

QString TVehicleDocument::Open(const QString &path)
{
    TLoadedDesign loaded = LoadDesignFile(ToNativePath(path));
    const bool wasModified = m_vehicle->Modified;
    m_vehicle = std::move(loaded.Vehicle);
    m_vehicle->FileName = ToNativePath(path);
    m_vehicle->Modified = false;
    emit designReplaced();
    if (wasModified)
        emit modifiedChanged(false);
    emit fileUsed(path);
    return QString::fromStdString(loaded.Warning);
}

void TVehicleDocument::SaveTo(const QString &path)
{
    // The worker gets a copy of its own: the design stays the window's alone.
    const std::shared_ptr<const TVehicle> copy = CopyDesign(*m_vehicle);
    WriteWhileWindowPaints([copy, target = ToNativePath(path)] { SaveDesignFile(*copy, target); });
    m_vehicle->FileName = ToNativePath(path);
    SetModifiedFlag(false);
    emit fileUsed(path);
}

void TVehicleDocument::Adopt(std::unique_ptr<TVehicle> vehicle, const QString &fileName)
{
    const bool wasModified = m_vehicle->Modified;
    m_vehicle = std::move(vehicle);
    m_vehicle->FileName = ToNativePath(fileName);
    m_vehicle->Modified = false;
    emit designReplaced();
    if (wasModified)
        emit modifiedChanged(false);
    SetModifiedFlag(true);
}
