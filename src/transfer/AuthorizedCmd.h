#pragma once

#include <QString>

namespace kv {
class ProgressSupport;
}

// The privileged side of folder creation: runs "/bin/mkdir" and the change of owner with
// administrator rights (through the platform's privileged tool runner), reports a refused
// run as a console line, and polls for the tool's effect on the calling thread. Safe to call
// from any thread: the privileged runs are serialised.
namespace kv::AuthorizedCmd {

// Creates the folder (with its missing ancestors) with administrator rights. True when the
// tool was started, whether or not the folder appeared (the caller tests).
bool DirectoryMake(const QString& folder, ProgressSupport* progress);
// Hands the folder itself (not its contents) to the logged-in user. True when the tool was
// started.
bool DirectoryChangeOwner(const QString& folder, ProgressSupport* progress);

// Makes the authorization ready once per run (again when force is true).
void Setup(bool force);
// After a privileged run: true when it failed, with AuthTokenLastError() set.
bool AuthError();
int AuthTokenStatus();
int AuthTokenLastError();

// The logged-in user's short name (group false) or primary group name (group true).
QString GetUserIdentity(bool group);

// The tools, as this system has them.
QString mkdirTool();
QString chownTool();

// The pause between two looks for a folder that mkdir is making (500 ms); tests shorten it.
void setPollIntervalForTests(int milliseconds);

} // namespace kv::AuthorizedCmd
