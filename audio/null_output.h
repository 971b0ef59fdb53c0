#pragma once
// An output with no device behind it: a clocked thread pulls the mixer in
// real time (optionally writing what it renders to a WAV file), or, with a
// manual clock, the caller pulls it. Its device, format and start result can
// be changed at run time, which also makes it the output used by tests.

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "audio/output.h"

namespace tocko {

class NullOutput : public AudioOutput {
public:
    struct Options {
        OutputFormat format{48000, 2};
        uint32_t blockFrames = 256;
        std::string capturePath;   // empty: no capture
        bool manualClock = false;  // true: render only through pump()
        uint32_t deviceID = 1;
        std::string deviceName = "Null Output";
    };
    NullOutput();
    explicit NullOutput(Options options);
    ~NullOutput() override;

    void setRenderCallback(RenderCallback render) override { render_ = std::move(render); }
    void setListener(Listener listener) override;
    bool start(std::string& error) override;
    void stop() override;
    bool isRunning() const override { return running_.load(); }
    OutputFormat format() const override;
    uint32_t defaultDeviceID() const override;
    std::string deviceName() const override;

    // Controls for tests and tools.
    void setStartFailure(std::optional<std::string> error);
    void setFormat(OutputFormat format);
    // As if the user picked another default device; tells the listener.
    void simulateDefaultOutputChange(uint32_t id, std::string name);
    // As if the stream was moved or reformatted; tells the listener.
    void simulateConfigurationChange();
    // As if the device went away under a running stream.
    void simulateStreamLoss() { running_ = false; }
    // Manual clock: renders `frames` frames and appends them to rendered().
    void pump(uint32_t frames);
    std::vector<float> takeRendered();

private:
    void clockLoop();
    void captureLoop();

    Options options_;
    RenderCallback render_;
    Listener listener_;
    mutable std::mutex mutex_;  // guards the simulated device fields below
    OutputFormat format_;
    uint32_t deviceID_;
    std::string deviceName_;
    std::optional<std::string> startFailure_;
    std::atomic<bool> running_{false};
    std::atomic<bool> quit_{false};
    std::thread clock_;
    std::vector<float> rendered_;
    // Capture: the clock thread pushes into a preallocated ring and a writer
    // thread drains it to the file, so the render side does no I/O.
    std::vector<float> ring_;
    std::atomic<size_t> ringHead_{0}, ringTail_{0};
    std::atomic<int> captureChannels_{0};
    std::atomic<int> captureRate_{0};
    std::thread writer_;
};

}  // namespace tocko
