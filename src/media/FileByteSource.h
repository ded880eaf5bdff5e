#pragma once

#include "media/ByteSource.h"

#include <QString>

namespace kv {

// A media file opened read-only with POSIX calls (the path goes through platform::toNative,
// so names that are not UTF-8 open too). Closed by the destructor.
class FileByteSource : public ByteSource {
public:
    enum class Status { Opened, Missing, Directory, Failed };

    FileByteSource() = default;
    ~FileByteSource() override;
    FileByteSource(const FileByteSource&) = delete;
    FileByteSource& operator=(const FileByteSource&) = delete;

    // Opens the file and takes its status. Missing: an empty path, or no file there.
    // Directory: the path names a folder. Failed: the file exists but cannot be opened or
    // examined (see errorText()).
    Status open(const QString& path);

    // Opens the file only, for a reader that needs no length up front: a folder opens too
    // (its reads fail). The status is taken when size() or isDirectory() first asks.
    Status openForReading(const QString& path);

    quint64 size() const override;
    bool isRegularFile() const;
    qint64 readAt(quint64 offset, char* buffer, qint64 count) override;

    // The system's text for the last failure, for example "Permission denied".
    QString errorText() const override;

private:
    bool takeStatus() const;
    void close();

    int fd = -1;
    int lastError = 0;
    mutable bool statusTaken = false;
    mutable bool statusFailed = false;
    mutable bool directory = false;
    mutable bool regular = false;
    mutable quint64 length = 0;
};

} // namespace kv
