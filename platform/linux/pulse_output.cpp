#include "platform/linux/pulse_output.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

#include "support/log.h"
#include "support/serial_queue.h"

namespace tocko {

namespace {
// Target buffer between us and the sink, and how much of it may drain before
// the server asks for more: the stream wakes this process once per request
// while it plays. A click does not wait behind the buffer (it overwrites
// it), so the buffer is sized for safety against a late wakeup, not for
// latency: 80 ms of margin, 50 requests a second.
constexpr double kStreamBufferSeconds = 0.100;
constexpr double kRequestSeconds = 0.020;
// PipeWire's pulse server asks the graph for a quantum of the stream's
// latency, which it takes as the request size only for a stream with early
// requests (otherwise tlength less two requests: 4288 frames here, the
// graph's default or more). The smallest request, with early requests, asks
// for the lowest quantum the server allows (its pulse.min.quantum, 256
// frames by default) while the stream plays. A corked stream is paused and
// holds the graph to nothing.
constexpr uint32_t kPipeWireRequestFrames = 64;
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
    pa_time_event* timer =
        api->time_new(api, pa_timeval_add(pa_gettimeofday(&tv), 50 * PA_USEC_PER_MSEC), signalTimer, ml);
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

PulseOutput::PulseOutput(double idleCorkSeconds) : idleCorkSeconds_(idleCorkSeconds) {
    mainloop_ = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(mainloop_, "com.tocko.pulse");
    pa_threaded_mainloop_start(mainloop_);
    pa_threaded_mainloop_lock(mainloop_);
    std::string error;
    if (connectLocked(error))
        waitLocked(mainloop_, [this] {
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
        context_, pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SERVER | PA_SUBSCRIPTION_MASK_SINK), nullptr,
        nullptr));
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
        self->serverIsPipeWire_ = info->server_name && std::strstr(info->server_name, "PipeWire") != nullptr;
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
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, "event");
    stream_ = pa_stream_new_with_proplist(context_, "Key clicks", &spec, nullptr, props);
    pa_proplist_free(props);
    if (stream_ == nullptr) {
        error = pa_strerror(pa_context_errno(context_));
        pa_threaded_mainloop_unlock(mainloop_);
        return false;
    }
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_write_callback(stream_, onStreamWrite, this);
    pa_stream_set_moved_callback(stream_, onStreamMoved, this);
    pa_stream_set_suspended_callback(stream_, onStreamSuspended, this);
    pa_stream_set_underflow_callback(stream_, onStreamUnderflow, this);
    const size_t frameBytes = pa_frame_size(&spec);
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    bufferFrames_ = uint32_t(spec.rate * kStreamBufferSeconds);
    attr.tlength = bufferFrames_ * frameBytes;
    attr.prebuf = 0;  // play as soon as anything is written, never pause on underrun
    bool pipeWire;
    {
        std::lock_guard lock(infoMutex_);
        pipeWire = serverIsPipeWire_;
    }
    attr.minreq =
        (pipeWire ? kPipeWireRequestFrames : uint32_t(spec.rate * kRequestSeconds)) * uint32_t(frameBytes);
    attr.fragsize = uint32_t(-1);
    streamFormat_ = {double(spec.rate), int(spec.channels)};
    silentFrames_ = 0;
    queuedAtWrite_ = 0;
    lastWriteNanos_ = 0;
    corked_ = false;
    // No device named: the stream plays on the default sink and the server
    // moves it when the default changes. No automatic timing updates: they
    // would wake this process several times a second even while corked.
    const auto flags = pipeWire ? PA_STREAM_EARLY_REQUESTS : pa_stream_flags_t(0);
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
    trace("PulseOutput", "stream closed, " + std::to_string(underruns_.load()) + " underruns so far");
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_set_moved_callback(stream_, nullptr, nullptr);
    pa_stream_set_suspended_callback(stream_, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
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

namespace {
int64_t steadyNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

// Called on the engine's queue right after a click was scheduled. The cork
// flag is read and changed only with the mainloop lock held, so a click can
// never slip in between the render side deciding to cork and the cork.
//
// The stream is uncorked before the click is written. Written first, over
// the held queue, PulseAudio dropped 6-9 ms of the click as the sink
// caught up with the time the stream stood still. Uncorked first, the first
// key after a pause sounds about 1.5 ms later than keys while typing.
void PulseOutput::wake() {
    pa_threaded_mainloop_lock(mainloop_);
    if (stream_ != nullptr && running_ && pa_stream_get_state(stream_) == PA_STREAM_READY) {
        if (corked_) {
            corked_.store(false, std::memory_order_release);
            silentFrames_ = 0;
            pa_operation* op = pa_stream_cork(stream_, 0, nullptr, nullptr);
            if (op) pa_operation_unref(op);
        }
        startClickLocked();
    }
    pa_threaded_mainloop_unlock(mainloop_);
}

// Renders the click (and whatever still sounds) from the server's read
// position: the mixer takes back the frames the server has not played yet,
// and a full buffer rendered from that point replaces them.
void PulseOutput::startClickLocked() {
    const double rate = streamFormat_.sampleRate;
    // What the server still holds: the buffer as it was after the last write,
    // less what the sink has played since (nothing while corked).
    const int64_t until = corkedNanos_ > lastWriteNanos_ ? corkedNanos_ : steadyNanos();
    const int64_t played = lastWriteNanos_ > 0 ? int64_t(double(until - lastWriteNanos_) * rate / 1e9) : 0;
    const uint32_t queued = uint32_t(std::clamp<int64_t>(int64_t(queuedAtWrite_) - played, 0, bufferFrames_));
    corkedNanos_ = 0;
    // When the mixer's history does not reach back that far, what still
    // sounds skips the frames that could not be taken back; the click still
    // starts at once.
    if (rewind_ && queued > 0) rewind_(queued);
    renderInto(stream_, size_t(bufferFrames_) * sizeof(float) * size_t(streamFormat_.channels),
               PA_SEEK_RELATIVE_ON_READ);
}

void PulseOutput::renderInto(pa_stream* s, size_t bytes, pa_seek_mode_t seek) {
    const int ch = streamFormat_.channels;
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
        if (render_)
            render_(out, frames, ch, streamFormat_.sampleRate);
        else
            std::memset(out, 0, frames * frameBytes);
        const bool silent =
            std::all_of(out, out + size_t(frames) * size_t(ch), [](float v) { return v == 0.0f; });
        silentFrames_ = silent ? silentFrames_ + frames : 0;
        pa_stream_write(s, data, frames * frameBytes, nullptr, 0, seek);
        bytes -= frames * frameBytes;
        // Only the first piece goes to the read position; the rest follows it.
        seek = PA_SEEK_RELATIVE;
    }
    // Right after a write the server holds a full buffer again.
    queuedAtWrite_ = bufferFrames_;
    lastWriteNanos_ = steadyNanos();
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
    self->renderInto(s, bytes, PA_SEEK_RELATIVE);
    if (!self->corked_ &&
        self->silentFrames_ > uint64_t(self->idleCorkSeconds_ * self->streamFormat_.sampleRate)) {
        self->corked_.store(true, std::memory_order_release);
        self->corkedNanos_ = steadyNanos();
        pa_operation* op = pa_stream_cork(s, 1, nullptr, nullptr);
        if (op) pa_operation_unref(op);
    }
}

void PulseOutput::onStreamUnderflow(pa_stream*, void* p) {
    static_cast<PulseOutput*>(p)->underruns_.fetch_add(1, std::memory_order_relaxed);
}

void PulseOutput::onStreamMoved(pa_stream*, void* p) {
    static_cast<PulseOutput*>(p)->notifyConfigurationChanged();
}

void PulseOutput::onStreamSuspended(pa_stream*, void* p) {
    static_cast<PulseOutput*>(p)->notifyConfigurationChanged();
}

}  // namespace tocko
