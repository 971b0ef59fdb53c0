#pragma once
// Output through the audio server (PulseAudio, or PipeWire's pulse server)
// with libpulse: one low-latency float playback stream on the default sink,
// rendered from the threaded mainloop's write callback. The stream follows
// the default sink; a change of default sink, a move, a suspend or a format
// change of the stream is reported through the listener. After some seconds
// of silence the stream is corked, so an idle engine costs nothing; the next
// click uncorks it.
//
// The stream keeps a comfortable buffer (few wakeups, no underruns), yet a
// click never waits behind it: when one is scheduled, the part of the buffer
// the server has not played yet is rendered again with the click at its
// start and written over it (PA_SEEK_RELATIVE_ON_READ). The stream asks a
// PipeWire graph for its lowest quantum while it plays; corked, it asks
// nothing and the graph returns to its default.

#include <pulse/pulseaudio.h>

#include <atomic>
#include <mutex>
#include <string>

#include "audio/output.h"

namespace tocko {

class PulseOutput : public AudioOutput {
public:
    // The stream is corked after `idleCorkSeconds` of silence.
    explicit PulseOutput(double idleCorkSeconds = 3.0);
    ~PulseOutput() override;

    void setRenderCallback(RenderCallback render) override { render_ = std::move(render); }
    void setRewindCallback(RewindCallback rewind) override { rewind_ = std::move(rewind); }
    void setListener(Listener listener) override;
    bool start(std::string& error) override;
    void stop() override;
    bool isRunning() const override { return running_.load(); }
    OutputFormat format() const override;
    uint32_t defaultDeviceID() const override;
    std::string deviceName() const override;
    void wake() override;
    uint64_t underruns() const override { return underruns_.load(std::memory_order_relaxed); }

private:
    bool connectLocked(std::string& error);
    void dropContextLocked();
    void stopLocked();
    void renderInto(pa_stream* s, size_t bytes, pa_seek_mode_t seek);
    void startClickLocked();
    void refreshServerInfoLocked();
    void notifyDefaultOutputChanged();
    void notifyConfigurationChanged();

    static void onContextState(pa_context* c, void* self);
    static void onSubscription(pa_context* c, pa_subscription_event_type_t t, uint32_t index, void* self);
    static void onServerInfo(pa_context* c, const pa_server_info* info, void* self);
    static void onSinkInfo(pa_context* c, const pa_sink_info* info, int eol, void* self);
    static void onStreamState(pa_stream* s, void* self);
    static void onStreamWrite(pa_stream* s, size_t bytes, void* self);
    static void onStreamMoved(pa_stream* s, void* self);
    static void onStreamSuspended(pa_stream* s, void* self);
    static void onStreamUnderflow(pa_stream* s, void* self);

    pa_threaded_mainloop* mainloop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    RenderCallback render_;
    RewindCallback rewind_;
    std::mutex listenerMutex_;
    Listener listener_;

    // What we know of the default sink, updated from the mainloop thread.
    mutable std::mutex infoMutex_;
    std::string defaultSinkName_;
    bool serverIsPipeWire_ = false;  // PipeWire's pulse server answers
    uint32_t defaultSinkIndex_ = 0;
    std::string sinkDescription_ = "?";
    OutputFormat sinkFormat_{};
    bool haveSinkInfo_ = false;
    std::string reportedSinkName_;  // the default sink the engine was last told about

    // Stream facts; written with the mainloop lock held.
    OutputFormat streamFormat_{};
    std::atomic<bool> running_{false};
    std::atomic<bool> corked_{false};
    std::atomic<uint64_t> underruns_{0};
    // Render side (mainloop thread, or another thread holding its lock).
    uint64_t silentFrames_ = 0;
    uint32_t bufferFrames_ = 0;          // the stream's target buffer
    uint32_t queuedAtWrite_ = 0;         // frames queued at the server after the last write
    int64_t lastWriteNanos_ = 0;         // when that was
    int64_t corkedNanos_ = 0;            // when the stream was corked (the queue stands still)
    bool renderPriorityRaised_ = false;  // render thread only
    const double idleCorkSeconds_;
};

}  // namespace tocko
