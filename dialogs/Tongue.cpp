#include "dialogs/Tongue.h"

namespace spindora {

void Tongue::Set(int value) {
    if (value == value_) return;
    value_ = value;
    emit changed();
}

}  // namespace spindora
