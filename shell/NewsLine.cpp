#include "shell/NewsLine.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

namespace spindora {

NewsLine::NewsLine(QWidget& window) : QObject(&window), window_(window) {
    patience_.setSingleShot(true);
    patience_.setInterval(1000);
    connect(&patience_, &QTimer::timeout, this, [this] {
        if (waiting_) Speak();
    });
    // The focus is told to screen readers right after this signal; the news follows that.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (waiting_) QTimer::singleShot(0, this, &NewsLine::SpeakOnceSettled);
    });
}

NewsLine& NewsLine::Of(QWidget& window) {
    auto* line = window.findChild<NewsLine*>(QString(), Qt::FindDirectChildrenOnly);
    return line ? *line : *new NewsLine(window);
}

const NewsLine* NewsLine::Find(const QWidget& window) {
    return window.findChild<NewsLine*>(QString(), Qt::FindDirectChildrenOnly);
}

void NewsLine::Tell(const QString& text) {
    text_ = text;
    // Without a screen reader listening the line only holds the text.
    waiting_ = !text.isEmpty() && QAccessible::isActive();
    if (!waiting_) {
        patience_.stop();
        return;
    }
    patience_.start();
    SpeakOnceSettled();
}

bool NewsLine::FocusSettled() const {
    const QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &window_;
    const QWidget* focus = QApplication::focusWidget();
    return front->isActiveWindow() && focus && focus->window() == front;
}

void NewsLine::SpeakOnceSettled() {
    if (waiting_ && FocusSettled()) Speak();
}

void NewsLine::Speak() {
    waiting_ = false;
    patience_.stop();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announced(&window_, text_);
    QAccessible::updateAccessibility(&announced);
#else
    // The window's last child is its status line, whose only child is the notification.
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&window_);
    QAccessibleInterface* line = window ? window->child(window->childCount() - 1) : nullptr;
    QAccessibleInterface* news = line && line->role() == QAccessible::StatusBar ? line->child(0) : nullptr;
    if (!news) return;
    QAccessibleEvent shown(news, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace spindora
