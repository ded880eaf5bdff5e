#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kv {

// The program's message boxes: a fixed text and an OK button. Tests switch to recording,
// where a message is kept instead of shown, so error paths run without a person.
namespace MessageBox {

void show(QWidget* parent, const QString& text);

void setRecording(bool on);
bool isRecording();
QStringList recorded();
QStringList takeRecorded();

} // namespace MessageBox
} // namespace kv
