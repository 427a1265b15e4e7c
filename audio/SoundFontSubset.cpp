#include "audio/SoundFontSubset.h"

#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <set>
#include <unistd.h>
#include <vector>

#include "audio/AudioLibraries.h"

namespace spindora {
namespace {

// The record sizes of a soundfont's preset tables, in the order the tables are written.
struct Table {
    const char* id;
    int record;
};
constexpr Table kTables[] = {{"phdr", 38}, {"pbag", 4}, {"pmod", 10}, {"pgen", 4}, {"inst", 22},
                             {"ibag", 4},  {"imod", 10}, {"igen", 4}, {"shdr", 46}};
enum { kPhdr, kPbag, kPmod, kPgen, kInst, kIbag, kImod, kIgen, kShdr, kTableCount };
constexpr int kInstrumentGenerator = 41;

bool ReadAt(int fd, int64_t offset, char* buffer, int64_t count) {
    while (count > 0) {
        const ssize_t got = ::pread(fd, buffer, size_t(count), off_t(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        buffer += got;
        offset += got;
        count -= got;
    }
    return true;
}

quint16 U16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
void PutU16(QByteArray& bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), 2);
}

// One level of the soundfont's two-level tree: headers (presets or instruments) own runs of
// zones ("bags"), and each zone owns a run of generators and a run of modulators. Every
// run is given by the start of its owner's record and the start of the next record, so
// each table ends in a terminal record.
struct Level {
    const QByteArray& headers;
    int headerSize;
    int bagField;  // where in a header its first zone's index lies
    const QByteArray& bags;
    const QByteArray& generators;
    const QByteArray& modulators;

    qsizetype Count(const QByteArray& table, int record) const { return table.size() / record; }
    quint16 FirstBag(qsizetype header) const { return U16(headers, header * headerSize + bagField); }

    // Every run lies inside its table and no run ends before it begins.
    bool Whole() const {
        const qsizetype headerCount = Count(headers, headerSize), bagCount = Count(bags, 4);
        const qsizetype generatorCount = Count(generators, 4), modulatorCount = Count(modulators, 10);
        if (headerCount < 2 || bagCount < 1 || generatorCount < 1 || modulatorCount < 1) return false;
        for (qsizetype h = 0; h + 1 < headerCount; ++h)
            if (FirstBag(h) > FirstBag(h + 1)) return false;
        if (FirstBag(headerCount - 1) != bagCount - 1) return false;
        for (qsizetype b = 0; b + 1 < bagCount; ++b)
            if (U16(bags, b * 4) > U16(bags, b * 4 + 4) || U16(bags, b * 4 + 2) > U16(bags, b * 4 + 6))
                return false;
        return U16(bags, (bagCount - 1) * 4) == generatorCount - 1 &&
               U16(bags, (bagCount - 1) * 4 + 2) == modulatorCount - 1;
    }

