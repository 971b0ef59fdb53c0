#pragma once
// The sound engine seen through the context engine's narrow view of it.

#include <memory>

#include "audio/sound_engine.h"
#include "context/playback_sink.h"

namespace tocko {

class EnginePlaybackSink : public PlaybackSink {
public:
    explicit EnginePlaybackSink(std::shared_ptr<SoundEngine> engine) : engine_(std::move(engine)) {}
    void setActivePack(PackID pack) override { engine_->setActivePack(pack); }
    Locked<Playback>& state() override { return engine_->state(); }
    void play(PackID pack, float volume, bool vary) override { engine_->play(pack, volume, vary); }

private:
    std::shared_ptr<SoundEngine> engine_;
};

}  // namespace tocko
