// Every puzzle, played through the shell's game flow by a seeded sequence of presses,
// must show, count and report exactly what the recorded run did: after each press the
// work picture, the board shown, the clock, the game state and what the window was asked
// to do. The record is plain text, one line per press, so a difference names its press.
// SPINDORA_WRITE_RECORD=path writes the run to that file instead of comparing.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

#include "dialogs/ModalResult.h"
#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/zibbo/Zibbo.h"
#include "game/PuzzleRegistry.h"
#include "tests/game/FakeShell.h"

namespace spindora {
namespace {

constexpr int kPresses = 250;
constexpr const char* kNames[4] = {"zibbo", "kolluk", "pluf", "murvo"};

// The goal of each KOLLUK level, place by place.
constexpr std::array<std::array<int, 13>, 4> kKollukGoals{{
    {3, 3, 3, 12, 12, 2, 12, 1, 2, 12, 1, 2, 1},
    {2, 2, 2, 4, 6, 1, 12, 3, 1, 5, 3, 1, 3},
    {1, 9, 7, 12, 12, 5, 12, 11, 3, 12, 2, 10, 6},
    {4, 10, 13, 1, 2, 6, 12, 8, 11, 3, 5, 9, 7},
}};

class Digest {
public:
    void Add(uint64_t v) {
        h_ = (h_ ^ v) * 0x100000001b3ull;
        h_ ^= h_ >> 29;
    }
    void Add(const QImage& image) {
        const auto* words = reinterpret_cast<const uint64_t*>(image.constBits());
        const qsizetype count = image.sizeInBytes() / 8;
        for (qsizetype i = 0; i < count; ++i) Add(words[i]);
    }
    // The entries of `seen` from `from` on, which then moves past them.
    template <typename T>
    void AddNew(const std::vector<T>& seen, size_t& from) {
        Add(seen.size() - from);
        for (; from < seen.size(); ++from) {
            if constexpr (std::is_same_v<T, std::string>) {
                for (const char c : seen[from]) Add(static_cast<uint64_t>(c));
            } else {
                Add(static_cast<uint64_t>(seen[from]));
            }
        }
    }
    uint64_t value() const { return h_; }

private:
    uint64_t h_ = 0xcbf29ce484222325ull;
};

std::string ButtonName(MouseButton button) {
    return button == MouseButton::Left ? "L" : button == MouseButton::Right ? "R" : "M";
}

class BehaviourRecord : public ::testing::Test {
protected:
    void Start(uint8_t mode) {
        InstallPuzzles(flow);
        view.flow = &flow;
        ShellSettings settings;
        settings.tongue = 0;
        settings.mode = mode;
        ASSERT_TRUE(flow.FormCreate(settings));
        flow.boxPaint();
    }

    // Puts the current puzzle in its solved position, as the test's own edit.
    void SetSolved() {
        Puzzle* puzzle = flow.PuzzleOf(flow.CurrentMode());
        const LevelSettings& levels = flow.Levels();
        switch (flow.CurrentMode()) {
        case 0: static_cast<zibbo::Zibbo*>(puzzle)->Directions().fill(11); break;
        case 1:
            static_cast<kolluk::Kolluk*>(puzzle)->BallColours() = kKollukGoals[levels.hmode - 1];
            break;
        case 2:
            for (int p = 1; p <= 22; ++p) static_cast<pluf::Pluf*>(puzzle)->Buttons(p).fill(7);
            break;
        default: {
            murvo::Position& position = static_cast<murvo::Murvo*>(puzzle)->State();
            position.board = position.Pattern(levels.rmode);
        }
        }
    }

    // One step of the session; returns what it did, for the record.
    std::string Step() {
        for (int n = script.Random(3); n > 0; --n) flow.TimerTimer();
        view.answers.assign({script.Random(2) ? kModalOk : kModalCancel, kModalOk, kModalOk});
        const MouseButton button = static_cast<MouseButton>(script.Random(3));
        Puzzle& puzzle = *flow.PuzzleOf(flow.CurrentMode());
        const int roll = script.Random(100);
        if (roll < 60 || (roll < 66 && pendingSolve)) {
            const std::vector<PressTarget> targets = puzzle.PressTargets();
            const int t = pendingSolve ? lastTarget : script.Random(static_cast<int>(targets.size()));
            const QRect area = targets[static_cast<size_t>(t)].area;
            QPoint at = area.topLeft() + QPoint(script.Random(area.width()), script.Random(area.height()));
            MouseButton pressed = button;
            if (pendingSolve) {
                at = area.center();
                pressed = MouseButton::Right;  // undoes the left press that left the solved position
                pendingSolve = false;
            }
            flow.boxMouseDown(at.x(), at.y(), pressed);
            return "T" + std::to_string(t) + ButtonName(pressed);
        }
        if (roll < 66) {
            SetSolved();
            const std::vector<PressTarget> targets = puzzle.PressTargets();
            lastTarget = script.Random(static_cast<int>(targets.size()));
            const QPoint at = targets[static_cast<size_t>(lastTarget)].area.center();
            flow.boxMouseDown(at.x(), at.y(), MouseButton::Left);
            pendingSolve = true;
            return "S" + std::to_string(lastTarget) + "L";
        }
        if (roll < 80) {
            const int x = script.Random(kBoardWidth), y = script.Random(kBoardHeight);
            flow.boxMouseDown(x, y, button);
            return "A" + std::to_string(x) + "," + std::to_string(y) + ButtonName(button);
        }
        pendingSolve = false;
        if (roll < 92) {
            const QPoint at = puzzle.LevelButtonArea().center();
            flow.boxMouseDown(at.x(), at.y(), button);
            return "O" + ButtonName(button);
        }
        flow.MixBtnClick();
        return "X";
    }

