#include "app/UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef KELVARA_GUIDE_RELATIVE_PATH
#define KELVARA_GUIDE_RELATIVE_PATH "../share/doc/Kelvara/guide/index.html"
#endif

namespace kv {

QString userGuideFile() {
    const QString path = QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' +
                                         QString::fromUtf8(KELVARA_GUIDE_RELATIVE_PATH));
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace kv
