#include "shell/SheetWorker.h"

#include <QCoreApplication>

namespace spindora {

SheetWorker::SheetWorker() { pool_.setMaxThreadCount(1); }

SheetWorker::~SheetWorker() {
    latest_->fetch_add(1);
    pool_.clear();
    pool_.waitForDone();
}

void SheetWorker::Request(Mode mode, int scale, std::function<QImage()> make) {
    if (pending_ == std::pair(mode, scale)) return;
    pending_ = std::pair(mode, scale);
    const int request = latest_->fetch_add(1) + 1;
    pool_.start([this, latest = latest_, request, mode, make = std::move(make)] {
        // A zoom that moved on while this waited needs another picture.
        if (latest->load() != request) return;
        QImage sheet = make();
        QMetaObject::invokeMethod(
            this,
            [this, request, mode, sheet = std::move(sheet)] {
                if (latest_->load() != request) return;
                pending_.reset();
                if (ready) ready(mode, sheet);
            },
            Qt::QueuedConnection);
    });
}

void SheetWorker::Finish() {
    pool_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

}  // namespace spindora
