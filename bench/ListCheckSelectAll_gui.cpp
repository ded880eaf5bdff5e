// "All" and "None" over a 50,000-row file list of the real window, with the list's change
// handling (selection, counts and sizes) and the view's selection kept in step.

#include "app/AppCore.h"
#include "app/MainMenu.h"
#include "mainwindow/KVWindow.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

kv::KVWindow* makeWindow(int rows) {
    static QTemporaryDir dir;
    static kv::AppCore app(dir.filePath("Kelvara3.ini"));
    auto* window = new kv::KVWindow(app, new kv::MainMenu);
    kv::ListRows data;
    data.reserve(rows);
    for (int i = 0; i < rows; ++i)
        data.append(kv::ListRow{{QStringLiteral("A%1V01.mxf").arg(i), QString::number(1000 + i),
                                 QStringLiteral("12/11/26")},
                                {QString(), QStringLiteral("/media/V/Avid MediaFiles/MXF/1/A%1").arg(i),
                                 QString::number(1765400000 + i)},
                                false});
    window->model().list(kv::ListId::Files).setRows(data);
    window->showPage(1);
    window->show();
    return window;
}

void BM_ListCheckSelectAll(benchmark::State& state) {
    kv::KVWindow* window = makeWindow(int(state.range(0)));
    bool on = true;
    for (auto _ : state) {
        window->ListCheckSelectAll(kv::ListId::Files, on);
        on = !on;
    }
    state.counters["rows"] = double(state.range(0));
    delete window;
}
BENCHMARK(BM_ListCheckSelectAll)->Arg(50000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
