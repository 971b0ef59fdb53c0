#include "context/mouse_sound.h"

#include <atomic>
#include <cstdint>

#include "context/playback_sink.h"
#include "support/user_settings.h"

namespace tocko {

namespace {

constexpr const char* kMouseSoundKey = "mouseSound";

// The choice in force as (kind << 8) | pack, so that one lock-free word
// carries it to the tap thread.
uint16_t packedChoice(const MouseSound& choice) {
    return static_cast<uint16_t>(static_cast<unsigned>(choice.kind()) << 8 |
                                 static_cast<unsigned>(choice.packID()));
}

std::atomic<uint16_t> gMouseSoundInForce{packedChoice(MouseSound::sameAsKeyboard())};
static_assert(std::atomic<uint16_t>::is_always_lock_free);

}  // namespace

MouseSound::MouseSound(std::optional<std::string_view> storedText)
    : kind_(Kind::sameAsKeyboard), pack_(kDefaultPack) {
    if (!storedText) return;
    if (*storedText == "off") {
        kind_ = Kind::off;
    } else if (std::optional<PackID> p = packFromRaw(*storedText)) {
        kind_ = Kind::pack;
        pack_ = *p;
    }
}

std::string MouseSound::storedText() const {
    switch (kind_) {
        case Kind::off:
            return "off";
        case Kind::sameAsKeyboard:
            return "same";
        case Kind::pack:
            return std::string(rawValue(pack_));
    }
    return "same";
}

MouseSound storedMouseSound() {
    const QVariant v = userSettings()->value(kMouseSoundKey);
    if (!v.isValid() || v.isNull()) return MouseSound(std::nullopt);
    return MouseSound(v.toString().toStdString());
}

MouseSound currentMouseSound() {
    const uint16_t packed = gMouseSoundInForce.load(std::memory_order_relaxed);
    const auto kind = static_cast<MouseSound::Kind>(packed >> 8);
    switch (kind) {
        case MouseSound::Kind::off:
            return MouseSound::off();
        case MouseSound::Kind::pack:
            return MouseSound::pack(static_cast<PackID>(packed & 0xFF));
        case MouseSound::Kind::sameAsKeyboard:
            break;
    }
    return MouseSound::sameAsKeyboard();
}

void reloadMouseSound() {
    gMouseSoundInForce.store(packedChoice(storedMouseSound()), std::memory_order_relaxed);
}

void storeMouseSound(const MouseSound& choice) {
    userSettings()->setValue(kMouseSoundKey, QString::fromStdString(choice.storedText()));
    gMouseSoundInForce.store(packedChoice(choice), std::memory_order_relaxed);
}

void playMouseClick(PlaybackSink& engine, const MouseSound& choice) {
    if (choice.kind() == MouseSound::Kind::off) return;
    const bool own = choice.kind() == MouseSound::Kind::pack;
    PackID pack = choice.packID();
    float volume = 0;
    bool muted = true;
    engine.state().with([&](Playback& p) {
        ++p.playInvocations;
        if (!own) pack = p.pack;
        volume = p.masterVolume;
        muted = p.muted;
    });
    if (!muted) engine.play(pack, volume, true);
}

}  // namespace tocko
