#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

#include "dialogs/MessageDlg.h"
#include "puzzles/PlufPlates.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/zibbo/Zibbo.h"
#include "shell/KollukSolver.h"
#include "shell/MurvoSolver.h"
#include "shell/PlufDeal.h"
#include "shell/ShownMainForm.h"
#include "shell/ZibboDeal.h"

namespace spindora {
namespace {

using test::Accessible;
using test::Key;
using test::OnScreen;
using test::RecordingRandom;

// A PLUF plate is pressed in its middle, 37 pixels into its square.
constexpr const QPoint (&kPlateCorners)[23] = test::kPlufPlateCorners;
QPoint PlateMiddle(int plate) { return kPlateCorners[plate] + QPoint(37, 37); }
// ZIBBO k's press square: its 78-pixel picture and the 12-pixel gap right and below.
QRect DialSquare(int k) { return {40 + 90 * (k % 3), 40 + 90 * (k / 3), 90, 90}; }


constexpr Qt::Key kArrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
constexpr QPoint kSteps[] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

bool Near(QPoint at, QPoint goal) { return std::abs(at.x() - goal.x()) <= 6 && std::abs(at.y() - goal.y()) <= 6; }

// The arrow keys that lead the focus from where it is to the target pressed at `goal`,
// found by following the walk over the current board's targets.
std::vector<Qt::Key> ArrowsTo(TMainForm& form, QPoint goal) {
    const std::vector<PressTarget> targets = form.flow().PuzzleOf(form.flow().CurrentMode())->PressTargets();
    std::vector<std::vector<Qt::Key>> way(targets.size());
    std::vector<bool> seen(targets.size());
    std::vector<int> queue = {form.boardKeys()->Focus()};
    seen[static_cast<size_t>(queue[0])] = true;
    for (size_t head = 0; head < queue.size(); ++head) {
        const int at = queue[head];
        if (Near(targets[static_cast<size_t>(at)].press(), goal)) return way[static_cast<size_t>(at)];
        for (int k = 0; k < 4; ++k) {
            const int next = NextTarget(targets, at, kSteps[k]);
            if (seen[static_cast<size_t>(next)]) continue;
            seen[static_cast<size_t>(next)] = true;
            way[static_cast<size_t>(next)] = way[static_cast<size_t>(at)];
            way[static_cast<size_t>(next)].push_back(kArrows[k]);
            queue.push_back(next);
        }
    }
    ADD_FAILURE() << "the arrows do not lead to (" << goal.x() << ", " << goal.y() << ")";
    return {};
}

// Walks the focus with arrow keys alone onto the target pressed at `goal`.
void WalkTo(TMainForm& form, QPoint goal) {
    if (!form.boardKeys()->MarkShown()) Key(form, Qt::Key_Right);  // shows the mark only
    for (const Qt::Key arrow : ArrowsTo(form, goal)) Key(form, arrow);
    const QPoint at = form.boardKeys()->FocusedPress();
    EXPECT_TRUE(Near(at, goal)) << "focus at (" << at.x() << ", " << at.y() << ") for (" << goal.x()
                                << ", " << goal.y() << ")";
}

// Answers the solved notice with Return and keeps its text; the list after it is left.
void AnswerSolved(QString* cheer) {
    test::WhenModalActive([cheer](QWidget* notice) {
        if (auto* done = qobject_cast<MessageDlg*>(notice)) *cheer = done->msg()->text();
        test::TypeInto(notice, {Qt::Key_Return});
        test::AnswerNextModal(Qt::Key_Escape);
    });
}

// Presses the target at each goal in turn, left or right, until the last one solves.
template <typename Press>
void PlayToSolved(TMainForm& form, size_t count, Press press) {
    GameFlow& flow = form.flow();
    const Mode mode = flow.CurrentMode();
    QString cheer;
    for (size_t i = 0; i < count; ++i) {
        ASSERT_NE(flow.GameState(mode), kSolved) << "solved before the last press";
        const auto [goal, right] = press(i);
        WalkTo(form, goal);
        if (i + 1 == count) AnswerSolved(&cheer);
        Key(form, i % 2 ? Qt::Key_Space : Qt::Key_Return, right ? Qt::ShiftModifier : Qt::NoModifier);
        flow.TimerTimer();
    }
    EXPECT_EQ(flow.GameState(mode), kSolved) << "mode " << int(mode);
    EXPECT_EQ(cheer, "Hurrah, you did it!") << "mode " << int(mode);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), form.boardWidget()) << "the keys are the board's again";
}

