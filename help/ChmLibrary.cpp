#include "help/ChmLibrary.h"

#include <dlfcn.h>
#include <link.h>
#include <mspack.h>
#include <unistd.h>

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "files/ForeignFile.h"

namespace spindora {

// What libmspack reads and writes through. The help file is never opened by name: every
// read goes to the descriptor that was checked as a regular file, so a path swapped for a
// FIFO or a device afterwards is never reached, and an unpacked object goes into memory.
struct ChmLibrary::File::Source : mspack_system {
    OpenFile file;
    int64_t size = 0;          // as checked: a file growing later is not read further
    QByteArray* sink = nullptr;  // where the object being unpacked goes
    qsizetype sinkLimit = 0;
};

namespace {

// The name the help file goes by inside the library, which hands it back to Open unread.
constexpr const char* kFileName = "help";
// A damaged file may announce any length or place; nothing in a help file comes near this.
// The place bounds the work too: the unpacker runs through the bytes before an object.
constexpr off_t kLargestObject = off_t{64} << 20;

using Source = ChmLibrary::File::Source;

// The header's two GUIDs: chmcmd writes the first in both places, and libmspack, which
// checks both, would refuse every file chmcmd makes. The header is read in one piece.
constexpr unsigned char kFirstGuid[16] = {0x10, 0xFD, 0x01, 0x7C, 0xAA, 0x7B, 0xD0, 0x11,
                                          0x9E, 0x0C, 0x00, 0xA0, 0xC9, 0x22, 0xE6, 0xEC};
constexpr int kSecondGuidAt = 0x28;

void MendChmcmdHeader(off_t position, unsigned char* bytes, int count) {
    if (position != 0 || count < kSecondGuidAt + 16) return;
    unsigned char* second = bytes + kSecondGuidAt;
    if (std::memcmp(second, kFirstGuid, sizeof kFirstGuid) == 0) second[0] = 0x11;  // {7C01FD11-…}
}

struct Stream : mspack_file {
    Stream(Source* source, bool sink) : source(source), sink(sink) {}
    Source* source;
    bool sink;
    off_t position = 0;
};

mspack_file* OpenStream(mspack_system* self, const char*, int mode) {
    auto* source = static_cast<Source*>(self);
    if (mode == MSPACK_SYS_OPEN_READ) return new Stream(source, false);
    if (mode == MSPACK_SYS_OPEN_WRITE && source->sink) return new Stream(source, true);
    return nullptr;
}

void CloseStream(mspack_file* file) { delete static_cast<Stream*>(file); }

int ReadStream(mspack_file* file, void* buffer, int bytes) {
    auto* stream = static_cast<Stream*>(file);
    if (stream->sink || bytes < 0) return -1;
    // The library takes a short read for the end of the file, so only the end stops one.
    const off_t left = std::max<off_t>(0, stream->source->size - stream->position);
    const int wanted = static_cast<int>(std::min<off_t>(bytes, left));
    int done = 0;
    while (done < wanted) {
        const ssize_t got = ::pread(stream->source->file.Fd(), static_cast<char*>(buffer) + done,
                                    static_cast<size_t>(wanted - done), stream->position + done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return -1;
        if (got == 0) break;
        done += static_cast<int>(got);
    }
    MendChmcmdHeader(stream->position, static_cast<unsigned char*>(buffer), done);
    stream->position += done;
    return done;
}

int WriteStream(mspack_file* file, void* buffer, int bytes) {
    auto* stream = static_cast<Stream*>(file);
    if (!stream->sink || bytes < 0) return -1;
    QByteArray& sink = *stream->source->sink;
    if (bytes > stream->source->sinkLimit - sink.size()) return -1;
    sink.append(static_cast<const char*>(buffer), bytes);
    return bytes;
}

int SeekStream(mspack_file* file, off_t offset, int mode) {
    auto* stream = static_cast<Stream*>(file);
    off_t from = 0;
    if (mode == MSPACK_SYS_SEEK_CUR) from = stream->position;
    else if (mode == MSPACK_SYS_SEEK_END) from = stream->source->size;
    else if (mode != MSPACK_SYS_SEEK_START) return -1;
    off_t to = 0;
    if (__builtin_add_overflow(from, offset, &to) || to < 0) return -1;
    stream->position = to;
    return 0;
}

off_t TellStream(mspack_file* file) { return static_cast<Stream*>(file)->position; }

// The library's notes on damaged files are not the player's business.
void IgnoreMessage(mspack_file*, const char*, ...) {}

// Zeroed, so that even a decoder led astray by a damaged file reads the same on every run.
void* Allocate(mspack_system*, size_t bytes) { return std::calloc(1, bytes); }
void Free(void* memory) { std::free(memory); }
void Copy(void* from, void* to, size_t bytes) { std::memcpy(to, from, bytes); }

template <typename Fn>
bool Bind(void* handle, const char* symbol, Fn& fn) {
    fn = reinterpret_cast<Fn>(dlsym(handle, symbol));
    return fn != nullptr;
}

}  // namespace

QString VersionFromFileName(const QString& fileName) {
    static const QRegularExpression trailing(QStringLiteral("((?:\\.\\d+)+)$"));
    const auto match = trailing.match(fileName);
    QStringList parts = match.hasMatch() ? match.captured(1).mid(1).split(QLatin1Char('.'))
                                         : QStringList();
    while (parts.size() < 4) parts << QStringLiteral("0");
    return parts.mid(0, 4).join(QLatin1Char('.'));
}

ChmLibrary::ChmLibrary(const QString& nameOrPath) : name_(nameOrPath) {
    handle_ = dlopen(nameOrPath.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        failure_ = QString::fromLocal8Bit(dlerror());
        return;
    }
    int (*selfTest)(int) = nullptr;
    if (!Bind(handle_, "mspack_create_chm_decompressor", create_) ||
        !Bind(handle_, "mspack_destroy_chm_decompressor", destroy_) ||
        !Bind(handle_, "mspack_sys_selftest_internal", selfTest)) {
        failure_ = QStringLiteral("%1 lacks the libmspack functions").arg(nameOrPath);
    } else if (selfTest(sizeof(off_t)) != MSPACK_ERR_OK) {
        failure_ = QStringLiteral("%1 was built with another size of file offsets").arg(nameOrPath);
    }
    if (!failure_.isEmpty()) {
        dlclose(handle_);
        handle_ = nullptr;
        return;
    }
    link_map* map = nullptr;
    if (dlinfo(handle_, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name)
        version_ = VersionFromFileName(QFileInfo(QString::fromLocal8Bit(map->l_name)).canonicalFilePath());
}

ChmLibrary::~ChmLibrary() {
    if (handle_) dlclose(handle_);
}

ChmLibrary& ChmLibrary::Shared() {
    static ChmLibrary library;
    return library;
}

std::unique_ptr<ChmLibrary::File> ChmLibrary::Open(const QString& path) const {
    if (!handle_) return nullptr;
    // Only a regular file of a sane size is read: a FIFO would keep the viewer waiting
    // forever and a device would feed it without end.
    OpenedFile checked = OpenForeignFile(path, FileKind::Help);
    if (checked.check != FileCheck::Regular) return nullptr;
    auto source = std::make_unique<File::Source>();
    *static_cast<mspack_system*>(source.get()) = {OpenStream, CloseStream, ReadStream,  WriteStream,
                                                  SeekStream, TellStream,  IgnoreMessage, Allocate,
                                                  Free,       Copy,        nullptr};
    source->file = std::move(checked.file);
    source->size = checked.size;
    auto file = std::make_unique<File>(*this, std::move(source));
    return file->Opened() ? std::move(file) : nullptr;
}

ChmLibrary::File::File(const ChmLibrary& library, std::unique_ptr<Source> source)
    : library_(library), source_(std::move(source)) {
    directory_ = library_.create_(source_.get());
    // The whole directory is read at once, each of its chunks once and in order: the
    // library's quick lookup follows the index from chunk to chunk and can go round a loop
    // in a damaged file for ever.
    if (directory_) header_ = directory_->open(directory_, kFileName);
    if (!header_) return;
    // Names inside a help file are compared without regard to case, as every reader does.
    for (mschmd_file* list : {header_->files, header_->sysfiles})
        for (mschmd_file* entry = list; entry; entry = entry->next) {
            const QString key = QString::fromUtf8(entry->filename).toCaseFolded();
            if (!index_.contains(key)) index_.insert(key, entry);
        }
}

ChmLibrary::File::~File() {
    if (header_) directory_->close(directory_, header_);
    if (directory_) library_.destroy_(directory_);
}

namespace {

// The compressed section unpacks only with its content, its settings and both of the ways
// to its start listed in the directory: a missing one sends the library to its quick lookup.
bool CompressedSectionListed(const mschmd_header& header) {
    const mschmd_sec_mscompressed& section = header.sec1;
    return section.content && section.control && section.rtable && section.spaninfo;
}

}  // namespace

mschmd_file* ChmLibrary::File::Find(const QString& path) const { return index_.value(path.toCaseFolded()); }

bool ChmLibrary::File::Contains(const QString& path) const { return Find(path) != nullptr; }

QStringList ChmLibrary::File::Names() const {
    QStringList names;
    if (header_)
        for (mschmd_file* entry = header_->files; entry; entry = entry->next) names << QString::fromUtf8(entry->filename);
    return names;
}

QByteArray ChmLibrary::File::Read(const QString& path) const {
    mschmd_file* entry = Find(path);
    if (!entry || entry->length <= 0 || entry->length > kLargestObject || entry->offset < 0 ||
        entry->offset > kLargestObject)
        return {};
    if (entry->section->id != 0 && !CompressedSectionListed(*header_)) return {};
    // A fresh unpacker for every object starts from the nearest reset point, so that an
    // object reads the same whatever was read before it, damaged file or not.
    mschm_decompressor* unpacker = library_.create_(source_.get());
    if (!unpacker) return {};
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(entry->length));
    source_->sink = &bytes;
    source_->sinkLimit = static_cast<qsizetype>(entry->length);
    const int error = unpacker->extract(unpacker, entry, kFileName);
    source_->sink = nullptr;
    library_.destroy_(unpacker);
    if (error != MSPACK_ERR_OK || bytes.size() != entry->length) return {};
    return bytes;
}

}  // namespace spindora
