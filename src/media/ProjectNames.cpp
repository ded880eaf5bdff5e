#include "media/ProjectNames.h"

#include "media/MXFReader.h"
#include "media/OMFReader.h"

#include <QTextStream>

namespace kv::FileUtilities {

namespace {

constexpr qsizetype kFolderNameLimit = 33;

bool keptInFolderName(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '-' ||
           u == '_' || u == ' ';
}

} // namespace

QString readProjectName(const QString& path) {
    if (path.endsWith(QLatin1String(".mxf"), Qt::CaseInsensitive))
        return MXFGetProjectName(path);
    if (path.endsWith(QLatin1String(".omf"), Qt::CaseInsensitive))
        return OMFGetProjectName(path);
    return IsMXF(path) ? MXFGetProjectName(path) : OMFGetProjectName(path);
}

QString DBGetProjectName(const QString& fileName, QTextStream* stream) {
    if (stream && stream->readAll().contains(fileName, Qt::CaseInsensitive))
        return QStringLiteral("Found it!");
    return QStringLiteral("No Project Name");
}

QString projectFolderName(const QString& projectName) {
    QString name = projectName.left(kFolderNameLimit);
    if (name.isEmpty())
        return QStringLiteral("Unknown");
    for (QChar& c : name)
        if (!keptInFolderName(c))
            c = u'_';
    return name;
}

QString GetProjectFolderName(const QString& path) {
    return projectFolderName(readProjectName(path));
}

QString fileExtension(const QString& fileName) {
    return fileName.section(u'.', -1);
}

} // namespace kv::FileUtilities
