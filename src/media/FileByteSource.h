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

    // Missing: an empty path, or no file there. Directory: the path names a folder.
    // Failed: the file exists but cannot be opened or examined (see errorText()).
    Status open(const QString& path);

    quint64 size() const override { return length; }
    qint64 readAt(quint64 offset, char* buffer, qint64 count) override;

    // The system's text for the last failure, for example "Permission denied".
    QString errorText() const override;

private:
    void close();

    int fd = -1;
    quint64 length = 0;
    int lastError = 0;
};

} // namespace kv
