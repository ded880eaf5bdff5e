#include "ui/MessageBox.h"

#include <QMessageBox>
#include <QMutex>

namespace kv::MessageBox {

namespace {

struct Recorder {
    QMutex mutex;
    bool on = false;
    QStringList messages;
};

Recorder& recorder() {
    static Recorder r;
    return r;
}

} // namespace

void show(QWidget* parent, const QString& text) {
    {
        Recorder& r = recorder();
        QMutexLocker lock(&r.mutex);
        if (r.on) {
            r.messages << text;
            return;
        }
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvara"), text, QMessageBox::Ok, parent);
    box.exec();
}

void setRecording(bool on) {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    r.on = on;
    r.messages.clear();
}

bool isRecording() {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    return r.on;
}

QStringList recorded() {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    return r.messages;
}

QStringList takeRecorded() {
    Recorder& r = recorder();
    QMutexLocker lock(&r.mutex);
    QStringList out;
    out.swap(r.messages);
    return out;
}

} // namespace kv::MessageBox
