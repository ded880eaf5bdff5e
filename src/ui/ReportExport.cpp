#include "ui/ReportExport.h"

#include "platform/AtomicFile.h"
#include "ui/MessageBox.h"
#include "ui/PlatformDialogs.h"
#include "ui/ReportText.h"

namespace kv::FileUtilities {

void ExportListBoxToFile(QWidget* parent, const ReportSnapshot& list, const QString& proposedName) {
    const QString path = PlatformDialogs::saveFile(
        parent, proposedName, QStringLiteral("Text (*.txt)"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    const QByteArray bytes = listBoxText(list.headings, list.rows).toUtf8();
    if (!platform::writeFileAtomically(path, bytes))
        MessageBox::show(parent, QStringLiteral("Error: problem saving file."));
}

} // namespace kv::FileUtilities
