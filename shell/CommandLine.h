#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace spindora {

struct CommandLine {
    std::optional<uint64_t> seed;  // --seed N: deal reproducibly
    QString config;                // --config FILE: the settings file instead of the usual one
    QString error;                 // set when an argument cannot be used
    bool help = false;             // --help: print the usage and end
    bool version = false;          // --version: print the version and end
};

// What --help prints.
QString UsageText();

// Reads the program's arguments (without the program name). Arguments it does not know
// are left for others (the debug switches).
CommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace spindora
