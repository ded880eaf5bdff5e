#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Counts and own-time totals of the program's long operations, kept in memory for the run.
// ProfileStart/ProfileEnd bracket an operation; nested operations' time is not counted in
// their parent's total. An end that does not match the innermost open operation appends an
// entry to the error log and forgets every open operation. Nothing here ever throws.
namespace Profiling {

void ProfileStart(const QString& name);
void ProfileEnd(const QString& name);
void ProfileError(const QString& message);
void ProfileReset();

// Opens the operation on construction and ends it on destruction, on every way out.
class Scope {
public:
    explicit Scope(QString name) : name_(std::move(name)) { ProfileStart(name_); }
    ~Scope() { ProfileEnd(name_); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    QString name_;
};

// Read-out of the module's state, for tests and diagnostics.
struct Figures {
    int count = 0;
    double totalMicroseconds = 0;
};
Figures figures(const QString& name);
QString errorLog();
QStringList openOperations();

// Tests replace the microsecond clock and start from a clean state.
void setClockForTests(std::function<double()> clock);
void clearForTests();

} // namespace Profiling
