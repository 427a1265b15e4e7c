#pragma once
#include <QByteArray>
#include <bitset>
#include <optional>

namespace spindora {

// True for a Standard MIDI File whose header and track chunks are whole.
bool IsStandardMidi(const QByteArray& bytes);

// General MIDI program numbers, 0 to 127.
using MidiPrograms = std::bitset<128>;

// The programs a Standard MIDI File's program changes select, on any channel. Program 0 is
// always among them: every channel starts on it when a piece begins. nullopt when a track
// cannot be read event by event to its end.
std::optional<MidiPrograms> ProgramsOfPiece(const QByteArray& midi);

}  // namespace spindora
