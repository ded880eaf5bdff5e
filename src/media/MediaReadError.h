#pragma once

#include <QString>

#include <stdexcept>

namespace kv {

// A media file that exists but cannot be opened or read. The OMF reader passes it to its
// caller; the scan then abandons the folder and reports it.
class MediaReadError : public std::runtime_error {
public:
    explicit MediaReadError(const QString& reason)
        : std::runtime_error(reason.toStdString()), why(reason) {}
    const QString& reason() const { return why; }

private:
    QString why;
};

} // namespace kv
