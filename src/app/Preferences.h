#pragma once

#include <QHash>
#include <QMutex>
#include <QString>
#include <QVector>

#include <optional>

namespace kv {

// The INI-style preferences store: sections of key = value strings, looked up ignoring
// letter case, kept in the order they were first met. Loaded once at start-up and written
// once at shut-down; in between every change lives in memory.
//
// Safe to use from any thread: the project list worker reads it while the UI thread may
// write it.
class Preferences {
public:
    Preferences() = default;
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    // The stored value, or defaultValue when the section or the key is missing.
    // An empty stored value is returned as empty.
    QString getPref(const QString& section, const QString& key, const QString& defaultValue) const;
    std::optional<QString> find(const QString& section, const QString& key) const;
    void setPref(const QString& section, const QString& key, const QString& value);

    // Replaces the store with what the text holds (the file's whole content).
    void loadFromText(const QString& text);
    // The store as file text: each section's header, its entries, then one empty line.
    QString toText() const;

    // Replaces the store with the file's contents; an absent or unreadable file leaves the
    // store empty. Reads at most kMaxFileBytes of a file.
    void load(const QString& filePath);
    // Writes the store to a temporary file beside filePath and renames it into place, so the
    // old file stays whole when anything fails. Creates a missing folder. False on failure.
    bool save(const QString& filePath) const;

    // "Kelvara3.ini" in the user's configuration folder.
    static QString defaultFilePath();

    void clear();
    QStringList sectionNames() const;
    QStringList keys(const QString& section) const;

    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

private:
    struct Section {
        QString name;
        QVector<QPair<QString, QString>> entries;
        QHash<QString, qsizetype> index; // folded key -> position in entries
    };
    static QString fold(const QString& s) { return s.toCaseFolded(); }
    const Section* sectionFor(const QString& name) const;
    Section& sectionCreate(const QString& name);
    static void setIn(Section& section, const QString& key, const QString& value);

    mutable QMutex mutex;
    QVector<Section> sections;
    QHash<QString, qsizetype> sectionIndex; // folded name -> position in sections
};

} // namespace kv
