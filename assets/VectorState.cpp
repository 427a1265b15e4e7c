#include "assets/VectorState.h"

namespace spindora::paint {

void ClearUpperVectorHalves() {
#if defined(__x86_64__) && defined(__GNUC__)
    // The instruction exists only where the processor and the system support AVX.
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) asm volatile("vzeroupper");
#endif
}

}  // namespace spindora::paint
