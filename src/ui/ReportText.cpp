#include "ui/ReportText.h"

namespace kv::FileUtilities {

QString listBoxText(const QStringList& headings, const ListRows& rows) {
    const int columns = int(headings.size());
    QString text = headings.join(u'\t');
    for (const ListRow& row : rows) {
        text += QStringLiteral("\r\n");
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                text += u'\t';
            text += row.cell(c);
        }
    }
    return text;
}

} // namespace kv::FileUtilities
