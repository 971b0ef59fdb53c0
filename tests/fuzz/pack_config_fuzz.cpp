// The community pack config parser on arbitrary bytes: it either gives a
// config whose every key is a real evdev code and every slice is finite and
// in range, or a reason.
#include <QString>
#include <cmath>
#include <cstdlib>

#include "userpacks/pack_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    tocko::userpacks::PackProblem error;
    const auto config = tocko::userpacks::parsePackConfig(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), error);
    if (!config) {
        if (!error || error.text().isEmpty()) std::abort();
        return 0;
    }
    for (const auto* map : {&config->press, &config->release})
        for (const auto& [code, sound] : *map) {
            if (code < 1 || code > 127) std::abort();
            if (sound.slice && (!std::isfinite(sound.slice->startMs) || sound.slice->lengthMs <= 0))
                std::abort();
        }
    return 0;
}
