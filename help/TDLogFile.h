#pragma once
#include <QString>
#include <QStringList>

#include "help/ChmLibrary.h"

namespace spindora {

// The diagnostic log: switched on by "-debug" or "/debug" among the arguments (any letter
// case) or by a file "debug.debug" beside the program; then it describes the machine and
// records every help request in "HHDebug.txt". An old log goes at every start.
class TDLogFile {
public:
    // `programPath` is the program file's full path; its directory is where the log and the
    // marker file are looked for. `userStateDir` takes the log when that directory is not
    // writable.
    TDLogFile(const QString& programPath, const QStringList& arguments,
              const QString& userStateDir = UserStateDir(),
              const ChmLibrary& library = ChmLibrary::Shared());

    bool DebugMode() const { return debugMode_; }
    const QString& FilePath() const { return filePath_; }

    // Writes one line in debug mode: "-" and "=" alone become rules of 80, a leading "!",
    // "-" or "=" is dropped and leaves the line without a time stamp.
    void Write(const QString& text) const;
    void Log(const char* format, ...) const __attribute__((format(printf, 2, 3)));

    // $XDG_STATE_HOME/Spindora, or ~/.local/state/Spindora.
    static QString UserStateDir();
    // Whether a file can be made in `dir` (tried with a scratch file that is removed again).
    static bool CanCreateIn(const QString& dir);

    static constexpr const char* kFileName = "HHDebug.txt";
    static constexpr const char* kTimeFormat = "HH:mm:ss";

private:
    // One line on standard error, at the first line that cannot be written.
    void ReportFailure(const char* why) const;

    bool debugMode_ = false;
    QString filePath_;
    mutable bool failureReported_ = false;
};

// The log the program writes to; nullptr (writes nothing) until main() sets one.
TDLogFile* DebugLog();
void SetDebugLog(TDLogFile* log);

}  // namespace spindora
