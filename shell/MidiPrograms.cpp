#include "shell/MidiPrograms.h"

#include <QtEndian>
#include <cstring>

namespace spindora {
namespace {

// Reads the events of one track chunk, noting each program change. Meta events and system
// exclusive messages end running status, as FluidSynth's own reader has it, so that both
// read the same events from the same bytes.
bool WalkTrack(const uchar* data, qsizetype length, MidiPrograms& programs) {
    qsizetype at = 0;
    const auto variableLength = [&](quint32& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (at >= length) return false;
            const uchar c = data[at++];
            value = (value << 7) | (c & 0x7F);
            if (!(c & 0x80)) return true;
        }
        return false;
    };
    uchar running = 0;
    while (at < length) {
        quint32 delta = 0;
        if (!variableLength(delta) || at >= length) return false;
        uchar status = data[at];
        if (status & 0x80) {
            ++at;
        } else if (running) {
            status = running;
        } else {
            return false;
        }
        quint32 skip = 0;
        if (status == 0xFF) {
            if (at >= length) return false;
            ++at;  // the meta event's type
            if (!variableLength(skip)) return false;
            running = 0;
        } else if (status == 0xF0 || status == 0xF7) {
            if (!variableLength(skip)) return false;
            running = 0;
        } else if (status >= 0xF0) {
            return false;  // system common and real-time messages have no place in a file
        } else {
            running = status;
            const uchar kind = status & 0xF0;
            skip = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (kind == 0xC0 && at < length) programs.set(data[at] & 0x7F);
        }
        if (qsizetype(skip) > length - at) return false;
        at += qsizetype(skip);
    }
    return true;
}

}  // namespace

std::optional<MidiPrograms> ProgramsOfPiece(const QByteArray& midi) {
    const auto* data = reinterpret_cast<const uchar*>(midi.constData());
    const qsizetype size = midi.size();
    if (size < 14 || std::memcmp(data, "MThd", 4) != 0) return std::nullopt;
    MidiPrograms programs;
    programs.set(0);
    qsizetype at = 8 + qsizetype(qFromBigEndian<quint32>(data + 4));
    while (at + 8 <= size) {
        const qsizetype length = qFromBigEndian<quint32>(data + at + 4);
        if (length > size - at - 8) return std::nullopt;
        if (std::memcmp(data + at, "MTrk", 4) == 0 && !WalkTrack(data + at + 8, length, programs))
            return std::nullopt;
        at += 8 + length;
    }
    return programs;
}

}  // namespace spindora
