#include "shell/WindowAccessible.h"

#include <QPointer>
#include <QWindow>

#include "shell/NewsLine.h"

namespace spindora {
namespace {

// What the status line and its notification share: parts of the window without widgets of
// their own, shown while it shows.
class LinePartAccessible : public QAccessibleInterface {
public:
    explicit LinePartAccessible(QWidget* window) : window_(window) {}

    bool isValid() const override { return window_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !window_ || !window_->isVisible();
        return state;
    }

protected:
    QPointer<QWidget> window_;
};

class NewsAccessible final : public LinePartAccessible {
public:
    NewsAccessible(QWidget* window, QAccessibleInterface* line) : LinePartAccessible(window), line_(line) {}

    QAccessibleInterface* parent() const override { return line_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QString text(QAccessible::Text t) const override {
        const NewsLine* news = window_ ? NewsLine::Find(*window_) : nullptr;
        return t == QAccessible::Name && news ? news->Text() : QString();
    }

private:
    QAccessibleInterface* line_;
};

class StatusLineAccessible final : public LinePartAccessible {
public:
    explicit StatusLineAccessible(QWidget* window)
        : LinePartAccessible(window),
          news_(QAccessible::registerAccessibleInterface(new NewsAccessible(window, this))) {}
    ~StatusLineAccessible() override { QAccessible::deleteAccessibleInterface(news_); }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_); }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::accessibleInterface(news_) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child == QAccessible::accessibleInterface(news_) ? 0 : -1;
    }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QString text(QAccessible::Text) const override { return {}; }

private:
    QAccessible::Id news_;
};

}  // namespace

WindowAccessible::WindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window),
      statusLine_(QAccessible::registerAccessibleInterface(new StatusLineAccessible(window))) {}

WindowAccessible::~WindowAccessible() { QAccessible::deleteAccessibleInterface(statusLine_); }

int WindowAccessible::childCount() const { return QAccessibleWidget::childCount() + 1; }

QAccessibleInterface* WindowAccessible::child(int index) const {
    return index == QAccessibleWidget::childCount() ? QAccessible::accessibleInterface(statusLine_)
                                                    : QAccessibleWidget::child(index);
}

int WindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child && child == QAccessible::accessibleInterface(statusLine_)) return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}

}  // namespace spindora
