#include "platform/VolumeSource.h"

#include <QStorageInfo>

namespace kv::platform {

namespace {

QString folderPath(const QString& mountPoint) {
    return mountPoint.endsWith(u'/') ? mountPoint : mountPoint + u'/';
}

class StorageInfoVolumeSource final : public VolumeSource {
public:
    std::vector<VolumeInfo> mountedVolumes() override {
        std::vector<VolumeInfo> out;
        for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
            if (!s.isValid() || isPseudoFileSystem(s.fileSystemType(), folderPath(s.rootPath())))
                continue;
            VolumeInfo v;
            v.path = folderPath(s.rootPath());
            v.name = s.displayName();
            v.freeBytes = quint64(std::max<qint64>(s.bytesAvailable(), 0));
            v.totalBytes = quint64(std::max<qint64>(s.bytesTotal(), 0));
            out.push_back(std::move(v));
        }
        return out;
    }

    QStringList mountPoints() override {
        QStringList out;
        for (const QStorageInfo& s : QStorageInfo::mountedVolumes())
            out << folderPath(s.rootPath());
        return out;
    }
};

} // namespace

VolumeSource& systemVolumeSource() {
    static StorageInfoVolumeSource source;
    return source;
}

} // namespace kv::platform
