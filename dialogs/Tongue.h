#pragma once
#include <QObject>

#include "dialogs/Texts.h"

namespace spindora {

// The language setting `tongue`, held once for the whole program: 1 German, 0 English, -1 not
// chosen yet (English texts, and the first activation asks). Readers keep a reference: a window
// picks its texts from it when it shows, and one that is on screen while the language may
// change listens to `changed`.
class Tongue final : public QObject {
    Q_OBJECT
public:
    explicit Tongue(int value = -1) : value_(value) {}

    int value() const { return value_; }
    // Tells the readers only when the value is a new one.
    void Set(int value);

signals:
    void changed();

private:
    int value_;
};

inline QString Pick(const TextPair& text, const Tongue& tongue) {
    return Pick(text, tongue.value());
}

}  // namespace spindora
