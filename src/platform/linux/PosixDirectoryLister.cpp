#include "platform/DirectoryLister.h"
#include "platform/NativePath.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::platform {

namespace {

class PosixDirectoryLister final : public DirectoryLister {
public:
    bool list(const QString& folderPath, bool withSizes, std::vector<DirEntry>& entries,
              int* errorNumber) override {
        entries.clear();
        const QByteArray native = toNative(folderPath);
        const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            if (errorNumber)
                *errorNumber = errno;
            return false;
        }
        DIR* dir = ::fdopendir(fd);
        if (!dir) {
            if (errorNumber)
                *errorNumber = errno;
            ::close(fd);
            return false;
        }
        errno = 0;
        while (const dirent* d = ::readdir(dir)) {
            const char* name = d->d_name;
            if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
                continue;
            DirEntry e;
            e.name = fromNative(name, qsizetype(std::strlen(name)));
            unsigned char type = d->d_type;
            if (type == DT_UNKNOWN || withSizes) {
                struct stat st {};
                if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
                    type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
                    e.allocatedBytes = quint64(st.st_blocks) * 512u;
                }
            }
            e.isDirectory = type == DT_DIR;
            e.isSymlink = type == DT_LNK;
            entries.push_back(std::move(e));
            errno = 0;
        }
        const int readError = errno;
        ::closedir(dir);
        if (readError != 0) {
            if (errorNumber)
                *errorNumber = readError;
            return false;
        }
        return true;
    }
};

} // namespace

DirectoryLister& systemDirectoryLister() {
    static PosixDirectoryLister lister;
    return lister;
}

} // namespace kv::platform
