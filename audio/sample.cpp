#include "audio/sample.h"

#include <sndfile.h>

#include <cstring>
#include <limits>

#include "support/regular_file.h"

namespace tocko {

namespace {

// Bytes per sample of the plain encodings whose length follows from the
// data chunk's size; 0 for compressed ones.
int bytesPerSample(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_S8:
        case SF_FORMAT_PCM_U8:
            return 1;
        case SF_FORMAT_PCM_16:
            return 2;
        case SF_FORMAT_PCM_24:
            return 3;
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
            return 4;
        case SF_FORMAT_DOUBLE:
            return 8;
        default:
            return 0;
    }
}

// The frame count the file's "data" chunk declares, or -1 when the file
// has no such chunk or its encoding has no fixed frame size. libsndfile
// quietly shortens a file whose data is cut off to what is there, so the
// two counts differ exactly when the file is truncated.
sf_count_t declaredFrames(SNDFILE* file, const SF_INFO& info) {
    if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV) return -1;
    const int width = bytesPerSample(info.format);
    if (width == 0) return -1;
    SF_CHUNK_INFO wanted{};
    std::memcpy(wanted.id, "data", 4);
    wanted.id_size = 4;
    SF_CHUNK_ITERATOR* it = sf_get_chunk_iterator(file, &wanted);
    if (it == nullptr) return -1;
    SF_CHUNK_INFO chunk{};
    if (sf_get_chunk_size(it, &chunk) != SF_ERR_NO_ERROR) return -1;
    return sf_count_t(chunk.datalen) / (sf_count_t(width) * info.channels);
}

}  // namespace

std::shared_ptr<SampleBuffer> loadSample(const std::string& path, std::string& reason) {
    // Only a regular file is read: a FIFO would block the engine's start,
    // a link to a device would never end.
    FileStatus status = FileStatus::failed;
    std::string error;
    const int fd = openRegularFile(path, kMaxSampleFileBytes, status, &error);
    if (fd < 0) {
        switch (status) {
            case FileStatus::notRegular:
                reason = "not a regular file";
                break;
            case FileStatus::tooLarge:
                reason = "larger than 16 MiB";
                break;
            default:
                reason = error.empty() ? "unreadable" : error;
                break;
        }
        return nullptr;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open_fd(fd, SFM_READ, &info, SF_TRUE);  // closes fd
    if (file == nullptr) {
        reason = sf_strerror(nullptr);
        return nullptr;
    }
    std::shared_ptr<SampleBuffer> buffer;
    if (info.frames <= 0 || info.channels <= 0 || info.samplerate <= 0) {
        reason = "no audio frames";
    } else if (info.frames > std::numeric_limits<uint32_t>::max()) {
        reason = "too long";
    } else if (const sf_count_t declared = declaredFrames(file, info);
               declared >= 0 && info.frames < declared) {
        reason = "truncated";
    } else {
        buffer = std::make_shared<SampleBuffer>();
        buffer->frames = static_cast<uint32_t>(info.frames);
        buffer->channels = info.channels;
        buffer->sampleRate = info.samplerate;
        const size_t count = size_t(info.frames) * size_t(info.channels);
        sf_count_t got = 0;
        // 8- and 16-bit files keep their integers, which read back as the
        // floats libsndfile would give (x / 32768); wider ones become floats.
        if (bytesPerSample(info.format) == 1 || bytesPerSample(info.format) == 2) {
            buffer->pcm16.resize(count);
            got = sf_readf_short(file, buffer->pcm16.data(), info.frames);
        } else {
            buffer->samples.resize(count);
            got = sf_readf_float(file, buffer->samples.data(), info.frames);
        }
        if (got != info.frames) {
            reason = "short read";
            buffer.reset();
        }
    }
    sf_close(file);
    return buffer;
}

}  // namespace tocko
