#pragma once
// What the context engine and the mouse handler need from the sound engine:
// the active pack, the shared playback state and a click.

#include "audio/pack.h"
#include "audio/playback.h"
#include "support/locked.h"

namespace tocko {

class PlaybackSink {
public:
    virtual ~PlaybackSink() = default;
    // Does nothing when `pack` is already active.
    virtual void setActivePack(PackID pack) = 0;
    virtual Locked<Playback>& state() = 0;
    // Only enqueues the click; safe from any thread.
    virtual void play(PackID pack, float volume, bool vary) = 0;
};

}  // namespace tocko
