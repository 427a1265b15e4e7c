#pragma once
#include <QLabel>
#include <QUrl>
#include <functional>

namespace spindora {

// Asks the desktop to open an address; false when it cannot.
using UrlOpener = std::function<bool(const QUrl&)>;
bool OpenThroughDesktop(const QUrl& url);

// A label that opens an address when clicked: blue and underlined, yellow while pressed.
// When the desktop cannot open the address, the label is disabled for the rest of the run.
class LinkLabel final : public QLabel {
    Q_OBJECT
public:
    LinkLabel(QWidget* parent, const char* name, QPoint at, const QString& text, QUrl target,
              UrlOpener open);

    const QUrl& Target() const { return target_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetPressed(bool pressed);

    QUrl target_;
    UrlOpener open_;
};

}  // namespace spindora
