#include "media/FileTypes.h"

namespace kv::FileTypes {

namespace {

enum Index { SpecialAny, Mxf, Omf, TextFile };

QVector<FileType> build() {
    const QString any = QStringLiteral("????");
    return {
        {QStringLiteral("special/any"), {QStringLiteral("*")}, any, any},
        {QStringLiteral("mxf"), {QStringLiteral("mxf")}, any, any},
        {QStringLiteral("omf"), {QStringLiteral("omf")}, any, any},
        {QStringLiteral("textFile"),
         {QStringLiteral("txt")},
         QStringLiteral("TEXT"),
         QStringLiteral("Kvlr")},
    };
}

} // namespace

const QVector<FileType>& all() {
    static const QVector<FileType> types = build();
    return types;
}

void initialize() {
    (void)all();
}

const FileType& textFile() {
    return all()[TextFile];
}

QString nameFilter(const FileType& type) {
    QStringList patterns;
    for (const QString& extension : type.extensions)
        patterns << (extension == u'*' ? extension : QStringLiteral("*.") + extension);
    return type.name + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

} // namespace kv::FileTypes
