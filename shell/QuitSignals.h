#pragma once
#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace spindora {

// Turns SIGTERM, SIGINT and SIGHUP (a log-out, a shutdown, Ctrl+C) into a call of `quit`
// from the event loop. The handler itself only notes the request and writes a byte into a
// pipe: nothing else is safe inside it. From then on every key press, click and wheel turn
// still waiting is dropped: each could start an animated move, and a session manager that
// asked the game to end waits a few seconds at most. The move being animated finishes. The
// previous handlers come back when this goes.
class QuitSignals final : public QObject {
public:
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // Puts the dropping of input before the application's filters installed since (the
    // board's keys take their presses in one), so that none acts on input once a quit is asked.
    void FilterInputFirst();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> quit_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Ends the modal dialog in front, if any, as its Cancel would, or by hiding it when it
// refuses; false when none was open. Its exec() returns once the event loop runs again.
bool DismissActiveModal();

}  // namespace spindora
