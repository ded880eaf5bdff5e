#pragma once

// A test fixture with a temporary folder in which the test writes the media files it builds.
// Header-only.

#include "media/MediaFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kv::test {

class MediaDirTest : public ::testing::Test {
protected:
    // Writes the bytes to a file of that name in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(MediaFixtures::writeFile(path, bytes)) << path.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

} // namespace kv::test
