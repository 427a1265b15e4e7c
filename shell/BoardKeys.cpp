#include "shell/BoardKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "shell/BoardWidget.h"
#include "shell/FocusMark.h"

namespace spindora {

namespace {

// The targets an arrow leads to from `from`: the nearest within 45 degrees of it, or, when
// none lies there, the nearest anywhere on its side of the board. Of two equally far, the
// one nearer the arrow's line; several only when they mirror each other across that line.
std::vector<int> NearestAhead(const std::vector<PressTarget>& targets, int from, QPoint direction) {
    const QPoint origin = targets[static_cast<size_t>(from)].press();
    for (const bool withinCone : {true, false}) {
        std::vector<int> nearest;
        std::pair<long, long> best;
        for (size_t i = 0; i < targets.size(); ++i) {
            const QPoint delta = targets[i].press() - origin;
            const long along = QPoint::dotProduct(delta, direction);
            const long aside = std::abs(QPoint::dotProduct(delta, QPoint(direction.y(), direction.x())));
            if (along <= 0 || (withinCone && aside > along)) continue;
            const std::pair<long, long> score{QPoint::dotProduct(delta, delta), aside};
            if (nearest.empty() || score < best) {
                nearest = {static_cast<int>(i)};
                best = score;
            } else if (score == best) {
                nearest.push_back(static_cast<int>(i));
            }
        }
        if (!nearest.empty()) return nearest;
    }
    return {};
}

}  // namespace

int NextTarget(const std::vector<PressTarget>& targets, int from, QPoint direction) {
    if (from < 0 || from >= static_cast<int>(targets.size())) return from;
    // Of equally near targets, take the one from which the opposite arrow leads straight
    // back, with the fewest others as near on that way back: so the opposite arrow undoes
    // the step wherever the board's shape allows.
    int best = from;
    size_t bestWaysBack = 0;
    for (const int candidate : NearestAhead(targets, from, direction)) {
        const std::vector<int> back = NearestAhead(targets, candidate, -direction);
        const size_t waysBack = std::find(back.begin(), back.end(), from) != back.end()
                                    ? back.size()
                                    : targets.size() + 1;
        if (best == from || waysBack < bestWaysBack) {
            best = candidate;
            bestWaysBack = waysBack;
        }
    }
    return best;
}

BoardKeys::BoardKeys(BoardWidget& board, GameFlow& flow)
    : QObject(&board), board_(board), flow_(flow) {
    board_.setFocusPolicy(Qt::StrongFocus);
    board_.setMouseTracking(true);
    board_.installEventFilter(this);
    // Whenever a dialog or the help window goes, the keys belong to the board again.
    qApp->installEventFilter(this);
    board_.paintOver = [this](QPainter& painter) {
        if (paintMark) paintMark(painter, Mark());
        else PaintFocusMark(painter, Mark());
    };
}

int BoardKeys::Focus() const {
    Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    const int count = puzzle ? static_cast<int>(puzzle->PressTargets().size()) : 0;
    const int focus = focus_[flow_.CurrentMode()];
    // A level with fewer targets than the last one starts again at the first.
    return focus < count ? focus : 0;
}

QPoint BoardKeys::FocusedPress() const {
    Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    const std::vector<PressTarget> targets = puzzle ? puzzle->PressTargets() : std::vector<PressTarget>();
    return targets.empty() ? QPoint(-1, -1) : targets[static_cast<size_t>(Focus())].press();
}

QPainterPath BoardKeys::Mark() const {
    Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    if (!markShown_ || !puzzle) return {};
    const std::vector<PressTarget> targets = puzzle->PressTargets();
    if (targets.empty()) return {};
    return targets[static_cast<size_t>(Focus())].mark;
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &board_) {
        switch (event->type()) {
        case QEvent::KeyPress: return KeyPress(static_cast<QKeyEvent&>(*event));
        case QEvent::MouseButtonPress: ShowMark(false); break;
        case QEvent::MouseMove:
            ShowPointer(board_.ToBoard(static_cast<QMouseEvent*>(event)->position()));
            break;
        default: break;
        }
        return false;
    }
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (window->isWindow() && window != board_.window() &&
            (type == Qt::Dialog || type == Qt::Window || type == Qt::SplashScreen))
            GiveKeysBack();
    }
    return false;
}

void BoardKeys::GiveKeysBack() {
    board_.setFocus(Qt::OtherFocusReason);
    // Without a window manager nothing hands the activation back once a dialog is gone;
    // wait for a dialog that follows it (the best times after the solved notice) first.
    QTimer::singleShot(0, this, [this] {
        QWidget* window = board_.window();
        if (window->isVisible() && !QApplication::activeModalWidget())
            window->activateWindow();
    });
}

bool BoardKeys::KeyPress(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
    case Qt::Key_Left: Walk({-1, 0}); return true;
    case Qt::Key_Right: Walk({1, 0}); return true;
    case Qt::Key_Up: Walk({0, -1}); return true;
    case Qt::Key_Down: Walk({0, 1}); return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        PressFocused(modifiers & Qt::ShiftModifier ? MouseButton::Right : MouseButton::Left);
        return true;
    case Qt::Key_PageUp: PressLevelButton(MouseButton::Left); return true;
    case Qt::Key_PageDown:
        PressLevelButton(modifiers & Qt::ControlModifier ? MouseButton::Middle : MouseButton::Right);
        return true;
    default: return false;
    }
}

void BoardKeys::Walk(QPoint direction) {
    Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    if (!puzzle) return;
    RepaintMark();
    if (markShown_) focus_[flow_.CurrentMode()] = NextTarget(puzzle->PressTargets(), Focus(), direction);
    // The first arrow only shows where the focus is.
    markShown_ = true;
    RepaintMark();
}

void BoardKeys::FocusOn(int target) {
    RepaintMark();
    focus_[flow_.CurrentMode()] = target;
    markShown_ = true;
    RepaintMark();
}

void BoardKeys::PressFocused(MouseButton button) {
    const QPoint at = FocusedPress();
    if (at.x() >= 0) flow_.boxMouseDown(at.x(), at.y(), button);
}

void BoardKeys::PressLevelButton(MouseButton button) {
    Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    if (!puzzle || puzzle->LevelButtonArea().isEmpty()) return;
    RepaintMark();  // a new level may offer other targets
    const QPoint at = puzzle->LevelButtonArea().center();
    flow_.boxMouseDown(at.x(), at.y(), button);
    RepaintMark();
}

void BoardKeys::ShowMark(bool shown) {
    if (markShown_ == shown) return;
    RepaintMark();
    markShown_ = shown;
    RepaintMark();
}

void BoardKeys::RepaintMark() {
    const QPainterPath mark = Mark();
    if (mark.isEmpty()) return;
    const int margin = static_cast<int>(kFocusMarkWidth) + 2;
    board_.UpdateBoard(mark.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin));
}

void BoardKeys::ShowPointer(QPoint at) {
    Puzzle* puzzle = flow_.PuzzleOf(flow_.CurrentMode());
    bool onTarget = puzzle && puzzle->LevelButtonArea().contains(at);
    if (puzzle && !onTarget)
        for (const PressTarget& target : puzzle->PressTargets())
            if (target.area.contains(at)) onTarget = true;
    board_.setCursor(onTarget ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

}  // namespace spindora
