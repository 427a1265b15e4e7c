#include "shell/QuitSignals.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace spindora {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
volatile sig_atomic_t requested = 0;
volatile sig_atomic_t writeEnd = -1;
int readEnd = -1;
struct sigaction previous[std::size(kSignals)];

void OnSignal(int) {
    requested = 1;
    const int saved = errno;
    const int fd = writeEnd;
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already holds a request; nothing more is needed.
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = saved;
}

// What a player does to play: a press, a click, a turn of the wheel.
bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> quit) : quit_(std::move(quit)) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    requested = 0;
    FilterInputFirst();
    readEnd = fds[0];
    writeEnd = fds[1];
    notifier_ = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(readEnd, bytes, sizeof bytes) > 0) {
        }
        if (quit_) quit_();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &action, &previous[i]);
}

bool DismissActiveModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
    // Hiding ends a dialog's loop all the same.
    if (modal->isVisible()) modal->hide();
    return true;
}

void QuitSignals::FilterInputFirst() {
    // The filter installed last is asked first; installing again moves it to the front.
    if (QCoreApplication* application = QCoreApplication::instance()) application->installEventFilter(this);
}

bool QuitSignals::eventFilter(QObject*, QEvent* event) { return requested && IsInput(event->type()); }

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    for (size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
    notifier_.reset();
    const int fd = writeEnd;
    writeEnd = -1;
    ::close(fd);
    ::close(readEnd);
    readEnd = -1;
}

}  // namespace spindora
