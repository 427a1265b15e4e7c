#include "files/ForeignFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spindora {

int64_t LargestSize(FileKind kind) {
    switch (kind) {
    case FileKind::Picture: return int64_t{64} << 20;
    case FileKind::Midi: return int64_t{4} << 20;
    case FileKind::Help: return int64_t{64} << 20;
    case FileKind::Settings: return int64_t{1} << 20;
    // Some 250,000 moves of history.
    case FileKind::KeptGame: return int64_t{1} << 20;
    // A RIFF file's own size field stops at 4 GiB.
    case FileKind::SoundFont: return int64_t{4} << 30;
    }
    return 0;
}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = other.Release();
    }
    return *this;
}

OpenFile::~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
}

int OpenFile::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

namespace {

FileCheck CheckStat(const struct stat& st, FileKind kind) {
    if (!S_ISREG(st.st_mode)) return FileCheck::NotRegular;
    if (st.st_size > LargestSize(kind)) return FileCheck::TooLarge;
    return FileCheck::Regular;
}

}  // namespace

OpenedFile OpenForeignFile(const QString& path, FileKind kind) { return OpenForeignFile(QFile::encodeName(path), kind); }

OpenedFile OpenForeignFile(const QByteArray& name, FileKind kind) {
    OpenedFile result;
    if (name.isEmpty()) return result;
    // Looking first keeps device nodes from being opened at all; some act on open.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        result.check = errno == ENOENT || errno == ENOTDIR ? FileCheck::Missing : FileCheck::Unreadable;
        return result;
    }
    if ((result.check = CheckStat(st, kind)) != FileCheck::Regular) return result;
    // The path may have been swapped since: the open must not block, and what was opened
    // is checked again.
    OpenFile file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!file.IsOpen()) {
        result.check = errno == ENOENT ? FileCheck::Missing : FileCheck::Unreadable;
        return result;
    }
    if (::fstat(file.Fd(), &st) != 0) {
        result.check = FileCheck::Unreadable;
        return result;
    }
    if ((result.check = CheckStat(st, kind)) != FileCheck::Regular) return result;
    result.size = st.st_size;
    result.file = std::move(file);
    return result;
}

ForeignBytes ReadForeignFile(const QString& path, FileKind kind) { return ReadForeignFile(QFile::encodeName(path), kind); }

ForeignBytes ReadForeignFile(const QByteArray& nativePath, FileKind kind) {
    ForeignBytes result;
    OpenedFile opened = OpenForeignFile(nativePath, kind);
    result.check = opened.check;
    if (opened.check != FileCheck::Regular) return result;
    const int64_t largest = LargestSize(kind);
    // One byte beyond the largest size tells a file that grew from one that did not.
    QByteArray bytes(static_cast<qsizetype>(opened.size + 1), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > largest) {
                result.check = FileCheck::TooLarge;
                return result;
            }
            bytes.resize(std::min<qsizetype>(got * 2 + 4096, static_cast<qsizetype>(largest) + 1));
        }
        const ssize_t n = ::read(opened.file.Fd(), bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.check = FileCheck::Unreadable;
            return result;
        }
        if (n == 0) break;
        got += n;
    }
    if (got > largest) {
        result.check = FileCheck::TooLarge;
        return result;
    }
    bytes.truncate(got);
    result.bytes = std::move(bytes);
    return result;
}

}  // namespace spindora