    std::string Observe(int press, const std::string& action) {
        const Mode mode = flow.CurrentMode();
        Digest digest;
        digest.Add(flow.OffScreen());
        digest.Add(view.board.image());
        digest.Add(static_cast<uint64_t>(view.board.showCount()));
        const QRect last = view.board.lastShown();
        digest.Add(static_cast<uint64_t>(last.x() * 1000 + last.y()) << 32 | static_cast<uint32_t>(last.width() * 1000 + last.height()));
        const LevelSettings& l = flow.Levels();
        digest.Add(static_cast<uint64_t>(l.gmode + 10 * l.hmode + 100 * l.dmode + 1000 * l.pmode + 10000 * l.rmode));
        digest.Add(clockReads);
        digest.AddNew(view.effects, seen[0]);
        digest.AddNew(view.clock, seen[1]);
        digest.AddNew(view.shown, seen[2]);
        digest.AddNew(view.highscoreTimes, seen[3]);
        digest.AddNew(view.wakes, seen[4]);
        digest.AddNew(view.log, seen[5]);
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digest.value()));
        return std::to_string(press) + " " + action + " " + std::to_string(flow.ClockTicks(mode)) + " " +
               std::to_string(flow.GameState(mode)) + " " + hex;
    }

    test::FakeView view;
    SeededRandom random{20260301};
    SeededRandom script{77};
    // Every read of the clock is a second on, so every animation wait ends at once; the
    // reads are counted, so the number of waits enters the record.
    uint64_t clockReads = 0;
    uint32_t now = 0;
    GameFlow flow{view, random, QStringLiteral(SPINDORA_BUILD_DIR), [this] {
                      ++clockReads;
                      return now += 1000000;
                  }};
    std::array<size_t, 6> seen{};
    bool pendingSolve = false;
    int lastTarget = 0;
};

std::vector<std::string> ReadLines(const QString& path) {
    QFile file(path);
    std::vector<std::string> lines;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
    while (!file.atEnd()) lines.push_back(file.readLine().trimmed().toStdString());
    return lines;
}

class BehaviourRecordOf : public BehaviourRecord, public ::testing::WithParamInterface<uint8_t> {};

TEST_P(BehaviourRecordOf, PressesShowCountAndReportAsRecorded) {
    const uint8_t mode = GetParam();
    random.Reseed(1000 + mode);
    script.Reseed(2000 + mode);
    Start(mode);
    std::vector<std::string> run{Observe(0, "start")};
    for (int press = 1; press <= kPresses; ++press) run.push_back(Observe(press, Step()));

    const QString name = QStringLiteral("record_%1.txt").arg(kNames[mode]);
    if (const QByteArray out = qgetenv("SPINDORA_WRITE_RECORD"); !out.isEmpty()) {
        QFile file(QString::fromLocal8Bit(out) + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
        for (const std::string& line : run) file.write((line + "\n").c_str());
        return;
    }
    const std::vector<std::string> expected = ReadLines(QStringLiteral(SPINDORA_RECORD_DIR) + name);
    ASSERT_EQ(expected.size(), run.size()) << "record " << name.toStdString();
    for (size_t i = 0; i < run.size(); ++i)
        ASSERT_EQ(run[i], expected[i]) << kNames[mode] << " first differs at press " << i;
    // The session reached a solved board.
    EXPECT_GT(std::count(view.shown.begin(), view.shown.end(), DialogId::Done), 0);
}

INSTANTIATE_TEST_SUITE_P(Puzzles, BehaviourRecordOf, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) { return std::string(kNames[info.param]); });

}  // namespace
}  // namespace spindora