struct Press {
    QPoint goal;
    bool right;
};

TEST(KeyboardWindow, EveryPuzzleIsSolvedFromItsDealWithKeysAlone) {
    RecordingRandom random(99);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    GameFlow& flow = form->flow();
    BoardWidget* board = form->boardWidget();
    EXPECT_EQ(QApplication::focusWidget(), board) << "the board has the keys from the start";

    // ZIBBO: each dial turned back by as much as the deal turned it.
    const std::vector<QPoint> undo = test::UndoingPresses(99);
    ASSERT_FALSE(undo.empty());
    PlayToSolved(*form, undo.size(), [&](size_t i) { return Press{undo[i], true}; });

    // KOLLUK: the fewest rolls back to the level's layout.
    Key(*form, Qt::Key_2);
    ASSERT_EQ(flow.CurrentMode(), 1);
    auto& kolluk = static_cast<kolluk::Kolluk&>(*flow.PuzzleOf(1));
    test::kolluk_rules::Balls dealt;
    std::copy(kolluk.BallColours().begin(), kolluk.BallColours().end(), dealt.begin());
    const auto rolls = test::kolluk_rules::ShortestSolution(dealt, test::kolluk_rules::kLevel1);
    ASSERT_FALSE(rolls.empty());
    PlayToSolved(*form, rolls.size(), [&](size_t i) {
        return Press{test::kolluk_rules::kRingPress[rolls[i].ring], rolls[i].clockwise};
    });

    // PLUF: each plate turned back the short way round.
    random.draws.clear();
    Key(*form, Qt::Key_3);
    ASSERT_EQ(flow.CurrentMode(), 2);
    const std::array<int, 23> net = test::NetTurns(random.draws);
    std::vector<Press> turns;
    for (int plate = 1; plate <= 10; ++plate) {
        const int left = ((net[plate] % 6) + 6) % 6;  // counter-clockwise steps to undo
        for (int n = left <= 3 ? left : 6 - left; n > 0; --n) turns.push_back({PlateMiddle(plate), left <= 3});
    }
    ASSERT_FALSE(turns.empty());
    PlayToSolved(*form, turns.size(), [&](size_t i) { return turns[i]; });

    // MURVO: the shortest presses to level 1's pattern.
    using namespace test::murvo_rules;
    Key(*form, Qt::Key_4);
    ASSERT_EQ(flow.CurrentMode(), 3);
    const Board kLevelOne = {11, 11, 31, 31, 51, 51, 11, 11, 11, 11, 31, 31, 31, 31, 51, 51, 51, 51};
    auto& murvo = static_cast<murvo::Murvo&>(*flow.PuzzleOf(3));
    const std::vector<int> steps = Solve(Pack(murvo.State().board), Pack(kLevelOne));
    ASSERT_FALSE(steps.empty());
    PlayToSolved(*form, steps.size(), [&](size_t i) { return Press{HotSpot(steps[i] / 2), steps[i] % 2 == 1}; });
    EXPECT_EQ(murvo.State().board, kLevelOne);
    flow.FormClose();
}


// The targets the arrows reach from target `from`.
std::set<int> ReachedFrom(const std::vector<PressTarget>& targets, int from) {
    std::vector<int> queue = {from};
    std::set<int> seen(queue.begin(), queue.end());
    for (size_t head = 0; head < queue.size(); ++head)
        for (const QPoint step : kSteps) {
            const int next = NextTarget(targets, queue[head], step);
            if (seen.insert(next).second) queue.push_back(next);
        }
    return seen;
}

// Every press point the arrows reach from the focus on the current board.
std::set<std::pair<int, int>> Reachable(TMainForm& form) {
    const std::vector<PressTarget> targets = form.flow().PuzzleOf(form.flow().CurrentMode())->PressTargets();
    const std::set<int> seen = ReachedFrom(targets, form.boardKeys()->Focus());
    std::set<std::pair<int, int>> points;
    for (const int i : seen) points.insert({targets[size_t(i)].press().x(), targets[size_t(i)].press().y()});
    return points;
}

