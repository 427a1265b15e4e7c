#include "audio/MidiFile.h"

#include <QtEndian>
#include <cstring>
#include <functional>

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

// Hands each track chunk after a whole "MThd" header to `track`; false when the header is
// not whole, a chunk runs past the end of the file or `track` says so.
bool ForEachTrack(const QByteArray& bytes, const std::function<bool(const uchar*, qsizetype)>& track) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 14 || std::memcmp(data, "MThd", 4) != 0) return false;
    const quint32 headerLength = qFromBigEndian<quint32>(data + 4);
    if (headerLength < 6 || qFromBigEndian<quint16>(data + 10) == 0) return false;
    qsizetype at = 8 + qsizetype(headerLength);
    while (at + 8 <= size) {
        const qsizetype length = qFromBigEndian<quint32>(data + at + 4);
        if (length > size - at - 8) return false;
        if (std::memcmp(data + at, "MTrk", 4) == 0 && !track(data + at + 8, length)) return false;
        at += 8 + length;
    }
    return true;
}

}  // namespace

bool IsStandardMidi(const QByteArray& bytes) {
    int found = 0;
    const bool whole = ForEachTrack(bytes, [&found](const uchar*, qsizetype) {
        ++found;
        return true;
    });
    return whole && found >= qFromBigEndian<quint16>(bytes.constData() + 10);
}

std::optional<MidiPrograms> ProgramsOfPiece(const QByteArray& midi) {
    MidiPrograms programs;
    programs.set(0);
    const auto walk = [&programs](const uchar* track, qsizetype length) { return WalkTrack(track, length, programs); };
    if (!ForEachTrack(midi, walk)) return std::nullopt;
    return programs;
}

}  // namespace spindora
