#include "ui/FolderChooser.h"

#include <QFileDialog>
#include <QMutex>

namespace kv::FolderChooser {

namespace {

struct TestAnswers {
    QMutex mutex;
    std::optional<QString> answer;
    QVector<Request> requests;
};

TestAnswers& testAnswers() {
    static TestAnswers t;
    return t;
}

QString asFolderPath(QString path) {
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    return path;
}

} // namespace

QString choose(QWidget* parent, const Request& request) {
    {
        TestAnswers& t = testAnswers();
        QMutexLocker lock(&t.mutex);
        if (t.answer) {
            t.requests << request;
            return asFolderPath(*t.answer);
        }
    }
    QFileDialog dialog(parent, request.title, request.startFolder);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setFileMode(QFileDialog::Directory);
    // Qt's own dialog, so that the captions below are the ones shown.
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    dialog.setLabelText(QFileDialog::LookIn, request.prompt);
    dialog.setLabelText(QFileDialog::Accept, request.chooseCaption);
    dialog.setLabelText(QFileDialog::Reject, request.cancelCaption);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return asFolderPath(dialog.selectedFiles().first());
}

void setAnswerForTests(std::optional<QString> answer) {
    TestAnswers& t = testAnswers();
    QMutexLocker lock(&t.mutex);
    t.answer = std::move(answer);
    t.requests.clear();
}

QVector<Request> takeRequestsForTests() {
    TestAnswers& t = testAnswers();
    QMutexLocker lock(&t.mutex);
    QVector<Request> out;
    out.swap(t.requests);
    return out;
}

} // namespace kv::FolderChooser
