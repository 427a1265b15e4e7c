#pragma once
// What a puzzle's rules decide alone, the same for all four: a press on the one road of
// PressFlow, the record of moves that undo and redo play back, and the hint searched on a
// copy of the position.
#include <concepts>
#include <type_traits>
#include <utility>

#include "rules/KeptPositions.h"
#include "rules/MoveRecord.h"
#include "puzzles/PressFlow.h"
#include "puzzles/Puzzle.h"

namespace spindora {

// A board whose rules are searched for a hint: besides the steps of a press it offers its
// rules' position and its level; the namespace of `Move` offers Inverse and Solve, its solver.
template <typename P, typename Move>
concept RulesBoard = PressBoard<P, Move> && requires(const P& shown, const Move& move) {
    shown.Rules();
    { shown.Level() } -> std::convertible_to<int>;
    { Inverse(move) } -> std::same_as<Move>;
};

// `Self` is the puzzle, a RulesBoard of `MoveType`.
template <typename Self, typename MoveType, const PressRules& kRules>
class RulesPuzzle : public Puzzle {
public:
    using Move = MoveType;
    using Puzzle::Puzzle;

    void BoardMouseDown(int x, int y, MouseButton button) final {
        static_assert(RulesBoard<Self, Move>, "a puzzle offers every step of a press and its rules");
        PlayPress(self(), host_, kRules, x, y, button);
    }
    bool UndoMove() final { return PlayUndo(self(), host_, kRules); }
    bool RedoMove() final { return PlayRedo(self(), host_, kRules); }
    bool CanUndo() const final { return record_.CanUndo(); }
    bool CanRedo() const final { return record_.CanRedo(); }
    void ForgetMoves() final { record_.Clear(); }

    std::optional<KeptBoard> Kept() const final {
        const std::vector<Move> moves = LevelMoves(PositionTag(), self().Level());
        return KeptBoard{ToNumbers(self().Rules()), MoveNumbers(record_.Done(), moves),
                         MoveNumbers(record_.Undone(), moves)};
    }
    bool Restore(const KeptBoard& kept) final {
        const int level = self().Level();
        const std::vector<Move> moves = LevelMoves(PositionTag(), level);
        auto position = PositionFrom(PositionTag(), kept.position, level, host_.Levels().pmode);
        auto done = MovesFrom(kept.done, moves);
        auto undone = MovesFrom(kept.undone, moves);
        if (!position || !done || !undone) return false;
        self().SetRules(*position);
        record_.Restore(std::move(*done), std::move(*undone));
        return true;
    }

    std::optional<TargetPress> HintPress() const final {
        const std::optional<Move> next = record_.NextOfPath();
        return next ? PressOf(*next) : std::nullopt;
    }

    // Not final: a test puzzle may search in a way of its own, such as one that runs out of memory.
    HintSearch SearchHint() override {
        return [this, position = self().Rules(), level = self().Level()](
                   const std::atomic<bool>& cancelled) -> std::function<void()> {
            std::optional<std::vector<Move>> path = Solve(position, level, cancelled);
            if (!path) return {};
            return [this, path = std::move(*path)] { record_.Keep(path); };
        };
    }

    // The press that makes `move` on the board as it stands, found by asking the press
    // itself, so that a hint and the player's own press cannot disagree.
    std::optional<TargetPress> PressOf(const Move& move) const {
        const std::vector<PressTarget> targets = PressTargets();
        for (size_t i = 0; i < targets.size(); ++i)
            for (const MouseButton button : {MouseButton::Left, MouseButton::Right}) {
                const QPoint at = targets[i].press();
                if (self().PieceUnder(at.x(), at.y(), button).move == move)
                    return TargetPress{static_cast<int>(i), button};
            }
        return std::nullopt;
    }

    MoveRecord<Move>& Record() { return record_; }

private:
    // Names the position's type, whose namespace holds its kept numbers' reader.
    static auto PositionTag() {
        return std::type_identity<std::remove_cvref_t<decltype(std::declval<const Self&>().Rules())>>{};
    }

    Self& self() { return static_cast<Self&>(*this); }
    const Self& self() const { return static_cast<const Self&>(*this); }

    MoveRecord<Move> record_;
};

}  // namespace spindora
