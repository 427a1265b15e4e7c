#pragma once
#include <QImage>
#include <QRect>
#include <memory>

#include "assets/Glyphs.h"
#include "dialogs/Texts.h"
#include "puzzles/LevelSettings.h"
#include "puzzles/Puzzle.h"
#include "game/ButtonHint.h"
#include "game/Mode.h"

namespace spindora {

// Everything the shell knows of one puzzle; the puzzle itself knows none of it.
struct PuzzleDescriptor {
    const char* name;             // as the player reads it: "ZIBBO"
    const char* buttonName;       // its tool-bar button: "ZibboBtn"
    Glyph glyph;                  // that button's face
    Hint hint;                    // that button's hint
    const char* pictureFile;      // beside the program: the board and the puzzle's sprite sheet
    QRect rulesRect;              // board coordinates of the rules drawing on the board picture
    TextPair rules;               // the hint over it
    bool optionEnabled;           // whether `OptionBtn` works in this mode
    const char* levelKeyPrefix;   // its highscore lists are this and the level in two digits
    const char* levelSetting;     // the stored setting that holds its level
    int LevelSettings::*level;    // the same in `LevelSettings`
    int levels;                   // levels run 1..levels
    const char* helpPage;         // its page of the help file, and that page's picture
    std::unique_ptr<Puzzle> (*make)(PuzzleHost& host);
    QImage (*paintSheet)(int scale);  // draws pictureFile, `scale` device pixels a board pixel
};

const PuzzleDescriptor& Describe(Mode mode);

}  // namespace spindora
