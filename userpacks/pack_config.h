#pragma once
// What a community sound pack's config.json says: one file sliced per key
// ("single") or a file per key ("multi"), optionally with key-up sounds.
// Key codes in the file are the community format's own (set-1 scan codes,
// extended keys with 0xE0 / 0x0E high bytes); they are turned into evdev
// codes here and nowhere else.
//
// Key-up sounds may be written in any of these ways, in either mode:
//   "30-up" (or "_up", "-release", "-keyup") keys beside "30" in "defines";
//   a "defines_up" object keyed like "defines";
//   a value holding both: {"down": …, "up": …} or a pair [down, up];
//   single mode only: a "soundup" file sliced by the key-up definitions, or,
//   when there are none, by the key-down slices.
// Anything else that looks like a sound is refused, never left out unheard.

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

#include "userpacks/pack_problem.h"

namespace tocko::userpacks {

struct Slice {
    double startMs = 0;
    double lengthMs = 0;
};

// One key's sound: a slice of the pack's single file, or a file of its own.
struct KeySound {
    std::optional<Slice> slice;
    QString file;
};

struct PackConfig {
    enum class Mode { single, multi };
    QString name;
    Mode mode = Mode::single;
    QString soundFile;                // single: the sliced file
    QString releaseSoundFile;         // single with key-up slices in another file (may be empty)
    std::map<int, KeySound> press;    // evdev code -> sound
    std::map<int, KeySound> release;  // evdev code -> key-up sound
};

// evdev key code for the community format's key code, or none.
std::optional<int> evdevFromPackKeyCode(long code);

// Parses config.json. On failure returns none and a reason a user can act on.
// File names are checked later against the pack folder; here only their text.
std::optional<PackConfig> parsePackConfig(const QByteArray& json, PackProblem& error);

}  // namespace tocko::userpacks
