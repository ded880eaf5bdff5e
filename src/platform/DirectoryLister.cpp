#include "platform/DirectoryLister.h"

#include <atomic>

namespace kv::platform {

namespace {
std::atomic<DirectoryLister*> replaced{nullptr};
} // namespace

DirectoryLister& directoryLister() {
    DirectoryLister* r = replaced.load();
    return r ? *r : systemDirectoryLister();
}

void setDirectoryLister(DirectoryLister* replacement) {
    replaced = replacement;
}

} // namespace kv::platform
