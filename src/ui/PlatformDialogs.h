#pragma once

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

class QPrinter;
class QWidget;

namespace kv {

// The platform's save, page-setup and print dialogs and the opening of a web page, each
// shown window-modal over its parent. Tests switch to recording: then no dialog is shown,
// each request is recorded, and the dialog gives the answer queued for it (or is cancelled
// when none is queued), so report and guide commands run without a person.
namespace PlatformDialogs {

// The chosen path, or empty when the user cancelled.
QString saveFile(QWidget* parent, const QString& proposedName, const QString& nameFilter,
                 const QString& defaultSuffix);
// True when the user confirmed; the printer then holds the choices.
bool pageSetup(QWidget* parent, QPrinter& printer);
bool print(QWidget* parent, QPrinter& printer);
// Opens the page in the user's default browser.
bool openUrl(const QUrl& url);

// --- Tests ---------------------------------------------------------------------------
struct PrintAnswer {
    bool accept = true;
    QString pdfFile;  // the job is printed to this PDF file
    int fromPage = 0; // 0: all pages
    int toPage = 0;
};
struct PageSetupAnswer {
    bool accept = true;
    std::optional<QPageLayout> layout;
};

void setRecording(bool on); // also forgets queued answers and recorded requests
bool isRecording();
void setNextSaveAnswer(const QString& path); // empty: cancel
void setNextPageSetupAnswer(const PageSetupAnswer& answer);
void setNextPrintAnswer(const PrintAnswer& answer);
// "save:<proposed name>", "pageSetup", "print", "url:<url>", in the order asked.
QStringList takeRequests();

} // namespace PlatformDialogs
} // namespace kv
