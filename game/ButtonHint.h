#pragma once

namespace spindora {

// The tool-bar buttons' hints, one per text: a button that switches has one for each state.
enum class Hint {
    Mix, Option, Pause, SoundOn, SoundOff, MidiOn, MidiOff, HighScore, Exit,
    Zibbo, Kolluk, Pluf, Murvo, Tongue, Help, Info, Brizzel,
};

}  // namespace spindora
