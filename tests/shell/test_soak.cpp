// A long random session through the shell: presses with every mouse button on all four
// boards at every level and colour setting, mixed with mode switches, shuffles, level
// changes, pauses and clock ticks, with the dialogs answered at random. Animations run
// with zero-length waits. After every press each puzzle's position must still be one the
// rules allow, and every so often the screen must equal a fresh paint of the board.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
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

constexpr int kPresses = 100000;
// Every this many presses the screen is compared with a full repaint of the board.
constexpr int kScreenCheckEvery = 64;

// The thirteen ball colours of each KOLLUK level (the goal row; a roll only moves them).
constexpr std::array<std::array<int, 13>, 4> kKollukRows{{
    {3, 3, 3, 12, 12, 2, 12, 1, 2, 12, 1, 2, 1},
    {2, 2, 2, 4, 6, 1, 12, 3, 1, 5, 3, 1, 3},
    {1, 9, 7, 12, 12, 5, 12, 11, 3, 12, 2, 10, 6},
    {4, 10, 13, 1, 2, 6, 12, 8, 11, 3, 5, 9, 7},
}};

// The PLUF honeycomb: plates in play per level, and each plate's column and row.
constexpr std::array<int, 4> kPlufPlates{10, 14, 18, 22};
constexpr std::array<std::array<int, 2>, 22> kPlufGrid{{
    {3, 0}, {3, 2}, {3, 4}, {3, 6}, {2, 1}, {2, 3}, {2, 5}, {4, 1}, {4, 3}, {4, 5}, {1, 2},
    {1, 4}, {5, 2}, {5, 4}, {0, 5}, {1, 6}, {5, 0}, {6, 1}, {1, 0}, {0, 1}, {0, 3}, {6, 3},
}};
// Slot j of a plate looks towards this step of (column, row); slot j faces slot j + 3.
constexpr std::array<std::array<int, 2>, 6> kSlotStep{{{0, -2}, {1, -1}, {1, 1}, {0, 2}, {-1, 1}, {-1, -1}}};

int PlufNeighbour(int plate, int slot, int count) {
    const auto [column, row] = kPlufGrid[plate - 1];
    for (int q = 1; q <= count; ++q)
        if (kPlufGrid[q - 1][0] == column + kSlotStep[slot][0] && kPlufGrid[q - 1][1] == row + kSlotStep[slot][1])
            return q;
    return 0;
}

template <typename Range>
std::vector<int> Sorted(const Range& values) {
    std::vector<int> result(values.begin(), values.end());
    std::sort(result.begin(), result.end());
    return result;
}

// A dealt PLUF position is a matching one with every plate turned: some turn of each plate
// makes every pair of facing buttons agree again.
bool PlufCanBeSolved(const pluf::Pluf& pluf, int count) {
    std::vector<int> turn(count + 1, 0);
    const auto button = [&](int plate, int slot) { return pluf.Buttons(plate)[(slot + turn[plate]) % 6]; };
    const auto fits = [&](int plate) {
        for (int slot = 0; slot < 6; ++slot) {
            const int q = PlufNeighbour(plate, slot, count);
            if (q != 0 && q < plate && button(plate, slot) != button(q, (slot + 3) % 6)) return false;
        }
        return true;
    };
    const auto place = [&](auto& self, int plate) -> bool {
        if (plate > count) return true;
        for (turn[plate] = 0; turn[plate] < 6; ++turn[plate])
            if (fits(plate) && self(self, plate + 1)) return true;
        return false;
    };
    return place(place, 1);
}

class Soak : public ::testing::Test {
protected:
    void SetUp() override {
        InstallPuzzles(flow);
        view.flow = &flow;
        ShellSettings settings;
        settings.tongue = 0;
        settings.mode = static_cast<uint8_t>(random.Random(4));
        ASSERT_TRUE(flow.FormCreate(settings));
        flow.boxPaint();  // the window's first paint
        TakePlufSnapshot();
    }

    template <typename T>
    T& Puzzle(Mode mode) { return static_cast<T&>(*flow.PuzzleOf(mode)); }

    int PlufCount() { return kPlufPlates[flow.Levels().dmode - 1]; }
    void TakePlufSnapshot() {
        auto& pluf = Puzzle<pluf::Pluf>(2);
        for (int p = 1; p <= 22; ++p) plufPlates[p - 1] = Sorted(pluf.Buttons(p));
    }

