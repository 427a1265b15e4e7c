#pragma once
#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace spindora {

// The system calls that replacing a file makes, so that tests can make one of them fail
// the way a full disk or a dying device does.
struct ReplaceCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};
ReplaceCalls& ReplaceSystemCalls();

// The file a path names after following links, also when the last link leads nowhere yet.
QString FollowLinks(const QString& path);

enum class ReplaceResult { Written, NotRegular, Failed };

// Writes `bytes` as the whole new content of the file at `path` (links followed): into a
// new file in the same folder, every write and the flush to disk checked, then renamed
// over the old one. On any failure the old file stays as it was and the new one is
// removed. A path that names anything but a regular file is never replaced.
ReplaceResult ReplaceFile(const QString& path, const QByteArray& bytes);

}  // namespace spindora
