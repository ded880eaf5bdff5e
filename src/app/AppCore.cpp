#include "app/AppCore.h"

#include "mainwindow/ListRow.h"

namespace kv {

AppCore::AppCore(QString preferencesFile) : prefsFile(std::move(preferencesFile)) {}

void AppCore::LoadPrefs() { prefs.load(prefsFile); }

bool AppCore::SavePrefs() { return prefs.save(prefsFile); }

int prefNumber(const QString& text) {
    const double v = leadingNumber(text);
    if (v >= 2147483647.0)
        return 2147483647;
    if (v <= -2147483648.0)
        return -2147483647 - 1;
    return int(v);
}

} // namespace kv
