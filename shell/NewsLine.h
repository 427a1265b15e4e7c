#pragma once
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace spindora {

// What the game tells a screen reader that no change of focus carries: a move, a deal, a
// hint, a switch. It is the main window's status line, whose one notification shows anew
// with each piece of news. Orca 43 speaks a notification as it shows, wherever the keys
// are, and leaves out the role within a status bar; the name and description changes Qt 6.4
// sends carry the object instead of its text, which Orca cannot speak. From Qt 6.8 the news
// goes out as Qt's own announcement, which screen readers of that time take instead.
class NewsLine final : public QObject {
    Q_OBJECT
public:
    // The window's line, made on first use.
    static NewsLine& Of(QWidget& window);
    // The window's line, or nullptr before anything was told there.
    static const NewsLine* Find(const QWidget& window);

    const QString& Text() const { return text_; }
    // Speaks `text`, also when it is the same as last time; empty only clears the line. A
    // screen reader speaks a window or a dialog as the focus reaches it, and a later word
    // cuts short an earlier one, so news told while a window comes or goes waits until the
    // focus has settled in the window in front, for at most a second.
    void Tell(const QString& text);

private:
    explicit NewsLine(QWidget& window);
    void SpeakOnceSettled();
    bool FocusSettled() const;
    void Speak();

    QWidget& window_;
    QString text_;
    bool waiting_ = false;
    QTimer patience_;
};

}  // namespace spindora
