#include "files/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spindora {

ReplaceCalls& ReplaceSystemCalls() {
    static ReplaceCalls calls{::write, ::fsync, ::rename};
    return calls;
}

QString FollowLinks(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    // As many hops as the system itself follows before it gives up on a loop.
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink()) return current;
        current = QDir::cleanPath(info.symLinkTarget());
    }
    return current;
}

namespace {

class TempFile {
public:
    explicit TempFile(const QString& target) {
        static std::atomic<unsigned> counter{0};
        const QByteArray base = QFile::encodeName(target);
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            name_ = base + ".new-" + QByteArray::number(::getpid()) + '-' +
                    QByteArray::number(counter++);
            fd_ = ::open(name_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        created_ = fd_ >= 0;
    }
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (created_ && !committed_) ::unlink(name_.constData());
    }
    bool Open() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    const QByteArray& Name() const { return name_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    void Committed() { committed_ = true; }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

private:
    QByteArray name_;
    int fd_ = -1;
    bool created_ = false;
    bool committed_ = false;
};

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t n = ReplaceSystemCalls().write(fd, data, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

ReplaceResult ReplaceFile(const QString& path, const QByteArray& bytes) {
    const QString target = FollowLinks(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool existed = ::stat(targetName.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return ReplaceResult::NotRegular;
    if (!existed && errno != ENOENT) return ReplaceResult::Failed;

    TempFile temp(target);
    if (!temp.Open()) return ReplaceResult::Failed;
    // The new file keeps the old one's permissions, so private settings stay private.
    if (existed && ::fchmod(temp.Fd(), old.st_mode & 07777) != 0) return ReplaceResult::Failed;
    if (!WriteAll(temp.Fd(), bytes)) return ReplaceResult::Failed;
    if (ReplaceSystemCalls().fsync(temp.Fd()) != 0) return ReplaceResult::Failed;
    if (!temp.Close()) return ReplaceResult::Failed;
    // The target may have been swapped for something else meanwhile.
    struct stat now {};
    if (::stat(targetName.constData(), &now) == 0 && !S_ISREG(now.st_mode)) return ReplaceResult::NotRegular;
    if (ReplaceSystemCalls().rename(temp.Name().constData(), targetName.constData()) != 0)
        return ReplaceResult::Failed;
    temp.Committed();
    // The rename itself reaches the disk with the folder; the new content is whole either way.
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return ReplaceResult::Written;
}

}  // namespace spindora
