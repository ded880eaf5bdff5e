#pragma once

#include "mainwindow/WorkerThread.h"
#include "platform/DirectoryLister.h"

#include <QStringList>

#include <vector>

namespace kv {

// The job that finds the media folders on the chosen volumes: it walks "OMFI MediaFiles"
// and then "Avid MediaFiles" at the top of each selected row of the volume list, and every
// folder in them that directly holds a visible file becomes a row of the media folder list,
// paired with an offline folder that the job makes under "Kelvara Offline" on the same
// volume. It replaces the list and both folder maps and marks both sides dirty. Symbolic
// links are never followed.
class FindMediaFoldersThread : public WorkerThread {
    Q_OBJECT
public:
    explicit FindMediaFoldersThread(WindowModel& window);

protected:
    void Run() override;

private:
    enum class Outcome { Completed, Stopped };

    Outcome searchVolumes();
    // Walks one folder tree; false when the search must stop.
    bool ScanForMediaFolders(const QString& folder, int depth);
    // Adds one media folder; false when the search must stop.
    bool AddMediaFolder(const QString& folder);
    bool addMediaFolderOrReport(const QString& folder);

    QString volumeRoot;      // the volume being searched
    QStringList mountPoints; // where volumes begin, read once per search
};

} // namespace kv
