#include "audio/sample.h"

#include <sndfile.h>

#include <limits>

namespace tocko {

std::shared_ptr<SampleBuffer> loadSample(const std::string& path, std::string& reason) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        reason = sf_strerror(nullptr);
        return nullptr;
    }
    std::shared_ptr<SampleBuffer> buffer;
    // libsndfile quietly shortens a file whose data chunk is cut off; its log
    // says so, and such a file is treated as damaged.
    char logInfo[2048] = {};
    sf_command(file, SFC_GET_LOG_INFO, logInfo, sizeof logInfo);
    const std::string log(logInfo);
    if (info.frames <= 0 || info.channels <= 0 || info.samplerate <= 0) {
        reason = "no audio frames";
    } else if (info.frames > std::numeric_limits<uint32_t>::max()) {
        reason = "too long";
    } else if (log.find("should be") != std::string::npos || log.find("truncated") != std::string::npos) {
        reason = "truncated";
    } else {
        buffer = std::make_shared<SampleBuffer>();
        buffer->frames = static_cast<uint32_t>(info.frames);
        buffer->channels = info.channels;
        buffer->sampleRate = info.samplerate;
        buffer->samples.resize(size_t(info.frames) * size_t(info.channels));
        sf_count_t got = sf_readf_float(file, buffer->samples.data(), info.frames);
        if (got != info.frames) {
            reason = "short read";
            buffer.reset();
        }
    }
    sf_close(file);
    return buffer;
}

}  // namespace tocko
