#pragma once

#include <QString>
#include <QVector>

#include <optional>

class QWidget;

// The program's folder chooser, window-modal over its parent. Tests give the answer instead
// of a person, and read back what was asked.
namespace kv::FolderChooser {

struct Request {
    QString title;
    QString prompt;
    QString chooseCaption;
    QString cancelCaption;
    QString startFolder;
};

// The chosen folder's path, ending with "/"; empty when the user cancelled.
QString choose(QWidget* parent, const Request& request);

// From now on every chooser is answered with this path (nullopt: shown again; an empty
// path: cancelled), and its request is recorded.
void setAnswerForTests(std::optional<QString> answer);
QVector<Request> takeRequestsForTests();

} // namespace kv::FolderChooser
