#include "platform/UserIdentity.h"

#include "platform/NativePath.h"
#include "platform/ProgramRun.h"

#include <atomic>

namespace kv::platform {

namespace {

std::atomic<UserIdentity*> replaced{nullptr};

// Asks "/usr/bin/id -un" or "-gn", run directly rather than through a shell.
class IdToolUserIdentity final : public UserIdentity {
public:
    QString name(bool group) override {
        const ProgramResult r =
            runProgram("/usr/bin/id", {group ? QByteArray("-gn") : QByteArray("-un")}, true);
        if (!r.started || r.exitStatus != 0)
            return QString();
        return fromNative(r.output.trimmed());
    }
};

} // namespace

UserIdentity& userIdentity() {
    UserIdentity* r = replaced.load();
    return r ? *r : systemUserIdentity();
}

void setUserIdentity(UserIdentity* replacement) {
    replaced = replacement;
}

UserIdentity& systemUserIdentity() {
    static IdToolUserIdentity identity;
    return identity;
}

} // namespace kv::platform
