#include "media/ProjectNames.h"

#include "media/MXFReader.h"
#include "media/OMFReader.h"

#include <QTextStream>

namespace kv::FileUtilities {

// Placeholder bodies until the readers land.
bool IsMXF(const QString&) { return false; }
QString MXFGetProjectName(const QString&) { return QStringLiteral("~ No Project Name: MXF key not found"); }
QString OMFGetProjectName(const QString&) { return QString(); }
QString readProjectName(const QString& path) { return MXFGetProjectName(path); }
QString DBGetProjectName(const QString&, QTextStream*) { return QStringLiteral("No Project Name"); }
QString GetProjectFolderName(const QString&) { return QStringLiteral("Unknown"); }
QString fileExtension(const QString& fileName) { return fileName.section(u'.', -1); }

} // namespace kv::FileUtilities
