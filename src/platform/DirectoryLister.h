#pragma once

#include <QString>

#include <vector>

namespace kv::platform {

// One entry of a folder, as one bulk listing gives it.
struct DirEntry {
    QString name;
    bool isDirectory = false; // a real folder; a symbolic link is never one
    bool isSymlink = false;
    quint64 allocatedBytes = 0; // space the entry takes on disk (filled when sizes are asked for)
};

// Lists one folder in one call, every entry included (hidden ones too), in the order the
// file system gives them, without following symbolic links. Tests replace it.
class DirectoryLister {
public:
    virtual ~DirectoryLister() = default;
    // False when the folder cannot be listed; errorNumber then holds the system's error.
    virtual bool list(const QString& folderPath, bool withSizes, std::vector<DirEntry>& entries,
                      int* errorNumber = nullptr) = 0;
};

// The lister in use: the system's own unless a test replaced it.
DirectoryLister& directoryLister();
// Replaces the lister (not owned); nullptr restores the system's own.
void setDirectoryLister(DirectoryLister* replacement);

// The system's lister, for tests that wrap it.
DirectoryLister& systemDirectoryLister();

} // namespace kv::platform
