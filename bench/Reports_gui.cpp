// Reports of a 50,000-row file list: the text that "Save Media File List..." writes, and
// the whole printed report (1,100 or so pages) rendered into a PDF.

#include "ui/PlatformDialogs.h"
#include "ui/ReportPrinter.h"
#include "ui/ReportText.h"

#include <QApplication>
#include <QPageLayout>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

kv::ReportSnapshot fileList(int rows) {
    kv::ReportSnapshot report;
    report.headings = {QStringLiteral("Media File"), QStringLiteral("Size"),
                       QStringLiteral("Date")};
    report.columnWidths = {254, 70, 70};
    report.rows.reserve(rows);
    for (int i = 0; i < rows; ++i)
        report.rows.append(
            kv::ListRow{{QStringLiteral("A%1C003_230415_R1ZK.V1.mxf").arg(i),
                         QString::number(1073741824LL + i), QStringLiteral("4/15/23")},
                        {},
                        false});
    return report;
}

void BM_SavedListText(benchmark::State& state) {
    const kv::ReportSnapshot report = fileList(int(state.range(0)));
    for (auto _ : state) {
        QByteArray bytes = kv::FileUtilities::listBoxText(report.headings, report.rows).toUtf8();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["rows"] = double(state.range(0));
}
BENCHMARK(BM_SavedListText)->Arg(50000)->Unit(benchmark::kMillisecond);

void BM_PrintedListToPdf(benchmark::State& state) {
    const kv::ReportSnapshot report = fileList(int(state.range(0)));
    QTemporaryDir dir;
    kv::PlatformDialogs::setRecording(true);
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                         QPageLayout::Point);
    for (auto _ : state) {
        kv::PlatformDialogs::setNextPageSetupAnswer({true, a4});
        kv::PlatformDialogs::setNextPrintAnswer({true, dir.filePath("report.pdf"), 0, 0});
        kv::printReport(nullptr, report);
    }
    state.counters["rows"] = double(state.range(0));
}
BENCHMARK(BM_PrintedListToPdf)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(3);

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
