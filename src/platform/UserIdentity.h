#pragma once

#include <QString>

namespace kv::platform {

// The logged-in user's short name and primary group name. Tests replace it.
class UserIdentity {
public:
    virtual ~UserIdentity() = default;
    // The group name when group is true, the user name otherwise; empty when unknown.
    virtual QString name(bool group) = 0;
};

UserIdentity& userIdentity();
// Replaces the identity (not owned); nullptr restores the system's own.
void setUserIdentity(UserIdentity* replacement);
UserIdentity& systemUserIdentity();

} // namespace kv::platform
