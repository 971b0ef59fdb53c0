#include "audio/linux/pulse_output.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "support/log.h"
#include "support/serial_queue.h"

namespace tocko {

namespace {
constexpr double kStreamBufferSeconds = 0.008;  // target buffer between us and the sink
constexpr double kIdleCorkSeconds = 3.0;        // silence before the stream is corked
constexpr auto kConnectTimeout = std::chrono::milliseconds(2000);

void signalTimer(pa_mainloop_api* api, pa_time_event* e, const struct timeval*, void* ml) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(ml), 0);
    struct timeval tv;
    api->time_restart(e, pa_timeval_add(pa_gettimeofday(&tv), 50 * PA_USEC_PER_MSEC));
}

// Waits on the mainloop (lock held) until `done` is true or the time is up.
// The callbacks signal on every state change; a timer that lives only for
// the wait makes sure the deadline is seen.
template <class F>
bool waitLocked(pa_threaded_mainloop* ml, F done) {
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(ml);
    struct timeval tv;
    pa_time_event* timer = api->time_new(api, pa_timeval_add(pa_gettimeofday(&tv), 50 * PA_USEC_PER_MSEC),
                                         signalTimer, ml);
    const auto deadline = std::chrono::steady_clock::now() + kConnectTimeout;
    bool ok = true;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ok = false;
            break;
        }
        pa_threaded_mainloop_wait(ml);
    }
    api->time_free(timer);
    return ok;
}
}  // namespace

PulseOutput::PulseOutput() {
    mainloop_ = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(mainloop_, "com.tocko.pulse");
    pa_threaded_mainloop_start(mainloop_);
    pa_threaded_mainloop_lock(mainloop_);
    std::string error;
    if (connectLocked(error)) waitLocked(mainloop_, [this] {
            std::lock_guard lock(infoMutex_);
            return haveSinkInfo_;
        });
    pa_threaded_mainloop_unlock(mainloop_);
}

PulseOutput::~PulseOutput() {
    pa_threaded_mainloop_lock(mainloop_);
    stopLocked();
    dropContextLocked();
    pa_threaded_mainloop_unlock(mainloop_);
    pa_threaded_mainloop_stop(mainloop_);
    pa_threaded_mainloop_free(mainloop_);
}

void PulseOutput::setListener(Listener listener) {
    std::lock_guard lock(listenerMutex_);
    listener_ = std::move(listener);
}

void PulseOutput::notifyDefaultOutputChanged() {
    std::function<void()> f;
    {
        std::lock_guard lock(listenerMutex_);
        f = listener_.defaultOutputChanged;
    }
    if (f) f();
}

void PulseOutput::notifyConfigurationChanged() {
    std::function<void()> f;
    {
        std::lock_guard lock(listenerMutex_);
        f = listener_.configurationChanged;
    }
    if (f) f();
}

bool PulseOutput::connectLocked(std::string& error) {
    if (context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY) return true;
    dropContextLocked();
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Tocko");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "com.pollix.tocko");
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "event");
    context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(mainloop_), "Tocko", props);
    pa_proplist_free(props);
    pa_context_set_state_callback(context_, onContextState, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        error = pa_strerror(pa_context_errno(context_));
        dropContextLocked();
        return false;
    }
    bool ok = waitLocked(mainloop_, [this] {
        auto s = pa_context_get_state(context_);
        return s == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(s);
    });
    if (!ok || pa_context_get_state(context_) != PA_CONTEXT_READY) {
        error = ok ? pa_strerror(pa_context_errno(context_)) : "timed out connecting to the audio server";
        dropContextLocked();
        return false;
    }
    pa_context_set_subscribe_callback(context_, onSubscription, this);
    pa_operation_unref(pa_context_subscribe(
        context_, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SERVER | PA_SUBSCRIPTION_MASK_SINK), nullptr, nullptr));
    refreshServerInfoLocked();
    return true;
}

