#pragma once
#include <cstdint>

#include "audio/pack.h"

namespace tocko {

// The sound engine's shared playback state, read and written under its lock.
struct Playback {
    PackID pack = kDefaultPack;
    float masterVolume = 1.0f;
    bool muted = false;
    int64_t playInvocations = 0;
};

}  // namespace tocko
