#include "help/TDLogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTime>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "files/UserFolders.h"
#include "help/LogHeader.h"

namespace spindora {
namespace {

TDLogFile* currentLog = nullptr;

bool IsDebugSwitch(const QString& argument) {
    return argument.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0 ||
           argument.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0;
}

// Removes whatever has the log's name, never following a link: a link planted there is
// removed itself, and the file it points at stays as it was.
void RemoveOldLog(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (lstat(name.constData(), &info) == 0 && !S_ISDIR(info.st_mode)) unlink(name.constData());
}

bool WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

}  // namespace

TDLogFile* DebugLog() { return currentLog; }
void SetDebugLog(TDLogFile* log) { currentLog = log; }

QString TDLogFile::UserStateDir() {
    return XdgBaseFolder("XDG_STATE_HOME", ".local/state") + QLatin1String("/Spindora");
}

bool TDLogFile::CanCreateIn(const QString& dir) {
    const QByteArray probe = QFile::encodeName(QDir(dir).filePath(QStringLiteral("$_Temp_$.$$$")));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    unlink(probe.constData());
    return true;
}

TDLogFile::TDLogFile(const QString& programPath, const QStringList& arguments,
                     const QString& userStateDir, const ChmLibrary& library) {
    const QString programDir = QFileInfo(programPath).absolutePath();
    // An installed program's folder belongs to root; the shared temporary folder would let
    // another user plant a link under the log's fixed name, so the fallback is the user's own.
    const bool inProgramDir = CanCreateIn(programDir);
    filePath_ = QDir(inProgramDir ? programDir : userStateDir).filePath(QLatin1String(kFileName));
    debugMode_ = QFileInfo::exists(QDir(programDir).filePath(QStringLiteral("debug.debug"))) ||
                 std::any_of(arguments.begin(), arguments.end(), IsDebugSwitch);
    RemoveOldLog(filePath_);
    if (!debugMode_) return;
    if (!inProgramDir) QDir().mkpath(userStateDir);
    for (const QString& line : HeaderLines(GatherHeaderFacts(filePath_, programPath, arguments, library)))
        Write(line);
}

void TDLogFile::Write(const QString& text) const {
    if (!debugMode_) return;
    QString line = text;
    if (line == QLatin1String("-") || line == QLatin1String("=")) line = line.repeated(80);
    if (line.startsWith(QLatin1Char('!')) || line.startsWith(QLatin1Char('-')) ||
        line.startsWith(QLatin1Char('=')))
        line.remove(0, 1);
    else
        line.prepend(QTime::currentTime().toString(QLatin1String(kTimeFormat)) + QLatin1String("   "));
    const int fd = ::open(QFile::encodeName(filePath_).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        ReportFailure(std::strerror(errno));
        return;
    }
    struct stat info {};
    // Only ever append to a plain file of our own making, never a device or a pipe.
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ReportFailure("not a plain file");
    } else {
        errno = 0;
        if (!WriteAll(fd, (line + QLatin1Char('\n')).toUtf8()))
            ReportFailure(errno ? std::strerror(errno) : "nothing was written");
    }
    ::close(fd);
}

void TDLogFile::ReportFailure(const char* why) const {
    // Once: the player asked for the log and should learn that there is none, but not at
    // every line.
    if (failureReported_) return;
    failureReported_ = true;
    std::fprintf(stderr, "spindora: cannot write the debug log %s: %s\n", qPrintable(filePath_), why);
}

void TDLogFile::Log(const char* format, ...) const {
    if (!debugMode_) return;
    va_list args;
    va_start(args, format);
    const QString text = QString::vasprintf(format, args);
    va_end(args);
    Write(text);
}

}  // namespace spindora
