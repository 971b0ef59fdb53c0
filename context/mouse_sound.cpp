#include "context/mouse_sound.h"

#include <QSettings>

#include "context/playback_sink.h"

namespace tocko {

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
    const QVariant v = QSettings("Pollix", "Tocko").value("mouseSound");
    if (!v.isValid() || v.isNull()) return MouseSound(std::nullopt);
    return MouseSound(v.toString().toStdString());
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
