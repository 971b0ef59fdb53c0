#pragma once
// What a community sound pack's config.json says: one file sliced per key
// ("single") or a file per key ("multi"), optionally with key-up sounds.
// Key codes in the file are the community format's own (set-1 scan codes,
// extended keys with 0xE0 / 0x0E high bytes); they are turned into evdev
// codes here and nowhere else.

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>

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
std::optional<PackConfig> parsePackConfig(const QByteArray& json, QString& error);

}  // namespace tocko::userpacks
