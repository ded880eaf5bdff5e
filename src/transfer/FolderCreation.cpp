#include "transfer/FolderCreation.h"

#include "platform/NativePath.h"
#include "transfer/AuthorizedCmd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::FileUtilities {

namespace {

bool isFolderPath(const QString& folder) {
    return folder.startsWith(u'/');
}

} // namespace

QString parentFolder(const QString& path) {
    qsizetype end = path.size();
    if (end > 1 && path.endsWith(u'/'))
        --end;
    const qsizetype slash = path.lastIndexOf(u'/', end - 1);
    if (slash < 0 || end <= 1)
        return QString();
    return path.left(slash + 1);
}

bool DirectoryExists(const QString& folder) {
    if (!isFolderPath(folder))
        return false;
    struct stat st {};
    return ::stat(platform::toNative(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DirectoryExistsAndWritable(const QString& folder) {
    // The effective identity decides, as it does for the creation that follows.
    return DirectoryExists(folder) && ::faccessat(AT_FDCWD, platform::toNative(folder).constData(),
                                                  W_OK | X_OK, AT_EACCESS) == 0;
}

bool DirectoryCreate(const QString& folder, ProgressSupport* progress) {
    if (!isFolderPath(folder))
        return false;
    if (DirectoryExistsAndWritable(folder))
        return true;
    if (DirectoryExists(folder))
        return AuthorizedCmd::DirectoryChangeOwner(folder, progress);

    const QString parent = parentFolder(folder);
    if (!parent.isEmpty() && !DirectoryExists(parent) && !DirectoryCreate(parent, progress))
        return false;
    ::mkdir(platform::toNative(folder).constData(), 0777);
    if (DirectoryExistsAndWritable(folder))
        return true;
    if (!AuthorizedCmd::DirectoryMake(folder, progress))
        return false;
    if (DirectoryExists(folder))
        return AuthorizedCmd::DirectoryChangeOwner(folder, progress);
    return false;
}

} // namespace kv::FileUtilities