std::set<std::pair<int, int>> Points(const std::vector<QPoint>& points) {
    std::set<std::pair<int, int>> set;
    for (const QPoint p : points) set.insert({p.x(), p.y()});
    return set;
}

TEST(KeyboardWindow, ArrowsReachEveryTargetOfTheLevelAndStopAtTheEdges) {
    SeededRandom random(5);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    TMainForm& f = *form;
    BoardKeys& keys = *f.boardKeys();
    const auto onDial = [&](int k) { return DialSquare(k).contains(keys.FocusedPress()); };

    // ZIBBO starts on the top-left dial; the first arrow only shows it, and no corner wraps.
    EXPECT_FALSE(keys.MarkShown());
    Key(f, Qt::Key_Down);
    EXPECT_TRUE(keys.MarkShown());
    EXPECT_TRUE(onDial(0));
    for (const Qt::Key k : {Qt::Key_Left, Qt::Key_Up}) Key(f, k);
    EXPECT_TRUE(onDial(0)) << "top left";
    for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Right}) Key(f, k);
    EXPECT_TRUE(onDial(2));
    for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Up}) Key(f, k);
    EXPECT_TRUE(onDial(2)) << "top right";
    for (const Qt::Key k : {Qt::Key_Down, Qt::Key_Down}) Key(f, k);
    EXPECT_TRUE(onDial(8));
    for (const Qt::Key k : {Qt::Key_Down, Qt::Key_Right}) Key(f, k);
    EXPECT_TRUE(onDial(8)) << "bottom right";
    for (const Qt::Key k : {Qt::Key_Left, Qt::Key_Left}) Key(f, k);
    EXPECT_TRUE(onDial(6));
    for (const Qt::Key k : {Qt::Key_Left, Qt::Key_Down}) Key(f, k);
    EXPECT_TRUE(onDial(6)) << "bottom left";
    Key(f, Qt::Key_Up);
    EXPECT_TRUE(onDial(3));

    // PLUF: 10, 14, 18 and 22 plates, every one of them reached and nothing else.
    Key(f, Qt::Key_3);
    ASSERT_EQ(f.flow().CurrentMode(), 2);
    const int plates[] = {10, 14, 18, 22};
    for (int level = 1; level <= 4; ++level) {
        ASSERT_EQ(f.flow().Levels().dmode, level);
        std::vector<QPoint> middles;
        for (int p = 1; p <= plates[level - 1]; ++p) middles.push_back(PlateMiddle(p));
        EXPECT_EQ(Reachable(f), Points(middles)) << "level " << level;
        Key(f, Qt::Key_PageUp);  // nothing was played, so nothing asks
    }

    // MURVO: the hot spots the level offers, and no other.
    using namespace test::murvo_rules;
    Key(f, Qt::Key_4);
    ASSERT_EQ(f.flow().CurrentMode(), 3);
    const auto spots = [](const std::vector<int>& moves) {
        std::vector<QPoint> points;
        for (const int m : moves) points.push_back(HotSpot(m));
        return Points(points);
    };
    ASSERT_EQ(f.flow().Levels().rmode, 1);
    EXPECT_EQ(Reachable(f), spots(kInnerOffer)) << "level 1";
    Key(f, Qt::Key_PageDown);
    ASSERT_EQ(f.flow().Levels().rmode, 10);
    EXPECT_EQ(Reachable(f), spots(kFullOffer)) << "level 10";
    f.flow().Levels().rmode = 3;
    Key(f, Qt::Key_PageUp);
    ASSERT_EQ(f.flow().Levels().rmode, 4);
    EXPECT_EQ(Reachable(f), spots(kInnerOffer)) << "level 4";
    f.flow().FormClose();
}

