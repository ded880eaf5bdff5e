#pragma once

#include <QString>

class QTextStream;

namespace kv::FileUtilities {

// The project name the scan reads for a media file: the MXF reader for names ending
// ".mxf", the OMF reader for ".omf" (either in any case), otherwise the MXF reader when
// IsMXF holds and the OMF reader when not. Throws MediaReadError as the OMF reader does.
QString readProjectName(const QString& path);

// The fall-back name from the folder's "msmFMID.pmr" text: "Found it!" when the file's
// name occurs (in any case) in what is left of the stream, "No Project Name" otherwise (also
// without a stream). Consumes the stream, so a second call on it finds nothing.
QString DBGetProjectName(const QString& fileName, QTextStream* stream);

// The file's project name (readProjectName) as a folder name: projectFolderName of it.
// Throws MediaReadError as the OMF reader does.
QString GetProjectFolderName(const QString& path);

// A project name made safe as a folder name: its first 33 characters, "Unknown" when empty,
// every character outside letters, digits, "-", "_" and space replaced by "_".
QString projectFolderName(const QString& projectName);

// The text after the last "." of a file name (the whole name when it has no dot, empty when
// it ends in one).
QString fileExtension(const QString& fileName);

} // namespace kv::FileUtilities