void PulseOutput::dropContextLocked() {
    if (context_ == nullptr) return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseOutput::refreshServerInfoLocked() {
    pa_operation* op = pa_context_get_server_info(context_, onServerInfo, this);
    if (op) pa_operation_unref(op);
}

void PulseOutput::onContextState(pa_context* c, void* p) {
    auto* self = static_cast<PulseOutput*>(p);
    const auto state = pa_context_get_state(c);
    if (!PA_CONTEXT_IS_GOOD(state) && self->running_.exchange(false)) {
        // The server went away under a running stream.
        self->notifyConfigurationChanged();
    }
    pa_threaded_mainloop_signal(self->mainloop_, 0);
}

void PulseOutput::onSubscription(pa_context* c, pa_subscription_event_type_t t, uint32_t index, void* p) {
    auto* self = static_cast<PulseOutput*>(p);
    const auto facility = t & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SERVER) {
        pa_operation* op = pa_context_get_server_info(c, onServerInfo, self);
        if (op) pa_operation_unref(op);
    } else if (facility == PA_SUBSCRIPTION_EVENT_SINK &&
               (t & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_CHANGE) {
        bool isDefault;
        {
            std::lock_guard lock(self->infoMutex_);
            isDefault = self->haveSinkInfo_ && index == self->defaultSinkIndex_;
        }
        if (isDefault) {
            pa_operation* op = pa_context_get_sink_info_by_index(c, index, onSinkInfo, self);
            if (op) pa_operation_unref(op);
        }
    }
}

void PulseOutput::onServerInfo(pa_context* c, const pa_server_info* info, void* p) {
    auto* self = static_cast<PulseOutput*>(p);
    if (info == nullptr) return;
    const std::string name = info->default_sink_name ? info->default_sink_name : "";
    {
        std::lock_guard lock(self->infoMutex_);
        self->defaultSinkName_ = name;
    }
    pa_operation* op = pa_context_get_sink_info_by_name(c, name.c_str(), onSinkInfo, self);
    if (op) pa_operation_unref(op);
}

void PulseOutput::onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* p) {
    auto* self = static_cast<PulseOutput*>(p);
    if (eol != 0 || info == nullptr) {
        if (eol < 0) {  // no such sink: nothing to play on
            std::lock_guard lock(self->infoMutex_);
            self->haveSinkInfo_ = true;
            self->defaultSinkIndex_ = 0;
            self->sinkDescription_ = "?";
            self->sinkFormat_ = {};
        }
        pa_threaded_mainloop_signal(self->mainloop_, 0);
        return;
    }
    bool changedDevice = false, changedFormat = false;
    {
        std::lock_guard lock(self->infoMutex_);
        const std::string name = info->name ? info->name : "";
        // Answers about a sink that is no longer the default may still arrive
        // after the default changed: skip them. Which sink was reported last
        // decides whether this is a change, whatever order answers come in.
        if (name != self->defaultSinkName_) {
            pa_threaded_mainloop_signal(self->mainloop_, 0);
            return;
        }
        const OutputFormat f{double(info->sample_spec.rate), int(info->sample_spec.channels)};
        changedDevice = self->haveSinkInfo_ && name != self->reportedSinkName_;
        changedFormat = self->haveSinkInfo_ && !changedDevice && f.sampleRate != self->sinkFormat_.sampleRate;
        self->reportedSinkName_ = name;
        self->haveSinkInfo_ = true;
        self->defaultSinkIndex_ = info->index;
        self->sinkDescription_ = info->description && *info->description ? info->description : "?";
        self->sinkFormat_ = f;
    }
    pa_threaded_mainloop_signal(self->mainloop_, 0);
    if (changedDevice) self->notifyDefaultOutputChanged();
    if (changedFormat) self->notifyConfigurationChanged();
}

bool PulseOutput::start(std::string& error) {
    pa_threaded_mainloop_lock(mainloop_);
    if (running_) {
        pa_threaded_mainloop_unlock(mainloop_);
        return true;
    }
    stopLocked();
    if (!connectLocked(error)) {
        pa_threaded_mainloop_unlock(mainloop_);
        return false;
    }
    waitLocked(mainloop_, [this] {
        std::lock_guard lock(infoMutex_);
        return haveSinkInfo_;
    });
    OutputFormat sink;
    {
        std::lock_guard lock(infoMutex_);
        sink = sinkFormat_;
    }
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_FLOAT32NE;
    spec.rate = sink.sampleRate > 0 ? uint32_t(sink.sampleRate) : 48000;
    spec.channels = uint8_t(std::clamp(sink.channels, 1, 2));
    stream_ = pa_stream_new(context_, "Key clicks", &spec, nullptr);
    if (stream_ == nullptr) {
        error = pa_strerror(pa_context_errno(context_));
        pa_threaded_mainloop_unlock(mainloop_);
        return false;
    }
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_write_callback(stream_, onStreamWrite, this);
    pa_stream_set_moved_callback(stream_, onStreamMoved, this);
    pa_stream_set_suspended_callback(stream_, onStreamSuspended, this);
    const size_t frameBytes = pa_frame_size(&spec);
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(spec.rate * kStreamBufferSeconds) * frameBytes;
    attr.prebuf = 0;  // play as soon as anything is written, never pause on underrun
    attr.minreq = uint32_t(-1);  // a small fixed request size stalls some sinks (null sink)
    attr.fragsize = uint32_t(-1);
    streamFormat_ = {double(spec.rate), int(spec.channels)};
    silentFrames_ = 0;
    corked_ = false;
    // No device named: the stream plays on the default sink and the server
    // moves it when the default changes. No automatic timing updates: they
    // would wake this process several times a second even while corked.
    const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        error = pa_strerror(pa_context_errno(context_));
        stopLocked();
        pa_threaded_mainloop_unlock(mainloop_);
        return false;
    }
    const bool ok = waitLocked(mainloop_, [this] {
        auto s = pa_stream_get_state(stream_);
        return s == PA_STREAM_READY || !PA_STREAM_IS_GOOD(s);
    });
    if (!ok || pa_stream_get_state(stream_) != PA_STREAM_READY) {
        error = ok ? pa_strerror(pa_context_errno(context_)) : "timed out creating the playback stream";
        stopLocked();
        pa_threaded_mainloop_unlock(mainloop_);
        return false;
    }
    running_ = true;
    pa_threaded_mainloop_unlock(mainloop_);
    return true;
}

