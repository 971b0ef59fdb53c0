#pragma once
// Shared by the context tests: an isolated home, log capture, waiting on the
// Qt event loop, and a fake sound engine.

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "context/playback_sink.h"
#include "support/log.h"

namespace tocko::test {

// The temporary folder that stands in for HOME (with XDG_CONFIG_HOME and
// XDG_DATA_HOME inside it) for the whole test process.
const std::string& isolatedHome();

// Runs the event loop until `done` holds or the time is up.
bool waitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    std::vector<LogRecord> records() const;
    // System-log messages of a category, in order.
    std::vector<std::string> messages(const std::string& category) const;
    // Standard-error lines ("[Tocko] ..."), in order.
    std::vector<std::string> traces() const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<LogRecord> records_;
};

class FakeSink : public PlaybackSink {
public:
    struct Play {
        PackID pack;
        float volume;
        bool vary;
        friend bool operator==(const Play&, const Play&) = default;
    };
    void setActivePack(PackID pack) override {
        bool changed = state_.with([&](Playback& p) {
            if (p.pack == pack) return false;
            p.pack = pack;
            return true;
        });
        if (changed) packChanges.push_back(pack);
    }
    Locked<Playback>& state() override { return state_; }
    void play(PackID pack, float volume, bool vary) override { plays.push_back({pack, volume, vary}); }

    std::vector<PackID> packChanges;
    std::vector<Play> plays;

private:
    Locked<Playback> state_;
};

}  // namespace tocko::test
