#include "shell/BoardWords.h"

#include "puzzles/kolluk/Kolluk.h"
#include "puzzles/murvo/Murvo.h"
#include "puzzles/pluf/Pluf.h"
#include "puzzles/zibbo/Zibbo.h"

namespace spindora {

BoardWords DescribeBoard(const Puzzle& puzzle, Mode mode, const LevelSettings& levels, int tongue) {
    BoardWords words;
    switch (mode) {
    case kZibbo: words = ZibboWords({static_cast<const zibbo::Zibbo&>(puzzle).Directions()}, tongue); break;
    case kKolluk:
        words = KollukWords({static_cast<const kolluk::Kolluk&>(puzzle).BallColours()}, levels.hmode, tongue);
        break;
    case kPluf: {
        const auto& pluf = static_cast<const pluf::Pluf&>(puzzle);
        pluf::Position position;
        for (int plate = 1; plate <= pluf::kPlates; ++plate) position.buttons[plate - 1] = pluf.Buttons(plate);
        words = PlufWords(position, levels.dmode, tongue);
        break;
    }
    default: words = MurvoWords(static_cast<const murvo::Murvo&>(puzzle).State(), levels.rmode, tongue); break;
    }
    // Where a target lies is the puzzle's own knowledge: the same rectangles the keys press.
    const std::vector<PressTarget> targets = puzzle.PressTargets();
    for (size_t i = 0; i < targets.size() && i < words.pieces.size(); ++i) words.pieces[i].area = targets[i].area;
    return words;
}

QString TargetPlace(Mode mode, int level, int target, int tongue) {
    switch (mode) {
    case kZibbo: return ZibboPlace(target, tongue);
    case kKolluk: return KollukPlace(target, tongue);
    case kPluf: return PlufPlace(level, target + 1, tongue);
    default: return MurvoPlace(level, target, tongue);
    }
}

}  // namespace spindora
