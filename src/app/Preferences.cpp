#include "app/Preferences.h"

#include "app/Version.h"
#include "platform/AtomicFile.h"
#include "platform/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kv {

QString Preferences::getPref(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    return find(section, key).value_or(defaultValue);
}

std::optional<QString> Preferences::find(const QString& section, const QString& key) const {
    QMutexLocker lock(&mutex);
    const Section* s = sectionFor(section);
    if (!s)
        return std::nullopt;
    const auto it = s->index.constFind(fold(key));
    if (it == s->index.constEnd())
        return std::nullopt;
    return s->entries[*it].second;
}

void Preferences::setPref(const QString& section, const QString& key, const QString& value) {
    QMutexLocker lock(&mutex);
    setIn(sectionCreate(section), key, value);
}

const Preferences::Section* Preferences::sectionFor(const QString& name) const {
    const auto it = sectionIndex.constFind(fold(name));
    return it == sectionIndex.constEnd() ? nullptr : &sections[*it];
}

Preferences::Section& Preferences::sectionCreate(const QString& name) {
    const QString folded = fold(name);
    const auto it = sectionIndex.constFind(folded);
    if (it != sectionIndex.constEnd())
        return sections[*it];
    sectionIndex.insert(folded, sections.size());
    sections.append(Section{name, {}, {}});
    return sections.last();
}

void Preferences::setIn(Section& section, const QString& key, const QString& value) {
    const QString folded = fold(key);
    const auto it = section.index.constFind(folded);
    if (it != section.index.constEnd()) {
        section.entries[*it].second = value;
        return;
    }
    section.index.insert(folded, section.entries.size());
    section.entries.append({key, value});
}

void Preferences::clear() {
    QMutexLocker lock(&mutex);
    sections.clear();
    sectionIndex.clear();
}

void Preferences::loadFromText(const QString& text) {
    QString normalised = text;
    normalised.replace(QChar(10), QChar(13));
    const QStringList lines = normalised.split(QChar(13));

    QMutexLocker lock(&mutex);
    sections.clear();
    sectionIndex.clear();
    Section* current = nullptr;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2) {
            current = &sectionCreate(line.mid(1, line.size() - 2));
            continue;
        }
        if (!current)
            continue;
        const QStringList parts = line.split(u'=');
        if (parts.size() == 2)
            setIn(*current, parts[0], parts[1]);
    }
}

QString Preferences::toText() const {
    QMutexLocker lock(&mutex);
    QString out;
    for (const Section& s : sections) {
        out += u'[' + s.name + QStringLiteral("]\n");
        for (const auto& [key, value] : s.entries)
            out += key + u'=' + value + u'\n';
        out += u'\n';
    }
    return out;
}

void Preferences::load(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        clear();
        return;
    }
    const QByteArray bytes = file.read(kMaxFileBytes);
    file.close();
    loadFromText(platform::fromNative(bytes));
}

bool Preferences::save(const QString& filePath) const {
    const QFileInfo info(filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    return platform::writeFileAtomically(filePath, platform::toNative(toText()));
}

QString Preferences::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QString::fromLatin1(kPreferencesFileName);
}

QStringList Preferences::sectionNames() const {
    QMutexLocker lock(&mutex);
    QStringList out;
    for (const Section& s : sections)
        out << s.name;
    return out;
}

QStringList Preferences::keys(const QString& section) const {
    QMutexLocker lock(&mutex);
    QStringList out;
    if (const Section* s = sectionFor(section))
        for (const auto& e : s->entries)
            out << e.first;
    return out;
}

} // namespace kv
