#include "platform/PrivilegedToolRunner.h"

#include <atomic>

namespace kv::platform {

namespace {
std::atomic<PrivilegedToolRunner*> replaced{nullptr};
} // namespace

PrivilegedToolRunner& privilegedToolRunner() {
    PrivilegedToolRunner* r = replaced.load();
    return r ? *r : systemPrivilegedToolRunner();
}

void setPrivilegedToolRunner(PrivilegedToolRunner* replacement) {
    replaced = replacement;
}

} // namespace kv::platform
