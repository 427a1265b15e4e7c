#pragma once
#include <QByteArray>
#include <QtGlobal>

namespace spindora::test {

// An environment variable set for one scope: what it held comes back at the scope's end,
// also when a failed assertion leaves the test early.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), was_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name)) {
        qputenv(name_, value);
    }
    ~ScopedEnv() {
        if (wasSet_) qputenv(name_, was_);
        else qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    QByteArray was_;
    bool wasSet_;
};

}  // namespace spindora::test
