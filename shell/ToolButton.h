#pragma once
#include <QToolButton>

#include "puzzles/PuzzleHost.h"

namespace spindora {

// A flat tool-bar button. Besides the usual click it reports the mouse-down of any
// button, which the level button acts on.
class ToolButton final : public QToolButton {
    Q_OBJECT
public:
    ToolButton(QWidget* parent, const QString& name, QRect geometry);
    // A button that acts on the press itself rather than on the click. It is never left
    // looking pressed: its action may open a modal window that takes the release.
    void ActOnMouseDown() { actsOnMouseDown_ = true; }

signals:
    void mouseDown(spindora::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool actsOnMouseDown_ = false;
    // The keys brought the focus here: only then does the button wear the focus ring.
    bool keyboardFocus_ = false;
};

}  // namespace spindora
