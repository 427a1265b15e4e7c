#include "shell/ShellTimer.h"

#include <utility>

namespace spindora {

ShellTimer::ShellTimer(int intervalMs, std::function<void()> tick, std::function<bool()> busy)
    : tick_(std::move(tick)), busy_(std::move(busy)) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
}

void ShellTimer::start() {
    enabled_ = true;
    if (busy_()) timer_.start();
    else timer_.stop();
}

void ShellTimer::stop() {
    enabled_ = false;
    timer_.stop();
}

void ShellTimer::Wake() {
    if (enabled_ && !timer_.isActive()) timer_.start();
}

void ShellTimer::Tick() {
    tick_();
    if (!busy_()) timer_.stop();
}

}  // namespace spindora
