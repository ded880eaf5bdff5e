#include "media/FileByteSource.h"

#include "platform/NativePath.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv {

FileByteSource::~FileByteSource() {
    close();
}

void FileByteSource::close() {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
    statusTaken = statusFailed = directory = regular = false;
    length = 0;
}

FileByteSource::Status FileByteSource::openForReading(const QString& path) {
    close();
    lastError = 0;
    if (path.isEmpty())
        return Status::Missing;
    const QByteArray native = platform::toNative(path);
    // O_NONBLOCK keeps a FIFO in a media folder from stalling the open; regular files ignore it.
    do {
        fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd >= 0)
        return Status::Opened;
    lastError = errno;
    return lastError == ENOENT || lastError == ENOTDIR ? Status::Missing : Status::Failed;
}

FileByteSource::Status FileByteSource::open(const QString& path) {
    const Status opened = openForReading(path);
    if (opened != Status::Opened)
        return opened;
    if (!takeStatus()) {
        close();
        return Status::Failed;
    }
    if (directory) {
        lastError = EISDIR;
        close();
        return Status::Directory;
    }
    return Status::Opened;
}

bool FileByteSource::takeStatus() const {
    if (statusTaken)
        return !statusFailed;
    statusTaken = true;
    struct stat info;
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        const_cast<FileByteSource*>(this)->lastError = fd < 0 ? EBADF : errno;
        statusFailed = true;
        return false;
    }
    directory = S_ISDIR(info.st_mode);
    regular = S_ISREG(info.st_mode);
    // Only a regular file has a length to read; a FIFO or a device reads as empty.
    length = regular && info.st_size > 0 ? quint64(info.st_size) : 0;
    return true;
}

quint64 FileByteSource::size() const {
    return takeStatus() ? length : 0;
}

bool FileByteSource::isRegularFile() const {
    return takeStatus() && regular;
}

qint64 FileByteSource::readAt(quint64 offset, char* buffer, qint64 count) {
    if (fd < 0) {
        lastError = EBADF;
        return -1;
    }
    if (count <= 0 || offset >= quint64(INT64_MAX))
        return 0;
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = ::pread(fd, buffer + done, size_t(count - done), off_t(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            lastError = errno;
            return -1;
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

QString FileByteSource::errorText() const {
    return lastError ? QString::fromLocal8Bit(std::strerror(lastError)) : QString();
}

} // namespace kv
