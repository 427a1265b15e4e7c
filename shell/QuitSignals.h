#pragma once
#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace spindora {

// Turns SIGTERM, SIGINT and SIGHUP (a log-out, a shutdown, Ctrl+C) into a call of `quit`
// from the event loop. The handler itself only writes a byte into a pipe: nothing else is
// safe inside it. The previous handlers come back when this goes.
class QuitSignals final : public QObject {
public:
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void()> quit_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Ends the modal dialog in front, if any, as its Cancel would, or by hiding it when it
// refuses; false when none was open. Its exec() returns once the event loop runs again.
bool DismissActiveModal();

}  // namespace spindora
