#pragma once
#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "game/Mode.h"

namespace spindora {

// Makes board pictures on a thread of its own, one at a time, so that painting a sheet for a
// new zoom never holds the window. Each picture comes back on the thread that owns this
// object, unless a later request has taken its place meanwhile.
class SheetWorker final : public QObject {
    Q_OBJECT
public:
    SheetWorker();
    // Waits for the picture being made; the ones still waiting are dropped.
    ~SheetWorker() override;

    // A request equal to the one under way changes nothing.
    void Request(Mode mode, int scale, std::function<QImage()> make);
    std::function<void(Mode mode, QImage sheet)> ready;
    // Waits until the pictures asked for are made and handed over (for tests and benchmarks).
    void Finish();

private:
    QThreadPool pool_;
    std::shared_ptr<std::atomic<int>> latest_ = std::make_shared<std::atomic<int>>(0);
    std::optional<std::pair<Mode, int>> pending_;
};

}  // namespace spindora