// An arrow goes to the nearest piece whose middle lies within 45 degrees of it.
TEST(KeyboardWindow, AnArrowReachesTheNearestPieceAheadAndTheOppositeArrowComesBack) {
    SeededRandom random(6);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    TMainForm& f = *form;
    using test::murvo_rules::HotSpot;
    const struct { Qt::Key puzzle; QPoint from; Qt::Key arrow; QPoint to; } walks[] = {
        {Qt::Key_3, PlateMiddle(7), Qt::Key_Right, PlateMiddle(4)},  // PLUF: bottom left, bottom middle
        {Qt::Key_3, PlateMiddle(10), Qt::Key_Left, PlateMiddle(4)},  // bottom right, bottom middle
        {Qt::Key_4, HotSpot(11), Qt::Key_Down, HotSpot(0)},  // MURVO: rhombus above right, centre
    };
    for (const auto& walk : walks) {
        Key(f, walk.puzzle);
        WalkTo(f, walk.from);
        Key(f, walk.arrow);
        EXPECT_TRUE(Near(f.boardKeys()->FocusedPress(), walk.to)) << "from " << walk.from.x() << "," << walk.from.y();
    }

    // Every level of every puzzle: each piece leads to every other, and a step within the
    // arrow's 45 degrees is undone by the opposite arrow or by one to a piece still nearer.
    const int levels[] = {9, 4, 4, 10};
    for (int mode = 0; mode < 4; ++mode) {
        Key(f, Qt::Key(Qt::Key_1 + mode));
        for (int level = 1; level <= levels[mode]; ++level, Key(f, Qt::Key_PageUp)) {
            const std::vector<PressTarget> targets = f.flow().PuzzleOf(f.flow().CurrentMode())->PressTargets();
            const auto at = [&](int i) { return targets[size_t(i)].press(); };
            for (int a = 0; a < int(targets.size()); ++a) {
                SCOPED_TRACE(testing::Message() << "mode " << mode << " level " << level << " from " << a);
                EXPECT_EQ(ReachedFrom(targets, a).size(), targets.size());
                for (const QPoint step : kSteps) {
                    const int b = NextTarget(targets, a, step);
                    const QPoint way = at(b) - at(a), back = at(NextTarget(targets, b, -step)) - at(b);
                    const int aside = std::abs(QPoint::dotProduct(way, {step.y(), step.x()}));
                    if (b == a || aside > QPoint::dotProduct(way, step)) continue;  // the edge's way round
                    EXPECT_LE(QPoint::dotProduct(back, back), QPoint::dotProduct(way, way));
                }
            }
        }
    }
    f.flow().FormClose();
}

// Top-left corners of KOLLUK's thirteen platforms, and where a PLUF plate's six buttons
// stand about its middle while it rests.
const QPoint kPlatforms[13] = {{190, 22}, {126, 58}, {252, 58}, {126, 130}, {252, 130}, {64, 167}, {190, 167},
                               {315, 167}, {64, 239}, {190, 239}, {315, 239}, {126, 275}, {252, 275}};
const QPoint kButtonSpots[6] = {{0, -20}, {17, -10}, {17, 10}, {0, 20}, {-17, 10}, {-17, -10}};

TEST(KeyboardWindow, TheFocusMarkLeavesEveryPieceAsDrawnAndGoesAtAMousePress) {
    SeededRandom random(8);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    TMainForm& f = *form;
    BoardWidget* board = f.boardWidget();
    using test::murvo_rules::DiscAt;
    for (int mode = 0; mode < 4; ++mode) {
        Key(f, Qt::Key(Qt::Key_1 + mode));
        ASSERT_EQ(f.flow().CurrentMode(), mode);
        std::vector<QRect> pieces;
        for (int k = 0; k < 9 && mode == 0; ++k) pieces.push_back({40 + 90 * (k % 3), 40 + 90 * (k / 3), 78, 78});
        for (int p = 0; p < 13 && mode == 1; ++p) pieces.push_back({kPlatforms[p], QSize(35, 35)});
        for (int p = 1; p <= 10 && mode == 2; ++p)
            for (const QPoint spot : kButtonSpots) pieces.push_back({kPlateCorners[p] + QPoint(29, 29) + spot, QSize(16, 16)});
        for (int p = 1; p <= 18 && mode == 3; ++p) pieces.push_back({DiscAt(p), QSize(25, 25)});

        EXPECT_EQ(OnScreen(board), board->image()) << "no mark before an arrow key, mode " << mode;
        const std::vector<PressTarget> targets = f.flow().PuzzleOf(f.flow().CurrentMode())->PressTargets();
        for (const PressTarget& target : targets) {
            WalkTo(f, target.press());
            const QImage shown = OnScreen(board);
            EXPECT_NE(shown, board->image()) << "the mark shows, mode " << mode;
            for (const QRect& piece : pieces)
                EXPECT_EQ(shown.copy(piece), board->image().copy(piece))
                    << "mode " << mode << " piece at " << piece.x() << ", " << piece.y();
        }
        QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(2, 2));
        EXPECT_FALSE(f.boardKeys()->MarkShown());
        EXPECT_EQ(OnScreen(board), board->image()) << "a mouse press hides the mark, mode " << mode;
    }
    f.flow().FormClose();
}

