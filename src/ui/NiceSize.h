#pragma once

#include <QString>

namespace kv::FileUtilities {

// A byte count (its decimal text) as a short text with a unit: "900 bytes", "3 KB",
// "1.5 MB", "5 GB", "1.5 TB"; empty from 10^15 bytes up.
QString niceSize(const QString& bytes);
QString niceSize(quint64 bytes);

// The value's decimal text cut (never rounded) to at most `places` decimals.
QString Trunc(double value, int places);

} // namespace kv::FileUtilities
