#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The application's named file types. Built once at start-up; only textFile, the type of
// saved text reports, is used.
namespace kv::FileTypes {

struct FileType {
    QString name;
    QStringList extensions;
    QString macType;    // four-character Mac file type code
    QString macCreator; // four-character Mac creator code
};

// Builds the set; the first step of start-up. Later calls change nothing.
void initialize();

const QVector<FileType>& all();
const FileType& textFile();

// The type as a save dialog's name filter, for example "textFile (*.txt)".
QString nameFilter(const FileType& type);

} // namespace kv::FileTypes