Qt::CursorShape PointerOver(BoardWidget* board, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, board->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(board, &move);
    return board->cursor().shape();
}

TEST(KeyboardWindow, ThePointerIsAHandOverPressTargetsAndAnArrowElsewhere) {
    SeededRandom random(9);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    BoardWidget* board = form->boardWidget();
    using namespace test::murvo_rules;
    EXPECT_EQ(PointerOver(board, {79, 79}), Qt::PointingHandCursor) << "a ZIBBO";
    EXPECT_EQ(PointerOver(board, {320, 320}), Qt::ArrowCursor) << "beside the dials";
    Key(*form, Qt::Key_4);
    ASSERT_EQ(form->flow().CurrentMode(), 3);
    const QImage before = OnScreen(board);
    for (const int m : kInnerOffer) EXPECT_EQ(PointerOver(board, HotSpot(m) + QPoint(10, -10)), Qt::PointingHandCursor) << "hot spot " << m;
    for (int p = 1; p <= 18; ++p) EXPECT_EQ(PointerOver(board, DiscAt(p) + QPoint(12, 12)), Qt::ArrowCursor) << "disc " << p;
    EXPECT_EQ(PointerOver(board, HotSpot(13)), Qt::ArrowCursor) << "a hot spot of the higher levels only";
    EXPECT_EQ(PointerOver(board, {431, 271}), Qt::PointingHandCursor) << "the level button's corner";
    EXPECT_EQ(PointerOver(board, {430, 300}), Qt::ArrowCursor) << "just left of the level button";
    EXPECT_EQ(OnScreen(board), before) << "the pointer changes no pixel";
    form->flow().FormClose();
}

// Opens the modal window that `key` brings up, answers it with `answer`, and returns its
// object name ("" when none opened).
QString ModalOf(TMainForm& form, Qt::Key key, Qt::KeyboardModifiers modifiers, Qt::Key answer) {
    QString name;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            opened = true;
            name = modal->metaObject()->className();
            test::TypeInto(modal, {answer});
        }
    });
    Key(form, key, modifiers);
    QApplication::processEvents();
    QApplication::processEvents();
    return opened ? name : QString();
}

