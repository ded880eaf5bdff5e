#include "platform/NativePath.h"
#include "platform/UserIdentity.h"
#include "platform/VolumeSource.h"
#include "platform/linux/PkexecToolRunner.h"
#include "support/TempTree.h"

#include <QFile>

#include <pwd.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::platform;

namespace {

TEST(VolumeSource, TheVolumeRootOfAPathIsTheDeepestMountPointHoldingIt) {
    const QStringList mounts = {"/", "/media/V/", "/media/V/Avid MediaFiles/MXF/", "/media/Vx/"};
    const QStringList cases[] = {
        {"/media/V/Avid MediaFiles/MXF/1/", "/media/V/Avid MediaFiles/MXF/"},
        {"/media/V/Avid MediaFiles/", "/media/V/"},
        {"/media/V/", "/media/V/"},
        {"/media/Vx/a/", "/media/Vx/"},
        {"/home/user/", "/"},
    };
    for (const QStringList& c : cases)
        EXPECT_EQ(volumeRootOf(c[0], mounts), c[1]) << c[0].toStdString();
    EXPECT_EQ(volumeRootOf("/media/V/x/", {"/media/V"}), "") << "mount points end with /";
}

TEST(VolumeSource, KernelAndMemoryFileSystemsAreNoVolumes) {
    const struct {
        const char* type;
        const char* mountPoint;
        bool pseudo;
    } cases[] = {
        {"ext4", "/", false},
        {"xfs", "/media/editor/RAID/", false},
        {"fuseblk", "/mnt/ntfs/", false},
        {"nfs4", "/net/server/", false},
        {"proc", "/proc/", true},
        {"sysfs", "/sys/", true},
        {"cgroup2", "/sys/fs/cgroup/", true},
        {"autofs", "/net/", true},
        {"tmpfs", "/run/", true},
        {"devtmpfs", "/dev/", true},
        {"ext4", "/dev/shm/x/", true},
        {"squashfs", "/snap/core/1/", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPseudoFileSystem(c.type, QString::fromLatin1(c.mountPoint)), c.pseudo)
            << c.type << " " << c.mountPoint;
}

TEST(VolumeSource, TheSystemListsItsVolumesAsFolderPaths) {
    for (const VolumeInfo& v : systemVolumeSource().mountedVolumes()) {
        EXPECT_TRUE(v.path.startsWith('/') && v.path.endsWith('/')) << v.path.toStdString();
        EXPECT_FALSE(v.name.isEmpty());
        EXPECT_LE(v.freeBytes, v.totalBytes);
    }
    EXPECT_TRUE(systemVolumeSource().mountPoints().contains("/"));
}

TEST(UserIdentity, IsTheLoggedInUsersNameAndGroup) {
    const passwd* pw = ::getpwuid(::getuid());
    ASSERT_NE(pw, nullptr);
    EXPECT_EQ(systemUserIdentity().name(false), QString::fromLocal8Bit(pw->pw_name));
    EXPECT_FALSE(systemUserIdentity().name(true).isEmpty());
}

// A stand-in for pkexec: writes the arguments it got, each ended by a NUL byte, next to
// itself, and ends with the status it is told.
class PkexecRunner : public ::testing::Test {
protected:
    QByteArray script(int exitStatus) {
        const QString p = tree.path(QString("pkexec%1").arg(exitStatus));
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$0.args\"\nexit " +
                QByteArray::number(exitStatus) + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return toNative(p);
    }
    QList<QByteArray> argsOf(const QByteArray& scriptPath) {
        QFile f(fromNative(scriptPath + ".args"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        QList<QByteArray> out = f.readAll().split('\0');
        out.removeLast();
        return out;
    }
    test::TempTree tree;
};

TEST_F(PkexecRunner, RunsTheToolAsAnArgumentVectorAndMapsPkexecsStatuses) {
    const QString odd = "/V/-p two\nlines " + fromNative(QByteArray("\xff")) + " $(x) ;/";
    const struct {
        int exit;
        int status;
    } cases[] = {{0, 0}, {1, 0}, {126, kAuthorizationCanceled}, {127, kAuthorizationDenied}};
    for (const auto& c : cases) {
        const QByteArray pkexec = script(c.exit);
        PkexecToolRunner runner(pkexec);
        EXPECT_TRUE(runner.available());
        EXPECT_EQ(runner.run("/bin/mkdir", {"-p", "-m", "755", odd}), c.status) << c.exit;
        EXPECT_EQ(argsOf(pkexec),
                  (QList<QByteArray>{"/bin/mkdir", "-p", "-m", "755", toNative(odd)}));
    }
    PkexecToolRunner missing(toNative(tree.path("no-pkexec")));
    EXPECT_FALSE(missing.available());
    EXPECT_EQ(missing.run("/bin/mkdir", {"/x/"}), kAuthorizationToolExecuteFailure);
}

} // namespace
