#pragma once
// What a left or right mouse press sounds like, as stored in the user default
// "mouseSound": "off", "same", or a pack identifier.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "audio/pack.h"

namespace tocko {

class PlaybackSink;

class MouseSound {
public:
    enum class Kind : uint8_t { off, sameAsKeyboard, pack };

    // No stored text, or any text that is neither "off", "same" nor a pack
    // identifier, reads as sameAsKeyboard.
    explicit MouseSound(std::optional<std::string_view> storedText);

    static MouseSound off() { return MouseSound(Kind::off, kDefaultPack); }
    static MouseSound sameAsKeyboard() { return MouseSound(Kind::sameAsKeyboard, kDefaultPack); }
    static MouseSound pack(PackID p) { return MouseSound(Kind::pack, p); }

    Kind kind() const { return kind_; }
    // Meaningful only for Kind::pack.
    PackID packID() const { return pack_; }
    std::string storedText() const;

    friend bool operator==(const MouseSound& a, const MouseSound& b) {
        return a.kind_ == b.kind_ && (a.kind_ != Kind::pack || a.pack_ == b.pack_);
    }

private:
    MouseSound(Kind kind, PackID pack) : kind_(kind), pack_(pack) {}
    Kind kind_;
    PackID pack_;
};

// The user default "mouseSound" of the user's settings, read afresh.
MouseSound storedMouseSound();

// The choice in force for mouse presses: a copy of the user default that the
// main thread keeps and any thread reads without locks or I/O (the tap thread
// reads it at every press). It reads as sameAsKeyboard until first loaded.
MouseSound currentMouseSound();
// Main thread: loads the user default into the choice in force.
void reloadMouseSound();
// Main thread: stores `choice` as the user default and as the choice in force.
void storeMouseSound(const MouseSound& choice);

// One mouse press: `off` touches nothing; otherwise the press is counted in
// playInvocations and, unless playback is muted, played at the current
// master volume with the keyboard's pack or the chosen one.
void playMouseClick(PlaybackSink& engine, const MouseSound& choice);

}  // namespace tocko

template <>
struct std::hash<tocko::MouseSound> {
    size_t operator()(const tocko::MouseSound& m) const noexcept {
        size_t k = static_cast<size_t>(m.kind());
        return m.kind() == tocko::MouseSound::Kind::pack ? (k << 8) | static_cast<size_t>(m.packID()) : k;
    }
};
