#pragma once
#include <QString>

namespace spindora {

// Named text values in sections that outlive a run. The shell's settings store is one; the
// dialogs see only this much of it.
class TextStore {
public:
    virtual ~TextStore() = default;
    virtual QString ReadText(const QString& section, const QString& name,
                             const QString& fallback) const = 0;
    // False when the value could not be kept.
    virtual bool WriteText(const QString& section, const QString& name, const QString& value) = 0;
};

}  // namespace spindora
