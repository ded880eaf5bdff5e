#pragma once

#include "mainwindow/WorkerThread.h"

#include <QStringList>

namespace kv {

// Adds a media folder chosen by hand ("Locate Folder..."): makes sure its offline folder
// " (KV Offline)" inside it exists and is writable, then adds an unchecked row and
// registers the pair in the folder maps; a failure ends in its message box instead. A job
// of its own because the privileged fall-back may wait for the user and for the tools.
class LocateFolderThread : public WorkerThread {
    Q_OBJECT
public:
    LocateFolderThread(WindowModel& window, QString mediaFolder, QStringList mountPoints);

protected:
    void Run() override;

private:
    QString mediaFolder;
    QStringList mountPoints;
};

} // namespace kv
