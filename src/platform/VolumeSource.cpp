#include "platform/VolumeSource.h"

#include <atomic>

namespace kv::platform {

namespace {
std::atomic<VolumeSource*> replaced{nullptr};
} // namespace

QStringList VolumeSource::mountPoints() {
    QStringList out;
    for (const VolumeInfo& v : mountedVolumes())
        out << v.path;
    return out;
}

VolumeSource& volumeSource() {
    VolumeSource* r = replaced.load();
    return r ? *r : systemVolumeSource();
}

void setVolumeSource(VolumeSource* replacement) {
    replaced = replacement;
}

QString volumeRootOf(const QString& path, const QStringList& mountPoints) {
    QString best;
    for (const QString& m : mountPoints) {
        if (m.size() > best.size() && m.endsWith(u'/') && path.startsWith(m))
            best = m;
    }
    return best;
}

bool isPseudoFileSystem(const QByteArray& type, const QString& mountPoint) {
    static const char* const pseudo[] = {
        "autofs",          "binfmt_misc", "bpf",    "cgroup",     "cgroup2",
        "configfs",        "debugfs",     "devpts", "devtmpfs",   "efivarfs",
        "fusectl",         "hugetlbfs",   "mqueue", "nsfs",       "proc",
        "pstore",          "ramfs",       "rootfs", "rpc_pipefs", "securityfs",
        "selinuxfs",       "squashfs",    "sysfs",  "tmpfs",      "tracefs",
        "fuse.gvfsd-fuse", "fuse.portal", "nfsd",
    };
    for (const char* p : pseudo)
        if (type == p)
            return true;
    // The kernel's own folders, whatever their type.
    for (const char* prefix : {"/proc/", "/sys/", "/dev/"})
        if (mountPoint.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

} // namespace kv::platform