void PulseOutput::stopLocked() {
    running_ = false;
    if (stream_ == nullptr) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_set_moved_callback(stream_, nullptr, nullptr);
    pa_stream_set_suspended_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    corked_ = false;
}

void PulseOutput::stop() {
    pa_threaded_mainloop_lock(mainloop_);
    stopLocked();
    pa_threaded_mainloop_unlock(mainloop_);
}

OutputFormat PulseOutput::format() const {
    if (running_) return streamFormat_;
    std::lock_guard lock(infoMutex_);
    if (!haveSinkInfo_ || sinkFormat_.sampleRate <= 0) return {};
    return {sinkFormat_.sampleRate, std::clamp(sinkFormat_.channels, 1, 2)};
}

uint32_t PulseOutput::defaultDeviceID() const {
    std::lock_guard lock(infoMutex_);
    return haveSinkInfo_ ? defaultSinkIndex_ + 1 : 0;  // sink 0 is a real sink; 0 means unknown
}

std::string PulseOutput::deviceName() const {
    std::lock_guard lock(infoMutex_);
    return haveSinkInfo_ ? sinkDescription_ : "?";
}

void PulseOutput::wake() {
    if (!corked_.load(std::memory_order_acquire)) return;
    pa_threaded_mainloop_lock(mainloop_);
    if (stream_ && corked_) {
        corked_ = false;
        silentFrames_ = 0;
        pa_operation* op = pa_stream_cork(stream_, 0, nullptr, nullptr);
        if (op) pa_operation_unref(op);
    }
    pa_threaded_mainloop_unlock(mainloop_);
}

void PulseOutput::onStreamState(pa_stream* s, void* p) {
    auto* self = static_cast<PulseOutput*>(p);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(s)) && self->running_.exchange(false))
        self->notifyConfigurationChanged();
    pa_threaded_mainloop_signal(self->mainloop_, 0);
}

// The render thread: the mainloop thread, while it services our stream.
void PulseOutput::onStreamWrite(pa_stream* s, size_t bytes, void* p) {
    auto* self = static_cast<PulseOutput*>(p);
    if (!self->renderPriorityRaised_) {  // first callback on this thread
        self->renderPriorityRaised_ = true;
        raiseCurrentThreadPriority();
    }
    const int ch = self->streamFormat_.channels;
    const size_t frameBytes = sizeof(float) * size_t(ch);
    while (bytes >= frameBytes) {
        void* data = nullptr;
        size_t n = bytes;
        if (pa_stream_begin_write(s, &data, &n) < 0 || data == nullptr) return;
        // The server may hand out a larger buffer than it asked for; render
        // only what was asked, so the stream stays at its target latency.
        const uint32_t frames = uint32_t(std::min(n, bytes) / frameBytes);
        if (frames == 0) {
            pa_stream_cancel_write(s);
            return;
        }
        float* out = static_cast<float*>(data);
        if (self->render_)
            self->render_(out, frames, ch, self->streamFormat_.sampleRate);
        else
            std::memset(out, 0, frames * frameBytes);
        const bool silent = std::all_of(out, out + size_t(frames) * size_t(ch), [](float v) { return v == 0.0f; });
        self->silentFrames_ = silent ? self->silentFrames_ + frames : 0;
        pa_stream_write(s, data, frames * frameBytes, nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= frames * frameBytes;
    }
    if (!self->corked_ && self->silentFrames_ > uint64_t(kIdleCorkSeconds * self->streamFormat_.sampleRate)) {
        self->corked_.store(true, std::memory_order_release);
        pa_operation* op = pa_stream_cork(s, 1, nullptr, nullptr);
        if (op) pa_operation_unref(op);
    }
}

void PulseOutput::onStreamMoved(pa_stream*, void* p) { static_cast<PulseOutput*>(p)->notifyConfigurationChanged(); }

void PulseOutput::onStreamSuspended(pa_stream*, void* p) {
    static_cast<PulseOutput*>(p)->notifyConfigurationChanged();
}

}  // namespace tocko
