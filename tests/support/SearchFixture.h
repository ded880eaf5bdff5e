#pragma once

// A window model with a fake volume source and a fake privileged tool runner, for the tests
// of the jobs that search and add media folders. It records the job's console lines, message
// boxes and progress as the UI thread receives them.

#include "app/AppCore.h"
#include "mainwindow/WindowModel.h"
#include "support/FakeToolRunner.h"
#include "support/FakeVolumeSource.h"
#include "support/TempTree.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kv::test {

class SearchFixture : public ::testing::Test {
protected:
    void SetUp() override {
        model.progress.setEndPauseMilliseconds(0);
        QObject::connect(&model.progress, &ProgressSupport::consoleLineAdded,
                         [this](const QString& line, const QString&, bool) {
                             // Without the "[time] " in front.
                             console << line.mid(line.indexOf(QLatin1String("] ")) + 2);
                         });
        QObject::connect(&model, &WindowModel::messageRequested,
                         [this](const QString& text) { messages << text; });
        QObject::connect(&model.progress, &ProgressSupport::percentChanged,
                         [this](int p) { percents << p; });
        QObject::connect(&model.progress, &ProgressSupport::messageChanged,
                         [this](const QString& t) {
                             if (!t.isEmpty())
                                 progressTexts << t;
                         });
    }

    // A volume row of the volume list: its name, its root and whether it is chosen.
    static ListRow volumeRow(const QString& name, const QString& root, bool chosen = true) {
        return ListRow{{name, QStringLiteral("50.00")}, {root}, chosen};
    }

    // Runs the search as the "Find Media Folders" button starts it, to its end.
    void search(const ListRows& volumeRows) {
        model.list(ListId::Volumes).setRows(volumeRows);
        app.whatFunction = JobFindMediaFolders;
        model.FindMediaFolders();
        model.waitUntilIdle();
    }

    const CheckListModel& found() const { return model.list(ListId::MediaFolders); }
    QStringList column(int c) const {
        QStringList out;
        for (const ListRow& r : found().rows())
            out << r.cell(c);
        return out;
    }

    TempTree vol;
    FakeVolumeSource volumes;
    FakeToolRunner runner;
    QTemporaryDir prefsDir;
    AppCore app{prefsDir.filePath(QStringLiteral("Kelvara3.ini"))};
    WindowModel model{app};
    QStringList console, messages, progressTexts;
    QList<int> percents;
};

} // namespace kv::test
