#include "scan/FileDict.h"

namespace kv {

FileRecord FileDict::value(const QString& path) const {
    const auto it = index.constFind(path);
    return it == index.constEnd() ? nullptr : entries[size_t(*it)].record;
}

void FileDict::insert(const QString& path, FileRecord record) {
    if (!record)
        return;
    const auto it = index.constFind(path);
    if (it != index.constEnd()) {
        entries[size_t(*it)].record = std::move(record);
        return;
    }
    index.insert(path, qsizetype(entries.size()));
    entries.push_back({path, std::move(record)});
    ++live;
}

bool FileDict::remove(const QString& path) {
    const auto it = index.constFind(path);
    if (it == index.constEnd())
        return false;
    Slot& s = entries[size_t(*it)];
    s.record.reset();
    s.path.clear();
    index.erase(it);
    --live;
    if (entries.size() > 64 && qsizetype(entries.size()) > 2 * live)
        compact();
    return true;
}

void FileDict::clear() {
    entries.clear();
    index.clear();
    live = 0;
}

void FileDict::reserve(qsizetype n) {
    entries.reserve(size_t(n));
    index.reserve(n);
}

std::vector<FileRecord> FileDict::records() const {
    std::vector<FileRecord> out;
    out.reserve(size_t(live));
    for (const Slot& s : entries)
        if (s.record)
            out.push_back(s.record);
    return out;
}

void FileDict::compact() {
    std::vector<Slot> kept;
    kept.reserve(size_t(live));
    for (Slot& s : entries)
        if (s.record)
            kept.push_back(std::move(s));
    entries = std::move(kept);
    for (qsizetype i = 0; i < qsizetype(entries.size()); ++i)
        index[entries[size_t(i)].path] = i;
}

} // namespace kv
