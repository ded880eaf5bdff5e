#pragma once

#include <QString>

#include <memory>

namespace kv {

// One media file as the scan found it. Records are shared between the window's
// dictionaries and the jobs; a move re-files a record under its new path.
struct FileInfoCache {
    bool directory = false;
    quint64 length = 0;  // allocated size on disk, in bytes
    QString name;        // the file's name
    QString path;        // the folder's path (ending with "/") followed by name; the dictionary key
    QString projectName; // one character per byte of the name read from the file
};

using FileRecord = std::shared_ptr<FileInfoCache>;

} // namespace kv
