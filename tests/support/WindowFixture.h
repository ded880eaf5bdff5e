#pragma once

// A main window for GUI tests, with its own preferences file in a temporary folder.
// Header-only: only the GUI test executables include it.

#include "app/AppCore.h"
#include "app/MainMenu.h"
#include "mainwindow/CheckListView.h"
#include "mainwindow/KVWindow.h"
#include "mainwindow/WorkerThread.h"
#include "support/FakeVolumeSource.h"
#include "support/TestEnv.h"
#include "ui/MessageBox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kv::test {

class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        MessageBox::setRecording(true);
        app = std::make_unique<AppCore>(dir.filePath(QStringLiteral("Kelvara3.ini")));
        prepare(*app);
        app->LoadPrefs();
        menu = new MainMenu;
        window = std::make_unique<KVWindow>(*app, menu);
        window->model().progress.setEndPauseMilliseconds(0);
    }
    void TearDown() override {
        window.reset();
        app.reset();
    }
    // Runs before the window is created: write preferences here.
    virtual void prepare(AppCore&) {}

    WindowModel& model() { return window->model(); }
    CheckListModel& list(ListId id) { return window->model().list(id); }
    ListRow row(QStringList cells, bool checked = false, QStringList tags = {}) {
        return ListRow{std::move(cells), std::move(tags), checked};
    }

    QTemporaryDir dir;
    FakeVolumeSource volumes; // no volume unless the test adds some (in prepare)
    std::unique_ptr<AppCore> app;
    MainMenu* menu = nullptr; // owned by the window
    std::unique_ptr<KVWindow> window;
};

} // namespace kv::test
