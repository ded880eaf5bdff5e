#pragma once

#include "scan/FileInfoCache.h"

#include <QHash>
#include <QString>

#include <vector>

namespace kv {

// A dictionary from a media file's path to its record that keeps the order in which keys
// were first inserted (replacing a value keeps its place). Removal is O(1); iteration
// skips removed entries, which are compacted away once they are the majority.
class FileDict {
public:
    qsizetype size() const { return live; }
    bool isEmpty() const { return live == 0; }
    bool contains(const QString& path) const { return index.contains(path); }
    FileRecord value(const QString& path) const;
    void insert(const QString& path, FileRecord record);
    bool remove(const QString& path);
    void clear();
    void reserve(qsizetype n);

    // Visits every entry in order: f(const QString& path, const FileRecord& record).
    template <typename F> void forEach(F&& f) const {
        for (const Slot& s : entries)
            if (s.record)
                f(s.path, s.record);
    }
    // The records in order.
    std::vector<FileRecord> records() const;

private:
    struct Slot {
        QString path;
        FileRecord record; // null once removed
    };
    void compact();

    std::vector<Slot> entries;
    QHash<QString, qsizetype> index; // path -> position in entries
    qsizetype live = 0;
};

} // namespace kv
