#include "media/FileTypes.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

TEST(FileTypes, OffersTextFileForReports) {
    FileTypes::initialize();
    const FileTypes::FileType& text = FileTypes::textFile();
    EXPECT_EQ(text.name, QStringLiteral("textFile"));
    EXPECT_EQ(text.extensions, QStringList{QStringLiteral("txt")});
    EXPECT_EQ(text.macType, QStringLiteral("TEXT"));
    EXPECT_EQ(text.macCreator, QStringLiteral("Kvlr"));
    EXPECT_EQ(FileTypes::nameFilter(text), QStringLiteral("textFile (*.txt)"));

    QStringList names;
    for (const FileTypes::FileType& type : FileTypes::all())
        names << type.name + u':' + type.extensions.join(u',') + u':' + type.macType + u':' +
                     type.macCreator;
    EXPECT_EQ(names, (QStringList{"special/any:*:????:????", "mxf:mxf:????:????",
                                  "omf:omf:????:????", "textFile:txt:TEXT:Kvlr"}));
}

} // namespace
