// The MXF reader over 10,000 files whose project name lies in the first search window,
// against the floor of merely reading the first 75,000 bytes of each file the same way
// (open, one positioned read, close). Target: at most 1.2 × the floor.
//
// BM_ReaderOverFloor runs both passes in turn in each iteration and reports their CPU times
// and the ratio, which holds steady while other work shares the machine.

#include "media/MXFReader.h"
#include "media/MediaFixtures.h"
#include "platform/NativePath.h"

#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

using namespace kv;

namespace {

constexpr int kFiles = 10000;
constexpr qint64 kFileSize = 100000;
constexpr qint64 kWindow = 75000;

struct MediaTree {
    QTemporaryDir dir;
    QStringList paths;

    MediaTree() {
        // Names at offsets spread over the first window, in pseudo-random bytes.
        for (int i = 0; i < kFiles; ++i) {
            MediaFixtures::MXFFile file;
            file.size = kFileSize;
            file.noise = true;
            const qint64 offset = 16 + (qint64(i) * 7919) % (kWindow - 200);
            file.name(MediaFixtures::Pattern::A, offset, "Project " + QByteArray::number(i % 50));
            const QString path = dir.filePath(QStringLiteral("clip%1.mxf").arg(i));
            if (!MediaFixtures::writeFile(path, file.build())) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                std::exit(1);
            }
            paths << path;
        }
    }
};

const MediaTree& tree() {
    static const MediaTree t;
    return t;
}

qint64 readFirstWindows(const QStringList& paths) {
    static char buffer[kWindow];
    qint64 bytes = 0;
    for (const QString& path : paths) {
        const int fd = ::open(platform::toNative(path).constData(), O_RDONLY | O_CLOEXEC);
        bytes += ::pread(fd, buffer, kWindow, 0);
        ::close(fd);
    }
    return bytes;
}

qsizetype readProjectNames(const QStringList& paths) {
    qsizetype chars = 0;
    for (const QString& path : paths)
        chars += FileUtilities::MXFGetProjectName(path).size();
    return chars;
}

double threadCpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void BM_ReadFirstWindow(benchmark::State& state) {
    const QStringList& paths = tree().paths;
    for (auto _ : state)
        benchmark::DoNotOptimize(readFirstWindows(paths));
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_MXFGetProjectName(benchmark::State& state) {
    const QStringList& paths = tree().paths;
    for (auto _ : state)
        benchmark::DoNotOptimize(readProjectNames(paths));
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_ReaderOverFloor(benchmark::State& state) {
    const QStringList& paths = tree().paths;
    double floorMs = 0;
    double readerMs = 0;
    for (auto _ : state) {
        double t = threadCpuMs();
        benchmark::DoNotOptimize(readFirstWindows(paths));
        floorMs += threadCpuMs() - t;
        t = threadCpuMs();
        benchmark::DoNotOptimize(readProjectNames(paths));
        readerMs += threadCpuMs() - t;
    }
    const double n = double(state.iterations());
    state.counters["floor_ms"] = floorMs / n;
    state.counters["reader_ms"] = readerMs / n;
    state.counters["ratio"] = readerMs / floorMs;
}

} // namespace

BENCHMARK(BM_ReadFirstWindow)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_MXFGetProjectName)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ReaderOverFloor)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3);

BENCHMARK_MAIN();
