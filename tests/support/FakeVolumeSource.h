#pragma once

// A volume source for tests: the volumes are whatever the test says, so that a temporary
// folder can be a volume root. Installs itself while it lives.

#include "platform/VolumeSource.h"

#include <QMutex>

namespace kv::test {

class FakeVolumeSource : public platform::VolumeSource {
public:
    FakeVolumeSource() { platform::setVolumeSource(this); }
    ~FakeVolumeSource() override { platform::setVolumeSource(nullptr); }

    void set(std::vector<platform::VolumeInfo> v) {
        QMutexLocker lock(&mutex);
        volumes = std::move(v);
    }
    void add(const QString& name, const QString& path, quint64 freeBytes = 50,
             quint64 totalBytes = 100) {
        QMutexLocker lock(&mutex);
        volumes.push_back({name, path, freeBytes, totalBytes});
    }
    std::vector<platform::VolumeInfo> mountedVolumes() override {
        QMutexLocker lock(&mutex);
        return volumes;
    }

private:
    QMutex mutex;
    std::vector<platform::VolumeInfo> volumes;
};

} // namespace kv::test
