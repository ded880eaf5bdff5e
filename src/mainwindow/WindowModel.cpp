#include "mainwindow/WindowModel.h"

#include "mainwindow/WorkerThread.h"
#include "scan/FindMediaFoldersThread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace kv {

namespace {

CheckListModel* makeList(ListId id, QObject* parent) {
    using Kind = CheckListModel::SortKind;
    switch (id) {
    case ListId::Volumes: {
        auto* m = new CheckListModel(QStringLiteral("VolumeList"),
                                     {QStringLiteral("Volume"), QStringLiteral("Free")}, parent);
        m->setSortKind(1, Kind::Number);
        return m;
    }
    case ListId::MediaFolders:
        return new CheckListModel(
            QStringLiteral("MediaFolderList"),
            {QStringLiteral("Media Folder Location"), QStringLiteral("Offline Folder")}, parent);
    case ListId::Projects:
    case ListId::OfflineProjects: {
        auto* m = new CheckListModel(
            id == ListId::Projects ? QStringLiteral("ProjectList")
                                   : QStringLiteral("OfflineProjectList"),
            {QStringLiteral("Project"), QStringLiteral("Files"), QStringLiteral("Size")}, parent);
        m->setRightAligned(1, true);
        m->setSortKind(1, Kind::Number);
        m->setSortKind(2, Kind::Number);
        return m;
    }
    case ListId::Files:
    case ListId::OfflineFiles: {
        auto* m = new CheckListModel(
            id == ListId::Files ? QStringLiteral("FileList") : QStringLiteral("OfflineFileList"),
            {QStringLiteral("Media File"), QStringLiteral("Size"), QStringLiteral("Date")}, parent);
        m->setSortKind(1, Kind::Number);
        m->setSortKind(2, Kind::TagNumber);
        return m;
    }
    }
    return nullptr;
}

} // namespace

WindowModel::WindowModel(AppCore& app, QObject* parent)
    : QObject(parent), app(app), progress(app, this) {
    qRegisterMetaType<ListRows>();
    for (int i = 0; i < kListCount; ++i)
        lists[size_t(i)] = makeList(ListId(i), this);
}

WindowModel::~WindowModel() {
    if (!live.isEmpty())
        stopWorkers();
}

// --- Jobs -----------------------------------------------------------------------------

void WindowModel::FindMediaFolders() {
    Q_EMIT jobStarted(QStringLiteral("FindMediaFolders"));
    startWorker(new FindMediaFoldersThread(*this));
}

void WindowModel::ScanOnlineFolders(bool quick) {
    Q_EMIT jobStarted(quick ? QStringLiteral("QuickScanOnline") : QStringLiteral("ScanOnline"));
}

void WindowModel::ScanOfflineFolders(bool quick) {
    Q_EMIT jobStarted(quick ? QStringLiteral("QuickScanOffline") : QStringLiteral("ScanOffline"));
}

void WindowModel::ListProjects(int side) {
    Q_EMIT jobStarted(side == 0 ? QStringLiteral("ListProjectsOnline")
                                : QStringLiteral("ListProjectsOffline"));
}

void WindowModel::MoveMedia(int mode, ListId theList, bool copyMode, const QString& destFolder) {
    Q_EMIT jobStarted(QStringLiteral("MoveMedia"));
}

void WindowModel::RefreshFolders(int side, bool quick) {
    if (side == 0) {
        ScanOnlineFolders(quick);
        dirtyOffline = true;
    } else {
        ScanOfflineFolders(quick);
        dirtyOnline = true;
    }
}

// --- Workers --------------------------------------------------------------------------

void WindowModel::startWorker(WorkerThread* worker) {
    live.append(worker);
    connect(
        worker, &QThread::finished, this, [this, worker] { reap(worker); }, Qt::QueuedConnection);
    worker->start();
}

void WindowModel::reap(WorkerThread* worker) {
    if (!live.contains(worker))
        return;
    worker->wait();
    live.removeOne(worker);
    delete worker;
    if (live.isEmpty())
        Q_EMIT workersIdle();
}

void WindowModel::stopWorkers() {
    app.mQuitting = true;
    while (!live.isEmpty()) {
        live.first()->wait(10);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void WindowModel::waitUntilIdle() {
    if (live.isEmpty())
        return;
    QEventLoop loop;
    connect(this, &WindowModel::workersIdle, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

// --- Display updates ------------------------------------------------------------------

void WindowModel::onUi(std::function<void()> f) {
    QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

ListRows WindowModel::snapshot(ListId id) {
    if (QThread::currentThread() == thread())
        return list(id).rows();
    ListRows rows;
    QMetaObject::invokeMethod(
        this, [this, id, &rows] { rows = list(id).rows(); }, Qt::BlockingQueuedConnection);
    return rows;
}

void WindowModel::postClear(ListId id) {
    onUi([this, id] { list(id).clear(); });
}

void WindowModel::postSetRows(ListId id, ListRows rows) {
    onUi([this, id, rows = std::move(rows)]() mutable { list(id).setRows(std::move(rows)); });
}

void WindowModel::postAppendRows(ListId id, ListRows rows) {
    onUi([this, id, rows = std::move(rows)] { list(id).appendRows(rows); });
}

void WindowModel::postSetCell(ListId id, int row, int column, const QString& text) {
    onUi([this, id, row, column, text] { list(id).setCell(row, column, text); });
}

void WindowModel::postSetAllChecked(ListId id, bool on) {
    onUi([this, id, on] { list(id).setAllChecked(on); });
}

void WindowModel::requestEnableControls(bool on) {
    onUi([this, on] { Q_EMIT enableControlsRequested(on); });
}

void WindowModel::requestControlEnabled(const QString& controlName, bool on) {
    onUi([this, controlName, on] { Q_EMIT controlEnabledRequested(controlName, on); });
}

void WindowModel::requestLabel(const QString& labelName, const QString& text) {
    onUi([this, labelName, text] { Q_EMIT labelRequested(labelName, text); });
}

void WindowModel::requestButtonTimer(bool running) {
    onUi([this, running] { Q_EMIT buttonTimerRequested(running); });
}

void WindowModel::requestUpdateTotals() {
    onUi([this] { Q_EMIT updateTotalsRequested(); });
}

void WindowModel::requestOnlineTotals() {
    onUi([this] { Q_EMIT onlineTotalsRequested(); });
}

void WindowModel::requestPage(int page) {
    onUi([this, page] { Q_EMIT pageRequested(page); });
}

void WindowModel::requestMessage(const QString& text) {
    onUi([this, text] { Q_EMIT messageRequested(text); });
}

void WindowModel::requestQuit() {
    onUi([this] { Q_EMIT quitRequested(); });
}

} // namespace kv
