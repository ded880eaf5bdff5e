#pragma once

// While it lives, the calling thread (and every thread it starts) reaches files as the user
// "nobody" when the tests run as root, so that a folder can be "not writable" even there.
// Elsewhere the tests' own user already lacks the rights, and it does nothing.

#include <sys/fsuid.h>
#include <unistd.h>

namespace kv::test {

class OtherUser {
public:
    OtherUser() : active(::geteuid() == 0) {
        if (active) {
            ::setfsgid(65534);
            ::setfsuid(65534);
        }
    }
    ~OtherUser() {
        if (active) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    OtherUser(const OtherUser&) = delete;
    OtherUser& operator=(const OtherUser&) = delete;

private:
    bool active;
};

} // namespace kv::test
