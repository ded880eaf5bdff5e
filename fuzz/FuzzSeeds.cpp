// Writes the seed inputs of the fuzz targets, built with the media fixture builders:
//   fuzz_seeds MXF_CORPUS_DIR OMF_CORPUS_DIR

#include "media/MediaFixtures.h"

#include <QDir>

#include <cstdio>

using namespace kv::MediaFixtures;

namespace {

// The 8-byte head of a SparseSource input: the file's length, then where the rest lies.
QByteArray sparse(quint32 length, quint32 offset, const QByteArray& rest) {
    QByteArray head;
    for (quint32 v : {length, offset})
        for (int i = 0; i < 4; ++i)
            head.append(char(v >> (8 * i)));
    return head + rest;
}

QByteArray plain(const QByteArray& file) {
    return sparse(0, 0, file);
}

bool writeSeeds(const QString& dir, const QVector<QPair<const char*, QByteArray>>& seeds) {
    QDir().mkpath(dir);
    for (const auto& [name, bytes] : seeds)
        if (!writeFile(dir + u'/' + QString::fromLatin1(name), bytes))
            return false;
    return true;
}

QVector<QPair<const char*, QByteArray>> mxfSeeds() {
    const auto small = [] {
        MXFFile f;
        f.size = 1024;
        return f;
    };
    return {
        {"a", plain(mxfWithName("Alpha"))},
        {"b", plain(small().name(Pattern::B, 100, "Bravo").build())},
        {"c", plain(small().name(Pattern::C, 100, "Charlie").build())},
        {"c-then-a", plain(small().name(Pattern::C, 50, "C").name(Pattern::A, 500, "A").build())},
        {"b-and-a", plain(small().name(Pattern::B, 50, "B").name(Pattern::A, 500, "A").build())},
        {"a-short",
         plain(small().bytes(100, patternBytes(Pattern::A) + QByteArray::fromHex("0200")).build())},
        {"a-window-edge", sparse(200000, 74995, nameRecord(Pattern::A, "Edge"))},
        {"a-last-window", sparse(1100000, 1000000, nameRecord(Pattern::A, "Late"))},
        {"a-too-late", sparse(1100000, 1049777, nameRecord(Pattern::A, "Gone"))},
        {"c-far", sparse(300000, 150000, nameRecord(Pattern::C, "Fallback"))},
        {"a-at-end", sparse(0, 5000, nameRecord(Pattern::A, "End").left(20))},
    };
}

QVector<QPair<const char*, QByteArray>> omfSeeds() {
    const auto immediate = [](quint32 object) { return projectValue(object, 0x44434241, 4, 1); };
    OMFFile later;
    later.toc = {projectMarker(7), immediate(9), projectMarker(9), immediate(9)};
    OMFFile objectZero;
    objectZero.toc = {immediate(0)};
    OMFFile past;
    past.toc = {projectMarker(2), projectValue(2, 40, 0xFFFFFFFF)};
    OMFFile noToc;
    noToc.size = 1000;
    noToc.tocOffsetField = 900;
    noToc.tocSizeField = 200;
    OMFFile badSize;
    badSize.tocSizeField = 100;
    OMFFile badMagic;
    badMagic.signature = QByteArray::fromHex("7fffff7fffffffff");
    return {
        {"name", plain(omfWithName("Spring Promo"))},
        {"later-marker", plain(later.build())},
        {"object-zero", plain(objectZero.build())},
        {"value-past-end", plain(past.build())},
        {"no-toc", plain(noToc.build())},
        {"toc-size", plain(badSize.build())},
        {"bad-magic", plain(badMagic.build())},
        {"far-toc", sparse(4 << 20, (4 << 20) - 2000, later.build())},
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds MXF_CORPUS_DIR OMF_CORPUS_DIR\n");
        return 2;
    }
    const bool ok = writeSeeds(QString::fromLocal8Bit(argv[1]), mxfSeeds()) &&
                    writeSeeds(QString::fromLocal8Bit(argv[2]), omfSeeds());
    return ok ? 0 : 1;
}
