#pragma once
#include <QTimer>
#include <functional>

namespace spindora {

// The main window's `Timer`. The flow enables and stops it as always, but it wakes the
// program only while a tick has work to do: a clock that counts, or music to keep going.
// A game left waiting then lets the computer sleep, and every tick that shows comes where
// it would have come anyway.
class ShellTimer final {
public:
    // `tick` is one tick's work; `busy` says whether a tick now would do anything.
    ShellTimer(int intervalMs, std::function<void()> tick, std::function<bool()> busy);

    // Enabled; when busy, the next tick is a whole interval from now.
    void start();
    void stop();
    // Enabled, whether or not it sleeps.
    bool isActive() const { return enabled_; }
    int interval() const { return timer_.interval(); }
    // Whether the program will wake for the next tick.
    bool Awake() const { return timer_.isActive(); }
    // Something may begin to count now. An enabled timer that sleeps wakes with a whole
    // interval to its first tick; one already awake keeps its beat. A tick that finds
    // nothing to do puts it back to sleep.
    void Wake();
    // One tick, as the system timer delivers it.
    void Tick();
    // For tests that tick by hand: the timer keeps its schedule, but what it delivers
    // reaches nobody, so a slow machine cannot slip an extra tick into a test.
    void DetachSystemTicks() { QObject::disconnect(&timer_, &QTimer::timeout, nullptr, nullptr); }

private:
    QTimer timer_;
    std::function<void()> tick_;
    std::function<bool()> busy_;
    bool enabled_ = false;
};

}  // namespace spindora
