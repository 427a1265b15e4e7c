#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace spindora {

// The kinds of file that lie beside the program or in the player's folders, each with the
// largest size worth reading: anything larger is treated as damaged.
enum class FileKind { Picture, Midi, Help, Settings, SoundFont, KeptGame };

int64_t LargestSize(FileKind kind);

// What opening such a file found.
enum class FileCheck {
    Regular,     // a regular file within its kind's size, readable
    Missing,     // nothing there, or a link to nothing
    NotRegular,  // a FIFO, device, socket or folder, after following links
    TooLarge,    // a regular file larger than its kind allows
    Unreadable,  // there, but it cannot be opened or read
};

// An open descriptor, closed when it goes.
class OpenFile {
public:
    OpenFile() = default;
    explicit OpenFile(int fd) : fd_(fd) {}
    OpenFile(OpenFile&& other) noexcept : fd_(other.Release()) {}
    OpenFile& operator=(OpenFile&& other) noexcept;
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile();
    int Fd() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    int Release();

private:
    int fd_ = -1;
};

struct OpenedFile {
    FileCheck check = FileCheck::Missing;
    OpenFile file;  // open only when check is Regular
    int64_t size = 0;
};

// Opens a file the game did not write itself. Links are followed; anything that is not a
// regular file is refused before it can block (a FIFO without a writer) or feed endless
// bytes (a device), and a file over the kind's size is refused unread.
OpenedFile OpenForeignFile(const QString& path, FileKind kind);
// The same for a path as the system spells it, in bytes: a name that is not UTF-8 has no
// QString that leads back to it.
OpenedFile OpenForeignFile(const QByteArray& nativePath, FileKind kind);

struct ForeignBytes {
    FileCheck check = FileCheck::Missing;
    QByteArray bytes;  // the whole file when check is Regular
};

// Opens and reads the whole file as above. A file that grows past the kind's size while it
// is read counts as too large.
ForeignBytes ReadForeignFile(const QString& path, FileKind kind);
ForeignBytes ReadForeignFile(const QByteArray& nativePath, FileKind kind);

}  // namespace spindora
