#pragma once
// The audio output the mixer renders into. A backend pulls samples through
// the render callback on its own real-time thread; the callback must not
// allocate, lock or log.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tocko {

struct OutputFormat {
    double sampleRate = 0;  // 0 when unknown
    int channels = 0;       // 0 when unknown
};

class AudioOutput {
public:
    // Fills `frames` interleaved frames of `channels` floats at `sampleRate`.
    using RenderCallback = std::function<void(float* out, uint32_t frames, int channels, double sampleRate)>;
    // Takes back up to `frames` of the last rendered frames, which the output
    // is about to overwrite; returns how many were taken back.
    using RewindCallback = std::function<uint32_t(uint32_t frames)>;
    struct Listener {
        std::function<void()> defaultOutputChanged;  // the default device changed
        std::function<void()> configurationChanged;  // stream moved, suspended or reformatted
    };

    virtual ~AudioOutput() = default;
    // Installed once, before the first start.
    virtual void setRenderCallback(RenderCallback render) = 0;
    // Optional, installed with the render callback: an output that can
    // replace audio it has queued but not yet played uses it to start a new
    // click at once instead of behind the queue.
    virtual void setRewindCallback(RewindCallback) {}
    // Listener callbacks may run on any thread.
    virtual void setListener(Listener listener) = 0;
    // Starts pulling render callbacks; false with a description on failure.
    virtual bool start(std::string& error) = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;
    // Format the mixer should produce for the current device.
    virtual OutputFormat format() const = 0;
    // Identity of the current default device (0 when it cannot be read).
    virtual uint32_t defaultDeviceID() const = 0;
    // Human-readable name of the current default device, or "?".
    virtual std::string deviceName() const = 0;
    // A click was just scheduled: an output that idles its stream while
    // silent resumes it here, and one that can starts it without waiting
    // for the audio queued ahead of it.
    virtual void wake() {}
    // Times the output ran dry since it was created (0 when it cannot tell).
    virtual uint64_t underruns() const { return 0; }
};

// Folder of the pack-<id>.wav files: $TOCKO_RESOURCES/sounds, else
// share/tocko/sounds beside an installed executable, else the resources of
// the source tree this program was built from.
std::string defaultSoundsDirectory();

}  // namespace tocko
