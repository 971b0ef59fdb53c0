#pragma once
// A sound engine stand-in that records what the context engine asks of it,
// for the context and view tests.

#include <vector>

#include "context/playback_sink.h"

namespace tocko::test {

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
