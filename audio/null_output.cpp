#include "audio/null_output.h"

#include <sndfile.h>

#include <chrono>
#include <utility>

#include "support/serial_queue.h"

namespace tocko {

NullOutput::NullOutput() : NullOutput(Options{}) {}

NullOutput::NullOutput(Options options)
    : options_(std::move(options)),
      format_(options_.format),
      deviceID_(options_.deviceID),
      deviceName_(options_.deviceName) {}

NullOutput::~NullOutput() {
    stop();
    quit_ = true;
    if (writer_.joinable()) writer_.join();
}

void NullOutput::setListener(Listener listener) { listener_ = std::move(listener); }

bool NullOutput::start(std::string& error) {
    if (running_) return true;
    {
        std::lock_guard lock(mutex_);
        if (startFailure_) {
            error = *startFailure_;
            return false;
        }
    }
    running_ = true;
    if (!options_.manualClock) {
        if (!options_.capturePath.empty() && !writer_.joinable()) {
            ring_.assign(size_t(options_.format.sampleRate) * 8, 0.0f);
            writer_ = std::thread([this] { captureLoop(); });
        }
        clock_ = std::thread([this] { clockLoop(); });
    }
    return true;
}

void NullOutput::stop() {
    running_ = false;
    if (clock_.joinable()) clock_.join();
}

OutputFormat NullOutput::format() const {
    std::lock_guard lock(mutex_);
    return format_;
}
uint32_t NullOutput::defaultDeviceID() const {
    std::lock_guard lock(mutex_);
    return deviceID_;
}
std::string NullOutput::deviceName() const {
    std::lock_guard lock(mutex_);
    return deviceName_;
}
void NullOutput::setStartFailure(std::optional<std::string> error) {
    std::lock_guard lock(mutex_);
    startFailure_ = std::move(error);
}

void NullOutput::setFormat(OutputFormat format) {
    std::lock_guard lock(mutex_);
    format_ = format;
}

void NullOutput::simulateDefaultOutputChange(uint32_t id, std::string name) {
    {
        std::lock_guard lock(mutex_);
        deviceID_ = id;
        deviceName_ = std::move(name);
    }
    if (listener_.defaultOutputChanged) listener_.defaultOutputChanged();
}

void NullOutput::simulateConfigurationChange() {
    if (listener_.configurationChanged) listener_.configurationChanged();
}

void NullOutput::pump(uint32_t frames) {
    OutputFormat f = format();
    const int ch = f.channels > 0 ? f.channels : 2;
    const size_t at = rendered_.size();
    rendered_.resize(at + size_t(frames) * size_t(ch));
    if (render_) render_(rendered_.data() + at, frames, ch, f.sampleRate > 0 ? f.sampleRate : 48000);
}

std::vector<float> NullOutput::takeRendered() { return std::exchange(rendered_, {}); }

void NullOutput::clockLoop() {
    setCurrentThreadName("com.tocko.render");
    raiseCurrentThreadPriority();
    const OutputFormat f = format();
    const int ch = f.channels > 0 ? f.channels : 2;
    const double rate = f.sampleRate > 0 ? f.sampleRate : 48000;
    const uint32_t frames = options_.blockFrames;
    std::vector<float> block(size_t(frames) * size_t(ch));
    captureChannels_ = ch;
    captureRate_ = int(rate);
    const auto period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(frames / rate));
    auto next = std::chrono::steady_clock::now();
    while (running_) {
        if (render_) render_(block.data(), frames, ch, rate);
        if (!ring_.empty()) {
            const size_t head = ringHead_.load(std::memory_order_relaxed);
            const size_t tail = ringTail_.load(std::memory_order_acquire);
            if (ring_.size() - (head - tail) >= block.size()) {
                for (size_t i = 0; i < block.size(); ++i) ring_[(head + i) % ring_.size()] = block[i];
                ringHead_.store(head + block.size(), std::memory_order_release);
            }
        }
        next += period;
        std::this_thread::sleep_until(next);
    }
}

void NullOutput::captureLoop() {
    SNDFILE* file = nullptr;
    std::vector<float> chunk;
    for (;;) {
        const bool last = quit_.load();
        const size_t tail = ringTail_.load(std::memory_order_relaxed);
        const size_t head = ringHead_.load(std::memory_order_acquire);
        const int ch = captureChannels_.load();
        if (head != tail && ch > 0) {
            if (file == nullptr) {
                SF_INFO info{};
                info.samplerate = captureRate_.load();
                info.channels = ch;
                info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
                file = sf_open(options_.capturePath.c_str(), SFM_WRITE, &info);
            }
            chunk.resize(head - tail);
            for (size_t i = 0; i < chunk.size(); ++i) chunk[i] = ring_[(tail + i) % ring_.size()];
            ringTail_.store(head, std::memory_order_release);
            if (file) {
                sf_writef_float(file, chunk.data(), sf_count_t(chunk.size() / size_t(ch)));
                sf_write_sync(file);
            }
        }
        if (last) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (file) sf_close(file);
}

}  // namespace tocko