    // Copies the kept headers with their zones, generators and modulators, renumbering the
    // runs, and `remap` the generator amounts of `remapped` (an instrument's new index).
    void Copy(const std::vector<qsizetype>& kept, int remapped, const std::vector<int>& remap,
              QByteArray out[4]) const {
        for (const qsizetype h : kept) {
            out[0] += headers.mid(h * headerSize, bagField);
            PutU16(out[0], quint16(out[1].size() / 4));
            out[0] += headers.mid(h * headerSize + bagField + 2, headerSize - bagField - 2);
            for (quint16 b = FirstBag(h); b < FirstBag(h + 1); ++b) {
                PutU16(out[1], quint16(out[2].size() / 4));
                PutU16(out[1], quint16(out[3].size() / 10));
                for (quint16 g = U16(bags, b * 4); g < U16(bags, b * 4 + 4); ++g) {
                    const quint16 kind = U16(generators, g * 4);
                    PutU16(out[2], kind);
                    PutU16(out[2], kind == remapped ? quint16(remap[U16(generators, g * 4 + 2)])
                                                    : U16(generators, g * 4 + 2));
                }
                out[3] += modulators.mid(qsizetype(U16(bags, b * 4 + 2)) * 10,
                                         qsizetype(U16(bags, b * 4 + 6) - U16(bags, b * 4 + 2)) * 10);
            }
        }
        // The terminal records, pointing past the last run.
        const qsizetype last = Count(headers, headerSize) - 1;
        out[0] += headers.mid(last * headerSize, bagField);
        PutU16(out[0], quint16(out[1].size() / 4));
        out[0] += headers.mid(last * headerSize + bagField + 2, headerSize - bagField - 2);
        PutU16(out[1], quint16(out[2].size() / 4));
        PutU16(out[1], quint16(out[3].size() / 10));
        out[2] += generators.right(4);
        out[3] += modulators.right(10);
    }
};

// The cut tables as a whole "pdta" list; empty when the original tables are not whole.
QByteArray CutTables(const QByteArray (&table)[kTableCount], const MidiPrograms& programs) {
    for (int t = 0; t < kTableCount; ++t)
        if (table[t].size() % kTables[t].record != 0) return {};
    const Level presets{table[kPhdr], 38, 24, table[kPbag], table[kPgen], table[kPmod]};
    const Level instruments{table[kInst], 22, 20, table[kIbag], table[kIgen], table[kImod]};
    if (!presets.Whole() || !instruments.Whole() || table[kShdr].size() < 46) return {};

    const qsizetype instrumentCount = table[kInst].size() / 22 - 1;
    std::vector<qsizetype> keptPresets;
    std::vector<int> newIndex(instrumentCount, -1);
    for (qsizetype p = 0; p + 1 < table[kPhdr].size() / 38; ++p) {
        const quint16 program = U16(table[kPhdr], p * 38 + 20);
        if (program >= programs.size() || !programs.test(program)) continue;
        keptPresets.push_back(p);
        for (quint16 b = presets.FirstBag(p); b < presets.FirstBag(p + 1); ++b)
            for (quint16 g = U16(table[kPbag], b * 4); g < U16(table[kPbag], b * 4 + 4); ++g)
                if (U16(table[kPgen], g * 4) == kInstrumentGenerator) {
                    const quint16 instrument = U16(table[kPgen], g * 4 + 2);
                    if (instrument >= instrumentCount) return {};
                    newIndex[instrument] = 0;
                }
    }
    std::vector<qsizetype> keptInstruments;
    for (qsizetype i = 0; i < instrumentCount; ++i)
        if (newIndex[i] == 0) {
            newIndex[i] = int(keptInstruments.size());
            keptInstruments.push_back(i);
        }

    QByteArray presetTables[4], instrumentTables[4];
    presets.Copy(keptPresets, kInstrumentGenerator, newIndex, presetTables);
    instruments.Copy(keptInstruments, -1, newIndex, instrumentTables);
    QByteArray cut[kTableCount];
    for (const auto& [tables, first] : {std::pair{&presetTables, kPhdr}, std::pair{&instrumentTables, kInst}}) {
        cut[first] = (*tables)[0];      // headers
        cut[first + 1] = (*tables)[1];  // zones
        cut[first + 2] = (*tables)[3];  // modulators
        cut[first + 3] = (*tables)[2];  // generators
    }
    cut[kShdr] = table[kShdr];  // sample headers are small, and stereo pairs name each other by index

    QByteArray list("LIST\0\0\0\0pdta", 12);
    for (int t = 0; t < kTableCount; ++t) {
        list += kTables[t].id;
        const quint32 size = qToLittleEndian(quint32(cut[t].size()));
        list.append(reinterpret_cast<const char*>(&size), 4);
        list += cut[t];
    }
    qToLittleEndian(quint32(list.size() - 8), list.data() + 4);
    return list;
}

// The fonts alive now: a name handed to the loader is honoured only if it names one.
std::mutex liveLock;
std::set<const SoundFontSubset*> live;
constexpr char kNamePrefix[] = "spindora-cut-soundfont:";

struct Reader {
    const SoundFontSubset* font;
    int64_t at = 0;
};

void* OpenCut(const char* name) {
    void* pointer = nullptr;
    if (std::strncmp(name, kNamePrefix, sizeof kNamePrefix - 1) != 0 ||
        std::sscanf(name + sizeof kNamePrefix - 1, "%p", &pointer) != 1)
        return nullptr;
    std::lock_guard guard(liveLock);
    const auto found = live.find(static_cast<const SoundFontSubset*>(pointer));
    return found == live.end() ? nullptr : new Reader{*found};
}
int ReadCut(void* buffer, fluid_long_long_t count, void* handle) {
    auto* reader = static_cast<Reader*>(handle);
    if (!reader->font->Read(reader->at, static_cast<char*>(buffer), count)) return FLUID_FAILED;
    reader->at += count;
    return FLUID_OK;
}
int SeekCut(void* handle, fluid_long_long_t offset, int origin) {
    auto* reader = static_cast<Reader*>(handle);
    const int64_t base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? reader->at : reader->font->Size();
    if (offset < -base || offset > reader->font->Size() - base) return FLUID_FAILED;
    reader->at = base + offset;
    return FLUID_OK;
}
fluid_long_long_t TellCut(void* handle) { return static_cast<Reader*>(handle)->at; }
int CloseCut(void* handle) {
    delete static_cast<Reader*>(handle);
    return FLUID_OK;
}

}  // namespace

std::unique_ptr<SoundFontSubset> SoundFontSubset::Cut(const QString& path, const MidiPrograms& programs) {
    OpenedFile opened = OpenForeignFile(path, FileKind::SoundFont);
    if (opened.check != FileCheck::Regular) return nullptr;
    const int fd = opened.file.Fd();
    char riff[12];
    if (opened.size < 12 || !ReadAt(fd, 0, riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "sfbk", 4) != 0)
        return nullptr;
    const int64_t end = std::min<int64_t>(opened.size, 8 + int64_t(qFromLittleEndian<quint32>(riff + 4)));
    // The preset tables must be the last list: everything before them is passed on as it is.
    int64_t at = 12, tablesAt = -1, tablesEnd = 0;
    while (at + 12 <= end) {
        char header[12];
        if (!ReadAt(fd, at, header, 12)) return nullptr;
        const int64_t size = qFromLittleEndian<quint32>(header + 4);
        if (at + 8 + size > end) return nullptr;
        if (std::memcmp(header, "LIST", 4) == 0 && std::memcmp(header + 8, "pdta", 4) == 0) {
            tablesAt = at;
            tablesEnd = at + 8 + size;
        }
        at += 8 + size + (size & 1);
    }
    if (tablesAt < 0 || tablesEnd + 1 < end) return nullptr;

    QByteArray table[kTableCount];
    QByteArray list(tablesEnd - tablesAt - 12, Qt::Uninitialized);
    if (!ReadAt(fd, tablesAt + 12, list.data(), list.size())) return nullptr;
    for (qsizetype in = 0; in + 8 <= list.size();) {
        const qsizetype size = qFromLittleEndian<quint32>(list.constData() + in + 4);
        if (size > list.size() - in - 8) return nullptr;
        for (int t = 0; t < kTableCount; ++t)
            if (std::memcmp(list.constData() + in, kTables[t].id, 4) == 0)
                table[t] = QByteArray::fromRawData(list.constData() + in + 8, size);  // views into `list`
        in += 8 + size + (size & 1);
    }
    std::unique_ptr<SoundFontSubset> font(new SoundFontSubset);
    font->tables_ = CutTables(table, programs);
    if (font->tables_.isEmpty()) return nullptr;
    font->file_ = std::move(opened.file);
    font->tablesAt_ = tablesAt;
    font->head_ = QByteArray(riff, 12);
    qToLittleEndian(quint32(font->Size() - 8), font->head_.data() + 4);
    char name[sizeof kNamePrefix + 2 + 2 * sizeof(void*)];
    std::snprintf(name, sizeof name, "%s%p", kNamePrefix, static_cast<const void*>(font.get()));
    font->name_ = name;
    std::lock_guard guard(liveLock);
    live.insert(font.get());
    return font;
}

SoundFontSubset::~SoundFontSubset() {
    std::lock_guard guard(liveLock);
    live.erase(this);
}

bool SoundFontSubset::Read(int64_t offset, char* buffer, int64_t count) const {
    if (offset < 0 || count < 0 || count > Size() - offset) return false;
    const auto copy = [&](const QByteArray& from, int64_t start, int64_t length) {
        std::memcpy(buffer, from.constData() + start, size_t(length));
        buffer += length, offset += length, count -= length;
    };
    if (offset < head_.size()) copy(head_, offset, std::min<int64_t>(count, head_.size() - offset));
    if (count > 0 && offset < tablesAt_) {
        const int64_t length = std::min(count, tablesAt_ - offset);
        if (!ReadAt(file_.Fd(), offset, buffer, length)) return false;
        buffer += length, offset += length, count -= length;
    }
    if (count > 0) copy(tables_, offset - tablesAt_, count);
    return true;
}

bool SoundFontSubset::AddLoader(fluid_settings_t* settings, fluid_synth_t* synth) {
    fluid_sfloader_t* loader = Audio()->new_fluid_defsfloader(settings);
    if (!loader) return false;
    Audio()->fluid_sfloader_set_callbacks(loader, OpenCut, ReadCut, SeekCut, TellCut, CloseCut);
    Audio()->fluid_synth_add_sfloader(synth, loader);
    return true;
}

}  // namespace spindora
