#pragma once
// What the player did on one board, for undo and redo, and the rest of a found solution,
// so that following the hints never searches twice. Standard C++ only, like the rules.
#include <optional>
#include <utility>
#include <vector>

namespace spindora {

template <typename Move>
class MoveRecord {
public:
    // A move the player made: what was undone can no longer be redone.
    void Played(const Move& move) {
        done_.push_back(move);
        undone_.clear();
        Follow(move);
    }
    // The last move made, which now waits to be redone; none before the first move.
    std::optional<Move> Undo() {
        if (done_.empty()) return std::nullopt;
        const Move move = done_.back();
        done_.pop_back();
        undone_.push_back(move);
        // The way back is not part of a shortest solution.
        path_.clear();
        return move;
    }
    // The last move undone, now made again; none when nothing waits.
    std::optional<Move> Redo() {
        if (undone_.empty()) return std::nullopt;
        const Move move = undone_.back();
        undone_.pop_back();
        done_.push_back(move);
        Follow(move);
        return move;
    }
    bool CanUndo() const { return !done_.empty(); }
    bool CanRedo() const { return !undone_.empty(); }
    // A new deal.
    void Clear() {
        done_.clear();
        undone_.clear();
        path_.clear();
    }

    // The moves made, the first first, and those waiting to be redone, the next last.
    const std::vector<Move>& Done() const { return done_; }
    const std::vector<Move>& Undone() const { return undone_; }
    // A game kept from an earlier run: its history as Done() and Undone() gave it.
    void Restore(std::vector<Move> done, std::vector<Move> undone) {
        Clear();
        done_ = std::move(done);
        undone_ = std::move(undone);
    }

    // The moves of a solution from the board as it stands, in playing order.
    void Keep(const std::vector<Move>& path) { path_.assign(path.rbegin(), path.rend()); }
    // The next move of the kept solution; none once the player has left it.
    std::optional<Move> NextOfPath() const {
        if (path_.empty()) return std::nullopt;
        return path_.back();
    }

private:
    // The kept solution holds while the player follows it, and only then.
    void Follow(const Move& move) {
        if (!path_.empty() && path_.back() == move) path_.pop_back();
        else path_.clear();
    }

    std::vector<Move> done_, undone_;
    std::vector<Move> path_;  // the next move last
};

}  // namespace spindora