    // `dealt`: the action may have dealt the current puzzle anew.
    void ExpectRulesHold(bool dealt, int press) {
        const LevelSettings& levels = flow.Levels();
        for (const int direction : Puzzle<zibbo::Zibbo>(0).Directions())
            ASSERT_TRUE(direction >= 0 && direction <= 11) << "ZIBBO direction " << direction << " at press " << press;

        ASSERT_EQ(Sorted(Puzzle<kolluk::Kolluk>(1).BallColours()), Sorted(kKollukRows[levels.hmode - 1]))
            << "KOLLUK lost or gained a ball at press " << press;

        const auto& murvo = Puzzle<murvo::Murvo>(3).State();
        ASSERT_EQ(Sorted(murvo.board), Sorted(murvo.Pattern(levels.rmode)))
            << "MURVO lost or gained a disc at press " << press;

        auto& pluf = Puzzle<pluf::Pluf>(2);
        const int count = PlufCount();
        if (dealt && flow.CurrentMode() == 2) {
            ASSERT_TRUE(PlufCanBeSolved(pluf, count)) << "PLUF dealt a position without a solution at press " << press;
            std::set<int> palette(pluf.Palette().begin(), pluf.Palette().begin() + levels.pmode + 1);
            ASSERT_EQ(palette.size(), static_cast<size_t>(levels.pmode + 1)) << "palette colours not distinct";
            for (int p = 1; p <= count; ++p)
                for (const int colour : pluf.Buttons(p))
                    ASSERT_TRUE(palette.count(colour)) << "PLUF button colour outside the deal's palette";
            TakePlufSnapshot();
        }
        for (int p = 1; p <= count; ++p)
            ASSERT_EQ(Sorted(pluf.Buttons(p)), plufPlates[p - 1])
                << "PLUF plate " << p << " changed its buttons at press " << press;
    }

    void ExpectScreenIsPaint(int press) {
        const QImage shown = view.board.image().copy();
        flow.boxPaint();
        ASSERT_TRUE(view.board.image() == shown)
            << "mode " << int(flow.CurrentMode()) << ": the screen differs from a repaint at press " << press;
    }

    MouseButton AnyButton() { return static_cast<MouseButton>(random.Random(3)); }

    test::FakeView view;
    SeededRandom random{20261207};
    // Every read of the clock is a second later, so every animation wait ends at once.
    uint32_t now = 0;
    GameFlow flow{view, random, QStringLiteral(SPINDORA_BUILD_DIR), [this] { return now += 1000000; }};
    std::array<std::vector<int>, 22> plufPlates;
};

TEST_F(Soak, HundredThousandRandomPressesKeepEveryPuzzleWhole) {
    std::set<std::pair<int, int>> levelsSeen;  // (mode, level), PLUF colour settings as mode 4
    std::array<int, 3> buttonsUsed{};
    int screenChecks = 0;
    for (int press = 0; press < kPresses; ++press) {
        // Dialogs answer at random: a declined new game must leave everything as it was.
        view.answers.assign({random.Random(2) ? kModalOk : kModalCancel, random.Random(2) ? kModalOk : kModalCancel});
        const size_t timerEvents = view.log.size();
        const auto statesBefore = flow.GameStates();
        const int roll = random.Random(1000);
        if (roll < 15) {
            flow.SwitchMode(kAllModes[random.Random(4)]);
        } else if (roll < 22) {
            flow.MixBtnClick();
        } else if (roll < 32) {
            flow.OptionBtnMouseDown(AnyButton());
        } else if (roll < 35) {
            flow.PauseBtnClick();
        } else if (roll < 60) {
            flow.TimerTimer();
        }
        // A first visit deals the puzzle shown.
        const bool firstVisit = statesBefore[flow.CurrentMode()] == kNotSetUp;
        const MouseButton button = AnyButton();
        ++buttonsUsed[static_cast<int>(button)];
        flow.boxMouseDown(random.Random(500), random.Random(333), button);

        const bool dealt = view.log.size() != timerEvents || firstVisit;
        ExpectRulesHold(dealt, press);
        if (HasFatalFailure()) return;
        if (press % kScreenCheckEvery == 0) {
            ExpectScreenIsPaint(press);
            if (HasFatalFailure()) return;
            ++screenChecks;
        }
        const LevelSettings& l = flow.Levels();
        levelsSeen.insert({flow.CurrentMode(), std::array{l.gmode, l.hmode, l.dmode, l.rmode}[flow.CurrentMode()]});
        if (flow.CurrentMode() == 2) levelsSeen.insert({4, l.pmode});
    }
    // The session really went everywhere.
    EXPECT_EQ(levelsSeen.size(), size_t{9 + 4 + 4 + 10 + 5});
    for (const int used : buttonsUsed) EXPECT_GT(used, kPresses / 4);
    EXPECT_EQ(screenChecks, (kPresses + kScreenCheckEvery - 1) / kScreenCheckEvery);
}

}  // namespace
}  // namespace spindora
