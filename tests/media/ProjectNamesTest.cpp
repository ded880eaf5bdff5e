#include "media/ProjectNames.h"
#include "media/MediaFixtures.h"
#include "media/MediaReadError.h"
#include "support/MediaDirTest.h"

#include <QTextStream>

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::FileUtilities;
using namespace kv::MediaFixtures;

namespace {

class ProjectNamesTest : public test::MediaDirTest {};

TEST_F(ProjectNamesTest, TheNameEndingChoosesTheReaderThenTheContent) {
    const QByteArray mxf = mxfWithName("From MXF");
    const QByteArray omf = omfWithName("From OMF");
    const struct {
        const char* name;
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"a.mxf", mxf, "From MXF"}, {"b.MXF", omf, "~ No Project Name: MXF key not found"},
        {"c.omf", omf, "From OMF"}, {"d.Omf", mxf, "~ No Project Name: Bad Magic Bytes"},
        {"e", mxf, "From MXF"},     {"f.dat", omf, "From OMF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readProjectName(write(QString::fromLatin1(c.name), c.bytes)), c.expected);
    }
    // Without a known ending a missing file is not MXF, so the OMF reader says why.
    EXPECT_EQ(readProjectName(dir.filePath(QStringLiteral("missing"))),
              QStringLiteral("~ No Project Name: File does not exist"));
}

TEST(ProjectFolderName, CutsTo33ThenReplacesEveryOtherCharacter) {
    const struct {
        QString projectName;
        QString expected;
    } cases[] = {
        {"Spring/Promo: Final Cut 2", "Spring_Promo_ Final Cut 2"},
        {QString(40, u'k'), QString(33, u'k')},
        {"", "Unknown"},
        {"~ No Project Name: MXF key not found", "_ No Project Name_ MXF key not fo"},
        {"abcXYZ019-_ ", "abcXYZ019-_ "},
        {QString::fromLatin1("Caf\xE9\t.x"), "Caf___x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.projectName.toStdString());
        EXPECT_EQ(projectFolderName(c.projectName), c.expected);
    }
}

TEST_F(ProjectNamesTest, GetProjectFolderNameReadsTheFile) {
    EXPECT_EQ(GetProjectFolderName(
                  write(QStringLiteral("a.mxf"), mxfWithName("Spring/Promo: Final Cut 2"))),
              QStringLiteral("Spring_Promo_ Final Cut 2"));
    OMFFile noMatch;
    EXPECT_EQ(GetProjectFolderName(write(QStringLiteral("b.omf"), noMatch.build())),
              QStringLiteral("Unknown"));
    EXPECT_EQ(GetProjectFolderName(dir.filePath(QStringLiteral("gone.mxf"))),
              QStringLiteral("_ No Project Name_ MXF key not fo"));
    EXPECT_THROW(GetProjectFolderName(dir.path() + QStringLiteral("/")), MediaReadError);
}

TEST(DBGetProjectName, OnlyTheFirstCallOnAStreamSeesItsText) {
    QString text = QStringLiteral("PMR\r\nvolume a001c002.MXF 17\r\n");
    QTextStream stream(&text);
    EXPECT_EQ(DBGetProjectName(QStringLiteral("A001C002.mxf"), &stream),
              QStringLiteral("Found it!"));
    EXPECT_EQ(DBGetProjectName(QStringLiteral("A001C002.mxf"), &stream),
              QStringLiteral("No Project Name"));
    EXPECT_EQ(DBGetProjectName(QStringLiteral("A001C002.mxf"), nullptr),
              QStringLiteral("No Project Name"));
    QString other = QStringLiteral("B001.mxf");
    QTextStream otherStream(&other);
    EXPECT_EQ(DBGetProjectName(QStringLiteral("A001C002.mxf"), &otherStream),
              QStringLiteral("No Project Name"));
}

TEST(FileExtension, IsTheLastDotSeparatedPart) {
    const struct {
        QString name;
        QString expected;
    } cases[] = {
        {"clip.01.mxf", "mxf"}, {"clip", "clip"}, {"clip.", ""},
        {"CLIP.MXF", "MXF"},    {".pmr", "pmr"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fileExtension(c.name), c.expected) << c.name.toStdString();
}

} // namespace
