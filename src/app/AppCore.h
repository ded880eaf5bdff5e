#pragma once

#include "app/Preferences.h"

#include <QString>

#include <atomic>

namespace kv {

// Job codes: which kind of job the user started last.
enum JobCode : int {
    JobNone = 0,
    JobFindMediaFolders = 1,
    JobAnalyseOnline = 2,
    JobMoveOffline = 3,
    JobMoveOnline = 4,
    JobCopy = 5,
};

// The application-wide state that the display-free core needs: the preferences store, the
// quitting flag and the job code. The GUI's application object and the command-line tool
// each own one.
class AppCore {
public:
    explicit AppCore(QString preferencesFile = Preferences::defaultFilePath());

    Preferences prefs;
    std::atomic<bool> mQuitting{false};
    std::atomic<int> whatFunction{JobNone};

    QString getPref(const QString& section, const QString& key, const QString& defaultValue) const {
        return prefs.getPref(section, key, defaultValue);
    }
    void setPref(const QString& section, const QString& key, const QString& value) {
        prefs.setPref(section, key, value);
    }
    void LoadPrefs();
    bool SavePrefs();

    const QString& preferencesFile() const { return prefsFile; }

private:
    QString prefsFile;
};

// A preference read as a number: the decimal number at the start of the text converted to a
// 32-bit whole number; 0 when the text does not start with one.
int prefNumber(const QString& text);

} // namespace kv
