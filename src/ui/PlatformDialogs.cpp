#include "ui/PlatformDialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMutex>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QQueue>
#include <QStandardPaths>

namespace kv::PlatformDialogs {

namespace {

struct Recorder {
    QMutex mutex;
    bool on = false;
    QStringList requests;
    QQueue<QString> saveAnswers;
    QQueue<PageSetupAnswer> pageSetupAnswers;
    QQueue<PrintAnswer> printAnswers;
};

Recorder& recorder() {
    static Recorder r;
    return r;
}

// Records the request and hands out its queued answer; false when not recording.
template <typename T>
bool recordedAnswer(const QString& request, QQueue<T> Recorder::*queue, std::optional<T>* answer) {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    if (!r.on)
        return false;
    r.requests << request;
    QQueue<T>& q = r.*queue;
    if (!q.isEmpty())
        *answer = q.dequeue();
    return true;
}

} // namespace

QString saveFile(QWidget* parent, const QString& proposedName, const QString& nameFilter,
                 const QString& defaultSuffix) {
    std::optional<QString> answer;
    if (recordedAnswer(QStringLiteral("save:") + proposedName, &Recorder::saveAnswers, &answer))
        return answer.value_or(QString());

    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QFileDialog dialog(parent, QString(), folder, nameFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool pageSetup(QWidget* parent, QPrinter& printer) {
    std::optional<PageSetupAnswer> answer;
    if (recordedAnswer(QStringLiteral("pageSetup"), &Recorder::pageSetupAnswers, &answer)) {
        if (!answer || !answer->accept)
            return false;
        if (answer->layout)
            printer.setPageLayout(*answer->layout);
        return true;
    }
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec() == QDialog::Accepted;
}

bool print(QWidget* parent, QPrinter& printer) {
    std::optional<PrintAnswer> answer;
    if (recordedAnswer(QStringLiteral("print"), &Recorder::printAnswers, &answer)) {
        if (!answer || !answer->accept)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer->pdfFile);
        if (answer->fromPage > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(answer->fromPage, answer->toPage);
        } else {
            printer.setPrintRange(QPrinter::AllPages);
        }
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec() == QDialog::Accepted;
}

bool openUrl(const QUrl& url) {
    {
        Recorder& r = recorder();
        QMutexLocker lock(&r.mutex);
        if (r.on) {
            r.requests << QStringLiteral("url:") + url.toString();
            return true;
        }
    }
    return QDesktopServices::openUrl(url);
}

void setRecording(bool on) {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    r.on = on;
    r.requests.clear();
    r.saveAnswers.clear();
    r.pageSetupAnswers.clear();
    r.printAnswers.clear();
}

bool isRecording() {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    return r.on;
}

void setNextSaveAnswer(const QString& path) {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    r.saveAnswers.enqueue(path);
}

void setNextPageSetupAnswer(const PageSetupAnswer& answer) {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    r.pageSetupAnswers.enqueue(answer);
}

void setNextPrintAnswer(const PrintAnswer& answer) {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    r.printAnswers.enqueue(answer);
}

QStringList takeRequests() {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    QStringList out;
    out.swap(r.requests);
    return out;
}

} // namespace kv::PlatformDialogs
