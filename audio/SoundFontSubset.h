#pragma once
#include <QByteArray>
#include <QString>
#include <fluidsynth.h>
#include <memory>
#include <string>

#include "files/ForeignFile.h"
#include "audio/MidiFile.h"

namespace spindora {

// A General MIDI soundfont cut down to the presets of some programs, in every bank, and the
// instruments those presets play. FluidSynth builds a large record for every zone of every
// instrument it loads, some 4.5 MiB for a whole General MIDI font, although a piece plays
// a handful of them; given only what the piece selects (including the presets it falls
// back on) it plays the piece sample for sample as with the whole font.
//
// The cut font is a file only to FluidSynth: its tables lie in memory and its samples are
// read from the original file when FluidSynth asks for them.
class SoundFontSubset {
public:
    // Reads the soundfont's tables and keeps what `programs` need. nullptr when the file
    // cannot be read or its tables are not whole; the caller then loads the whole file.
    static std::unique_ptr<SoundFontSubset> Cut(const QString& path, const MidiPrograms& programs);
    ~SoundFontSubset();
    SoundFontSubset(const SoundFontSubset&) = delete;
    SoundFontSubset& operator=(const SoundFontSubset&) = delete;

    // What fluid_synth_sfload takes for this font, once AddLoader has run on the synth.
    const std::string& Name() const { return name_; }
    // Teaches a synth to open cut fonts by name; other names go to its own loader.
    static bool AddLoader(fluid_settings_t* settings, fluid_synth_t* synth);

    int64_t Size() const { return tablesAt_ + tables_.size(); }
    // Reads the cut font as a file; false past its end or when the original cannot be read.
    bool Read(int64_t offset, char* buffer, int64_t count) const;

private:
    SoundFontSubset() = default;

    OpenFile file_;
    QByteArray head_;     // the RIFF header, with the cut font's size
    int64_t tablesAt_ = 0;  // where the tables begin: before, the original file's bytes
    QByteArray tables_;   // the cut preset tables, a whole "pdta" list
    std::string name_;
};

}  // namespace spindora
