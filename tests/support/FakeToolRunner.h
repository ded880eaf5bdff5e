#pragma once

// A privileged tool runner for tests: records every tool run with its arguments and either
// does what mkdir would do (Create), starts the tool without any effect (NoEffect), or
// refuses the authorization with a status (Refuse). The user is "editor" of group "media".
// Installs itself while it lives.

#include "platform/NativePath.h"
#include "platform/PrivilegedToolRunner.h"
#include "platform/UserIdentity.h"
#include "transfer/AuthorizedCmd.h"

#include <QMutex>
#include <QStringList>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kv::test {

class FakeUserIdentity : public platform::UserIdentity {
public:
    QString name(bool group) override {
        return group ? QStringLiteral("media") : QStringLiteral("editor");
    }
};

class FakeToolRunner : public platform::PrivilegedToolRunner {
public:
    enum Mode { Create, NoEffect, Refuse, Unavailable };

    explicit FakeToolRunner(Mode mode = Create, int refusal = platform::kAuthorizationCanceled)
        : mode(mode), refusal(refusal), previous(&platform::privilegedToolRunner()),
          previousIdentity(&platform::userIdentity()) {
        platform::setPrivilegedToolRunner(this);
        platform::setUserIdentity(&identity);
        AuthorizedCmd::setPollIntervalForTests(1);
        AuthorizedCmd::Setup(true);
    }
    ~FakeToolRunner() override {
        // An enclosing fake (a fixture's) takes over again.
        platform::setPrivilegedToolRunner(
            previous == &platform::systemPrivilegedToolRunner() ? nullptr : previous);
        platform::setUserIdentity(
            previousIdentity == &platform::systemUserIdentity() ? nullptr : previousIdentity);
        AuthorizedCmd::setPollIntervalForTests(500);
        AuthorizedCmd::Setup(true);
    }

    bool available() override { return mode != Unavailable; }

    int run(const QString& tool, const QStringList& arguments) override {
        {
            QMutexLocker lock(&mutex);
            calls << QStringList{tool} + arguments;
        }
        if (mode == Refuse)
            return refusal;
        if (mode == Create && tool == AuthorizedCmd::mkdirTool() && !arguments.isEmpty())
            makePath(platform::toNative(arguments.last()));
        return 0;
    }

    // Each run: the tool followed by its arguments.
    QList<QStringList> runs() {
        QMutexLocker lock(&mutex);
        return calls;
    }

private:
    // What "mkdir -p -m 755" run as administrator does. The folders it makes are not
    // writable by the tests' user (root reaching files as another user, see OtherUser).
    static void makePath(const QByteArray& path) {
        const bool root = ::geteuid() == 0;
        const int fsuid = root ? ::setfsuid(0) : 0;
        for (qsizetype i = 1; i <= path.size(); ++i) {
            if (i != path.size() && path[i] != '/')
                continue;
            const QByteArray level = path.left(i);
            if (level.endsWith('/'))
                continue;
            const QByteArray parent = level.left(level.lastIndexOf('/') + 1);
            struct stat st {};
            const bool parentShut =
                !root && ::stat(parent.constData(), &st) == 0 && !(st.st_mode & S_IWUSR);
            if (parentShut)
                ::chmod(parent.constData(), st.st_mode | S_IWUSR);
            if (::mkdir(level.constData(), 0755) == 0 && !root)
                ::chmod(level.constData(), 0555);
            if (parentShut)
                ::chmod(parent.constData(), st.st_mode);
        }
        if (root)
            ::setfsuid(uid_t(fsuid));
    }

    Mode mode;
    int refusal;
    platform::PrivilegedToolRunner* previous;
    platform::UserIdentity* previousIdentity;
    FakeUserIdentity identity;
    QMutex mutex;
    QList<QStringList> calls;
};

} // namespace kv::test
