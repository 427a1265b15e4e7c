#include "audio/AudioLibraries.h"

#include <dlfcn.h>
#include <cstdio>
#include <iterator>

namespace spindora {
namespace {

// Sonames of the Debian 12 packages libsdl2-2.0-0, libsdl2-mixer-2.0-0 and libfluidsynth3.
constexpr const char* kLibraries[] = {"libSDL2-2.0.so.0", "libSDL2_mixer-2.0.so.0",
                                      "libfluidsynth.so.3"};

const AudioLibraries* Load() {
    static AudioLibraries libraries;
    void* handles[std::size(kLibraries)] = {};
    for (size_t i = 0; i < std::size(kLibraries); ++i) {
        handles[i] = dlopen(kLibraries[i], RTLD_NOW | RTLD_LOCAL);
        if (!handles[i]) {
            std::fprintf(stderr, "spindora: no sound: %s\n", dlerror());
            return nullptr;
        }
    }
    const auto find = [&handles](const char* name) -> void* {
        for (void* handle : handles)
            if (void* symbol = dlsym(handle, name)) return symbol;
        return nullptr;
    };
    bool complete = true;
#define SPINDORA_AUDIO_FIND(name)                                                 \
    libraries.name = reinterpret_cast<decltype(libraries.name)>(find(#name));     \
    if (!libraries.name) {                                                        \
        std::fprintf(stderr, "spindora: no sound: %s is missing\n", #name);      \
        complete = false;                                                         \
    }
    SPINDORA_AUDIO_FUNCTIONS(SPINDORA_AUDIO_FIND)
#undef SPINDORA_AUDIO_FIND
    return complete ? &libraries : nullptr;
}

}  // namespace

const AudioLibraries* Audio() {
    static const AudioLibraries* const libraries = Load();
    return libraries;
}

}  // namespace spindora