TEST(KeyboardWindow, ToolBarKeysActAsTheirButtonsAndNotWhileTheButtonIsDisabled) {
    SeededRandom random(12);
    auto form = test::ShownForm(random);
    ASSERT_NE(form, nullptr);
    TMainForm& f = *form;
    GameFlow& flow = f.flow();
    BoardWidget* board = f.boardWidget();
    const auto button = [&](const char* name) { return f.findChild<QToolButton*>(QString::fromLatin1(name)); };

    // Without a music file the notes button is grey, and M does nothing either.
    QToolButton* music = button("MidiBtn");
    ASSERT_FALSE(music->isEnabled()) << "the build folder holds no *.mid file";
    const bool musicDown = music->isChecked();
    Key(f, Qt::Key_M);
    EXPECT_EQ(music->isChecked(), musicDown);
    QToolButton* sound = button("soundbtn");
    const bool soundDown = sound->isChecked();
    Key(f, Qt::Key_S);
    EXPECT_NE(sound->isChecked(), soundDown);

    // The board's name and the level keys.
    EXPECT_EQ(Accessible(board, QAccessible::Name), "ZIBBO, level 1");
    Key(f, Qt::Key_PageUp);
    EXPECT_EQ(flow.Levels().gmode, 2);
    EXPECT_EQ(Accessible(board, QAccessible::Name), "ZIBBO, level 2");
    Key(f, Qt::Key_PageDown);
    EXPECT_EQ(flow.Levels().gmode, 1);
    const std::array<int, 9> before = static_cast<zibbo::Zibbo&>(*flow.PuzzleOf(0)).Directions();
    Key(f, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(flow.Levels().gmode, 1);
    EXPECT_NE(static_cast<zibbo::Zibbo&>(*flow.PuzzleOf(0)).Directions(), before) << "a new deal";

    // Pause does nothing on a ready board, and asks once it runs.
    EXPECT_EQ(ModalOf(f, Qt::Key_P, Qt::NoModifier, Qt::Key_Return), "");
    Key(f, Qt::Key_Space);
    ASSERT_EQ(flow.GameState(0), kRunning);
    for (int tick = 0; tick < 10; ++tick) flow.TimerTimer();
    EXPECT_EQ(Accessible(f.timbox(), QAccessible::Description), "Time: 2 seconds");
    EXPECT_EQ(ModalOf(f, Qt::Key_P, Qt::NoModifier, Qt::Key_Return), "spindora::MessageDlg");
    EXPECT_EQ(ModalOf(f, Qt::Key_Pause, Qt::NoModifier, Qt::Key_Return), "spindora::MessageDlg");
    // Shuffle asks while running; Escape keeps the game.
    EXPECT_EQ(ModalOf(f, Qt::Key_F2, Qt::NoModifier, Qt::Key_Escape), "spindora::MessageDlg");
    EXPECT_EQ(flow.GameState(0), kRunning);
    EXPECT_EQ(ModalOf(f, Qt::Key_H, Qt::ControlModifier, Qt::Key_Escape), "spindora::THighscoreDlg");
    EXPECT_EQ(f.highscoreDialog()->windowTitle(), "ZIBBO – level 1") << "the list names its puzzle and level";
    EXPECT_EQ(ModalOf(f, Qt::Key_L, Qt::NoModifier, Qt::Key_Escape), "spindora::TTongueDlg");
    // End asks first; Escape keeps the window.
    EXPECT_EQ(ModalOf(f, Qt::Key_Q, Qt::ControlModifier, Qt::Key_Escape), "spindora::MessageDlg");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), board) << "the keys are the board's after every dialog";
    // The names follow the language.
    flow.tongue.Set(1);
    f.ApplyCaptions();
    EXPECT_EQ(Accessible(board, QAccessible::Name), "ZIBBO, Stufe 1");
    EXPECT_EQ(Accessible(f.timbox(), QAccessible::Description), "Zeit: 2 Sekunden");
    ModalOf(f, Qt::Key_H, Qt::ControlModifier, Qt::Key_Escape);
    EXPECT_EQ(f.highscoreDialog()->windowTitle(), "ZIBBO – Stufe 1");
    flow.tongue.Set(0);
    f.ApplyCaptions();

    // Puzzle keys, and PLUF's second level setting on Page Down.
    Key(f, Qt::Key_3);
    EXPECT_EQ(flow.CurrentMode(), 2);
    const int colours = flow.Levels().pmode;
    Key(f, Qt::Key_PageDown);
    EXPECT_EQ(flow.Levels().dmode, 1);
    EXPECT_EQ(flow.Levels().pmode, colours % 5 + 1);
    EXPECT_EQ(Accessible(board, QAccessible::Name), QStringLiteral("PLUF, level 1, %1 colours").arg(colours % 5 + 2));
    Key(f, Qt::Key_1);
    EXPECT_EQ(flow.CurrentMode(), 0);

    // Tab leads from the board into the tool bar and back. Its mark is a ring inside the
    // button's edge with the face as drawn, unlike a switched-on button; a click hides it.
    QToolButton* mix = button("MixBtn");
    const QImage plain = mix->grab().toImage();
    const QRect face = plain.rect().adjusted(3, 3, -3, -3);
    Key(f, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), button("MixBtn"));
    const QImage ringed = mix->grab().toImage();
    EXPECT_NE(ringed, plain);
    EXPECT_EQ(ringed.copy(face), plain.copy(face));
    QTest::mouseClick(sound, Qt::LeftButton);
    EXPECT_EQ(mix->grab().toImage(), plain);
    Key(f, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), board);

    // Help opens on F1; when it closes, the board has the keys again.
    Key(f, Qt::Key_F1);
    ASSERT_EQ(f.helpSystem()->Viewers().size(), 1);
    f.helpSystem()->Viewers()[0]->close();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), board);
    flow.FormClose();
}

}  // namespace
}  // namespace spindora
