#pragma once

// A temporary folder tree for tests, made with POSIX calls so that names may hold any bytes
// (newlines, bytes that are not UTF-8). Paths are the program's: absolute, folders ending
// with "/".

#include "platform/NativePath.h"

#include <QTemporaryDir>

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace kv::test {

class TempTree {
public:
    TempTree() {
        // Open to every user, so that a test may look at it as another user.
        ::chmod(platform::toNative(dir.path()).constData(), 0777);
    }
    ~TempTree() {
        // Folders a test made read-only open again first; then everything goes, by bytes,
        // since Qt's own removal cannot name files whose names are not UTF-8.
        const QByteArray top = platform::toNative(dir.path());
        ::nftw(
            top.constData(),
            [](const char* p, const struct stat*, int type, FTW*) {
                if (type == FTW_D || type == FTW_DNR)
                    ::chmod(p, 0777);
                return 0;
            },
            16, FTW_PHYS);
        ::nftw(
            top.constData(),
            [](const char* p, const struct stat*, int, FTW*) {
                ::remove(p);
                return 0;
            },
            16, FTW_PHYS | FTW_DEPTH);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The tree's top folder, ending with "/".
    QString root() const { return dir.path() + u'/'; }
    QString path(const QString& relative) const { return root() + relative; }

    // Makes the folder and its missing ancestors; returns its path ending with "/".
    QString folder(const QString& relative, mode_t mode = 0777) {
        QString p = path(relative);
        if (!p.endsWith(u'/'))
            p += u'/';
        const QByteArray native = platform::toNative(p);
        for (qsizetype i = 1; i < native.size(); ++i) {
            if (native[i] == '/') {
                const QByteArray level = native.left(i);
                if (::mkdir(level.constData(), 0777) == 0)
                    ::chmod(level.constData(), 0777);
            }
        }
        ::chmod(native.constData(), mode);
        return p;
    }

    // Makes a file (and its folder) holding the bytes; returns its path.
    QString file(const QString& relative, const QByteArray& bytes = QByteArray()) {
        const qsizetype slash = relative.lastIndexOf(u'/');
        if (slash > 0)
            folder(relative.left(slash));
        const QString p = path(relative);
        const int fd =
            ::open(platform::toNative(p).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        EXPECT_GE(fd, 0) << p.toStdString();
        if (fd >= 0) {
            EXPECT_EQ(::write(fd, bytes.constData(), size_t(bytes.size())), bytes.size());
            ::close(fd);
        }
        return p;
    }

    void symlink(const QString& relative, const QString& target) {
        ASSERT_EQ(::symlink(platform::toNative(target).constData(),
                            platform::toNative(path(relative)).constData()),
                  0);
    }

    static bool isFolder(const QString& p) {
        struct stat st {};
        return ::lstat(platform::toNative(p).constData(), &st) == 0 && S_ISDIR(st.st_mode);
    }
    static bool exists(const QString& p) {
        struct stat st {};
        return ::lstat(platform::toNative(p).constData(), &st) == 0;
    }

private:
    QTemporaryDir dir;
};

} // namespace kv::test
