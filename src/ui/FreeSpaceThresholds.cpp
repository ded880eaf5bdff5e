#include "ui/FreeSpaceThresholds.h"

#include "app/AppCore.h"

#include <algorithm>

namespace kv {

namespace {

const QString kSection = QStringLiteral("Free_Space_Monitor");
const QString kYellow = QStringLiteral("Yellow_Threshold");
const QString kRed = QStringLiteral("Red_Threshold");

} // namespace

FreeSpaceThresholds FreeSpaceThresholds::read(const AppCore& app) {
    FreeSpaceThresholds t;
    t.yellow = prefNumber(app.getPref(kSection, kYellow, QStringLiteral("30")));
    t.red = prefNumber(app.getPref(kSection, kRed, QStringLiteral("10")));
    return t;
}

void FreeSpaceThresholds::store(AppCore& app) const {
    app.setPref(kSection, kYellow, QString::number(yellow));
    app.setPref(kSection, kRed, QString::number(red));
}

int yellowAtOrAboveRed(int yellow, int red) {
    if (yellow < red)
        return std::min(red + 1, 100);
    return yellow;
}

} // namespace kv
