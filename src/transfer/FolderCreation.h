#pragma once

#include <QString>

namespace kv {
class ProgressSupport;
}

// Making sure a destination folder exists and is writable. Folders are absolute paths ending
// with "/"; an empty or relative path is no folder. Console lines of the privileged fall-back
// go to the job's progress (none when it is null).
namespace kv::FileUtilities {

// The path names an existing directory (a symbolic link to one counts).
bool DirectoryExists(const QString& folder);
// DirectoryExists, and the user may create and delete entries in it.
bool DirectoryExistsAndWritable(const QString& folder);
// Makes the folder exist and be writable: the ordinary way first, every missing ancestor
// from the top down; where that is refused, with the privileged tools (AuthorizedCmd). An
// existing folder that is not writable is handed to the user. True on success.
bool DirectoryCreate(const QString& folder, ProgressSupport* progress);

// The folder holding a path ("/a/b/" for "/a/b/c/" or "/a/b/c"); empty for "/".
QString parentFolder(const QString& path);

} // namespace kv::FileUtilities
