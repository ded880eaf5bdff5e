// The media folder search over a tree of 2,000 media folders holding 100,000 files, against
// "find ROOT -type f" over the same tree. Both run warm (the tree is in the page cache).

#include "app/AppCore.h"
#include "mainwindow/WindowModel.h"
#include "platform/NativePath.h"
#include "platform/ProgramRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFolders = 2000;
constexpr int kFilesPerFolder = 50;

// Avid MediaFiles/MXF/<n>/ with 50 files each, spread over the two trees, and a few
// folders the search must pass over.
const QString& tree() {
    static QTemporaryDir dir;
    static const QString root = [] {
        const QByteArray top = kv::platform::toNative(dir.path());
        for (const char* t : {"/Avid MediaFiles", "/Avid MediaFiles/MXF", "/OMFI MediaFiles"})
            ::mkdir((top + t).constData(), 0755);
        for (int f = 0; f < kFolders; ++f) {
            const QByteArray folder =
                top + (f % 10 == 0 ? "/OMFI MediaFiles/" : "/Avid MediaFiles/MXF/") +
                QByteArray::number(f);
            ::mkdir(folder.constData(), 0755);
            for (int i = 0; i < kFilesPerFolder; ++i) {
                const QByteArray file =
                    folder + "/A" + QByteArray::number(f) + "V" + QByteArray::number(i) + ".mxf";
                ::close(::open(file.constData(), O_WRONLY | O_CREAT, 0644));
            }
        }
        return dir.path() + u'/';
    }();
    return root;
}

void BM_FindMediaFolders(benchmark::State& state) {
    const QString root = tree();
    QTemporaryDir prefs;
    kv::AppCore app(prefs.filePath("Kelvara3.ini"));
    kv::WindowModel model(app);
    model.progress.setEndPauseMilliseconds(0);
    model.list(kv::ListId::Volumes).setRows({kv::ListRow{{"V", "50.00"}, {root}, true}});
    for (auto _ : state) {
        model.FindMediaFolders();
        model.waitUntilIdle();
        QCoreApplication::processEvents(); // the rows and the end of the job
        if (model.list(kv::ListId::MediaFolders).count() != kFolders)
            state.SkipWithError("not every media folder was found");
    }
    state.counters["files"] = kFolders * kFilesPerFolder;
}
BENCHMARK(BM_FindMediaFolders)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FindTypeF(benchmark::State& state) {
    const QByteArray root = kv::platform::toNative(tree());
    for (auto _ : state) {
        // Its output goes to /dev/null, as the search's rows go to a list.
        const kv::platform::ProgramResult r =
            kv::platform::runProgram("/usr/bin/find", {root, "-type", "f"}, false);
        if (!r.started || r.exitStatus != 0)
            state.SkipWithError("find failed");
    }
}
BENCHMARK(BM_FindTypeF)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
