#include "app/Profiling.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QVector>

namespace Profiling {

namespace {

struct Totals {
    int count = 0;
    double total = 0;
};

// An operation name as a key that ignores letter case, hashed and compared without
// building a folded copy of the name on every call.
struct NameKey {
    QString name;
    bool operator==(const NameKey& other) const {
        return name.compare(other.name, Qt::CaseInsensitive) == 0;
    }
};

size_t qHash(const NameKey& key, size_t seed = 0) {
    size_t h = seed;
    for (QChar c : key.name) {
        const char16_t u = c.unicode();
        h = h * 31 + (u < 0x80 ? (u >= 'A' && u <= 'Z' ? u + 32 : u) : c.toCaseFolded().unicode());
    }
    return h;
}

struct State {
    QMutex mutex;
    QString ErrorLog;
    QHash<NameKey, Totals> events; // name, in any case -> count and total
    QStringList EventNameStack;
    QVector<double> EventTimeStack;
    std::function<double()> clock;
    QElapsedTimer sinceStart;

    State() { sinceStart.start(); }
    double now() const { return clock ? clock() : double(sinceStart.nsecsElapsed()) / 1000.0; }
};

State& state() {
    static State s;
    return s;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void addOwnTime(State& s, const QString& name, double elapsed) {
    auto it = s.events.find(NameKey{name});
    if (it != s.events.end())
        it->total += elapsed;
}

void errorLocked(State& s, const QString& message) {
    for (const QString& open : s.EventNameStack)
        s.ErrorLog += open + QStringLiteral(" > ");
    s.ErrorLog += QChar(13) + QStringLiteral("-- ") + message + QChar(13);
    s.EventNameStack.clear();
    s.EventTimeStack.clear();
}

} // namespace

void ProfileStart(const QString& name) {
    try {
        State& s = state();
        QMutexLocker lock(&s.mutex);
        const double t = s.now();
        if (!s.EventNameStack.isEmpty() && !s.EventTimeStack.isEmpty())
            addOwnTime(s, s.EventNameStack.last(), t - s.EventTimeStack.last());
        Totals& totals = s.events[NameKey{name}];
        totals.count += 1; // a new entry starts at count 0 and total 0
        s.EventNameStack.append(name);
        s.EventTimeStack.append(t);
    } catch (...) {
    }
}

void ProfileEnd(const QString& name) {
    try {
        State& s = state();
        QMutexLocker lock(&s.mutex);
        if (s.EventNameStack.isEmpty())
            return;
        const QString current = s.EventNameStack.takeLast();
        if (!sameName(current, name)) {
            s.EventNameStack.append(name);
            errorLocked(s, QStringLiteral("ProfileEnd(\"") + name +
                               QStringLiteral("\") called. CurrentEvent = ") + current);
            return;
        }
        const double t = s.now();
        if (!s.EventTimeStack.isEmpty())
            addOwnTime(s, name, t - s.EventTimeStack.takeLast());
        if (!s.EventTimeStack.isEmpty())
            s.EventTimeStack.last() = t;
    } catch (...) {
    }
}

void ProfileError(const QString& message) {
    try {
        State& s = state();
        QMutexLocker lock(&s.mutex);
        errorLocked(s, message);
    } catch (...) {
    }
}

void ProfileReset() {
    try {
        State& s = state();
        QMutexLocker lock(&s.mutex);
        s.EventNameStack.clear();
        s.EventTimeStack.clear();
    } catch (...) {
    }
}

Figures figures(const QString& name) {
    State& s = state();
    QMutexLocker lock(&s.mutex);
    const auto it = s.events.constFind(NameKey{name});
    if (it == s.events.constEnd())
        return {};
    return {it->count, it->total};
}

QString errorLog() {
    State& s = state();
    QMutexLocker lock(&s.mutex);
    return s.ErrorLog;
}

QStringList openOperations() {
    State& s = state();
    QMutexLocker lock(&s.mutex);
    return s.EventNameStack;
}

void setClockForTests(std::function<double()> clock) {
    State& s = state();
    QMutexLocker lock(&s.mutex);
    s.clock = std::move(clock);
}

void clearForTests() {
    State& s = state();
    QMutexLocker lock(&s.mutex);
    s.ErrorLog.clear();
    s.events.clear();
    s.EventNameStack.clear();
    s.EventTimeStack.clear();
}

} // namespace Profiling
