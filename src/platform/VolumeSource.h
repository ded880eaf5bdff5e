#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace kv::platform {

// One mounted volume as the volume list shows it.
struct VolumeInfo {
    QString name;          // what the list shows and the "Volumes" choice is stored under
    QString path;          // its mount point, ending with "/"
    quint64 freeBytes = 0; // bytes the user may still write
    quint64 totalBytes = 0;
};

// The mounted volumes, from the system's mount table. Tests replace it, so that a
// temporary folder can be a volume root.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // The volumes the user can choose, in the system's order, pseudo file systems left out.
    virtual std::vector<VolumeInfo> mountedVolumes() = 0;
    // Every mount point, pseudo ones too, each ending with "/": where one volume ends and
    // another begins. By default the paths of mountedVolumes().
    virtual QStringList mountPoints();
};

// The source in use: the system's own unless a test replaced it.
VolumeSource& volumeSource();
// Replaces the source (not owned); nullptr restores the system's own.
void setVolumeSource(VolumeSource* replacement);
VolumeSource& systemVolumeSource();

// The volume root holding a path: the longest of the mount points that is the path itself or
// one of its ancestors (all paths in the program's form, folders ending with "/"). Empty when
// none is.
QString volumeRootOf(const QString& path, const QStringList& mountPoints);

// Kernel pseudo file systems, memory-backed ones and automounter placeholders, which hold no
// media: never listed as volumes.
bool isPseudoFileSystem(const QByteArray& fileSystemType, const QString& mountPoint);

} // namespace kv::platform
