#include "platform/NativePath.h"
#include "support/TempTree.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace kv;
using test::TempTree;

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out, err;
};

CliRun cli(const QStringList& args, const QString& workingDir = QString()) {
    QProcess p;
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(QStringLiteral(KELVARA_CLI_PATH), QStringList{"find"} + args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

TEST(FindCommand, PrintsEachMediaFolderWithItsOfflineFolder) {
    TempTree a, b;
    a.file("Avid MediaFiles/MXF/1/A.mxf");
    a.file("Avid MediaFiles/MXF/two\tparts\nand\\more/B.mxf");
    b.file("OMFI MediaFiles/1/c.omf");
    const CliRun r = cli({a.root(), b.root().chopped(1)}); // with or without the final "/"
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.takeLast(), "");
    const QByteArray ra = platform::toNative(a.root()), rb = platform::toNative(b.root());
    QList<QByteArray> expected = {
        ra + "Avid MediaFiles/MXF/1/\t" + ra + "Kelvara Offline/Avid MediaFiles/MXF/1/",
        ra + "Avid MediaFiles/MXF/two\\tparts\\nand\\\\more/\t" + ra +
            "Kelvara Offline/Avid MediaFiles/MXF/two\\tparts\\nand\\\\more/",
        rb + "OMFI MediaFiles/1/\t" + rb + "Kelvara Offline/OMFI MediaFiles/1/",
    };
    std::sort(lines.begin(), lines.begin() + 2); // the file system's order within a tree
    std::sort(expected.begin(), expected.begin() + 2);
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(
        TempTree::isFolder(a.path("Kelvara Offline/Avid MediaFiles/MXF/two\tparts\nand\\more/")));
}

TEST(FindCommand, AFolderBeginningWithADashIsARootAfterTheEndOfOptions) {
    TempTree t;
    t.file("-vol/Avid MediaFiles/MXF/1/A.mxf");
    const CliRun r = cli({"--", "-vol"}, t.root());
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, platform::toNative(t.path("-vol/Avid MediaFiles/MXF/1/\t") +
                                        t.path("-vol/Kelvara Offline/Avid MediaFiles/MXF/1/\n")));
}

TEST(FindCommand, ExitStatuses) {
    TempTree t;
    t.file("V/Kelvara Offline"); // a file where the offline root must go
    t.file("V/Avid MediaFiles/MXF/1/A.mxf");
    t.file("V/Avid MediaFiles/MXF/2/B.mxf");
    const CliRun failed = cli({t.path("V")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out.count('\n'), 1) << "the search stops at the first folder";
    EXPECT_TRUE(failed.out.endsWith("/\t\n")) << "with an empty offline column";
    EXPECT_TRUE(failed.err.contains("Error creating the offline folder of: "))
        << failed.err.toStdString();

    for (const QStringList& bad : {QStringList{}, QStringList{"-x", t.root()},
                                   QStringList{t.path("missing")}, QStringList{"--"}}) {
        const CliRun r = cli(bad);
        EXPECT_EQ(r.exitCode, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

} // namespace
