#include "userpacks/pack_config.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace tocko::userpacks {

namespace {

constexpr int kMaxDefines = 1024;
constexpr double kMaxSliceMs = 60.0 * 1000.0;

bool parseSlice(const QJsonValue& value, Slice& slice) {
    if (!value.isArray()) return false;
    const QJsonArray pair = value.toArray();
    if (pair.size() != 2 || !pair[0].isDouble() || !pair[1].isDouble()) return false;
    const double start = pair[0].toDouble();
    const double length = pair[1].toDouble();
    if (!std::isfinite(start) || !std::isfinite(length)) return false;
    if (start < 0 || length <= 0 || start > 3600.0 * 1000.0 || length > kMaxSliceMs) return false;
    slice = {start, length};
    return true;
}

bool isUpWord(const QString& w) {
    return w == QLatin1String("up") || w == QLatin1String("keyup") || w == QLatin1String("release") ||
           w == QLatin1String("released");
}
bool isDownWord(const QString& w) {
    return w == QLatin1String("down") || w == QLatin1String("keydown") || w == QLatin1String("press") ||
           w == QLatin1String("pressed");
}

// A define's key: "30" or "30-down" for the key-down sound, "30-up",
// "30_up", "30-keyup" or "30-release" for the key-up sound.
bool parseDefineKey(const QString& key, long& code, bool& isUp) {
    QString digits = key.trimmed();
    isUp = false;
    const qsizetype cut =
        std::max(digits.lastIndexOf(QLatin1Char('-')), digits.lastIndexOf(QLatin1Char('_')));
    if (cut > 0) {
        const QString word = digits.mid(cut + 1).toLower();
        if (!isUpWord(word) && !isDownWord(word)) return false;
        isUp = isUpWord(word);
        digits.truncate(cut);
    }
    bool ok = false;
    code = digits.toLong(&ok);
    return ok && code >= 0;
}

// Would a define under a key that is no key code carry a sound? Then it is
// refused rather than left out; other values are comments.
bool looksLikeSound(const QJsonValue& value, PackConfig::Mode mode) {
    if (value.isObject()) return true;
    if (mode == PackConfig::Mode::single) return value.isArray();
    static const QRegularExpression audio(QStringLiteral(R"(\.(wav|ogg|oga|opus|flac|mp3|aiff?)\s*$)"),
                                          QRegularExpression::CaseInsensitiveOption);
    return value.isArray() || (value.isString() && audio.match(value.toString()).hasMatch());
}

// Top-level fields read here; others that speak of sounds, key definitions
// or key-up sounds and hold sounds would be sounds left out: refused.
bool isUnusedSoundField(const QString& field, const QJsonValue& value, PackConfig::Mode mode) {
    if (!looksLikeSound(value, PackConfig::Mode::multi)) return false;
    QString f = field.toLower();
    f.remove(QLatin1Char('_'));
    f.remove(QLatin1Char('-'));
    if (f == QLatin1String("sound") || f == QLatin1String("defines") || f == QLatin1String("definesup"))
        return false;
    if (f == QLatin1String("soundup")) return mode != PackConfig::Mode::single;
    return f.contains(QLatin1String("sound")) || f.contains(QLatin1String("define")) ||
           f.contains(QLatin1String("release")) || f.contains(QLatin1String("keyup"));
}

}  // namespace

std::optional<int> evdevFromPackKeyCode(long code) {
    // Plain set-1 scan codes 1...88 are the evdev codes themselves.
    if (code >= 1 && code <= 88) return int(code);
    // Extended keys: the scan code after the 0xE0 prefix.
    long extended = -1;
    if ((code & ~0xFFL) == 0xE000L || (code & ~0xFFL) == 0x0E00L) extended = code & 0xFF;
    switch (extended) {
        case 0x1C:
            return 96;  // keypad enter
        case 0x1D:
            return 97;  // right control
        case 0x35:
            return 98;  // keypad slash
        case 0x37:
            return 99;  // print screen
        case 0x38:
            return 100;  // right alt
        case 0x47:
            return 102;  // home
        case 0x48:
            return 103;  // up
        case 0x49:
            return 104;  // page up
        case 0x4B:
            return 105;  // left
        case 0x4D:
            return 106;  // right
        case 0x4F:
            return 107;  // end
        case 0x50:
            return 108;  // down
        case 0x51:
            return 109;  // page down
        case 0x52:
            return 110;  // insert
        case 0x53:
            return 111;  // delete
        case 0x5B:
            return 125;  // left meta
        case 0x5C:
            return 126;  // right meta
        case 0x5D:
            return 127;  // menu
        default:
            return std::nullopt;
    }
}

std::optional<PackConfig> parsePackConfig(const QByteArray& json, PackProblem& error) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        error = {PackError::configNotJson, {}, parseError.errorString()};
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    PackConfig config;
    config.name = root.value(QLatin1String("name")).toString().trimmed();
    if (config.name.isEmpty()) config.name = root.value(QLatin1String("id")).toString().trimmed();
    if (config.name.isEmpty()) {
        error = {PackError::configNoName};
        return std::nullopt;
    }
    // Older files say "key_define_type", newer ones "audio".
    QString mode = root.value(QLatin1String("key_define_type")).toString();
    if (mode.isEmpty()) mode = root.value(QLatin1String("audio")).toString();
    if (mode.isEmpty()) mode = QStringLiteral("single");
    if (mode == QLatin1String("single")) {
        config.mode = PackConfig::Mode::single;
    } else if (mode == QLatin1String("multi")) {
        config.mode = PackConfig::Mode::multi;
    } else {
        error = {PackError::configUnknownType, {mode.left(40)}};
        return std::nullopt;
    }
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (isUnusedSoundField(it.key(), it.value(), config.mode)) {
            error = {PackError::configUnknownField, {it.key().left(40)}};
            return std::nullopt;
        }
    }
    const bool single = config.mode == PackConfig::Mode::single;
    if (single) {
        config.soundFile = root.value(QLatin1String("sound")).toString();
        if (config.soundFile.isEmpty()) {
            error = {PackError::configNoSoundFile};
            return std::nullopt;
        }
        config.releaseSoundFile = root.value(QLatin1String("soundup")).toString();
        if (config.releaseSoundFile.isEmpty())
            config.releaseSoundFile = root.value(QLatin1String("sound_up")).toString();
    }

    // One direction's sound: a slice of the single file, or a file of its own.
    // Null is a key the pack leaves silent.
    auto readSound = [&](const QJsonValue& value, const QString& key, std::optional<KeySound>& out) {
        out.reset();
        if (value.isNull()) return true;
        KeySound sound;
        if (single) {
            Slice slice;
            if (!parseSlice(value, slice)) {
                error = {PackError::configBadSlice, {key.left(20)}};
                return false;
            }
            sound.slice = slice;
        } else {
            if (!value.isString() || value.toString().trimmed().isEmpty()) {
                error = {value.isArray() ? PackError::configKeyUnreadable : PackError::configKeyNoFile,
                         {key.left(20)}};
                return false;
            }
            sound.file = value.toString();
        }
        out = sound;
        return true;
    };
    auto readDefines = [&](const QJsonObject& defines, bool upOnly) -> bool {
        if (defines.size() > kMaxDefines) {
            error = {PackError::configTooManyKeys};
            return false;
        }
        for (auto it = defines.begin(); it != defines.end(); ++it) {
            const QString key = it.key();
            long code = 0;
            bool isUp = false;
            if (!parseDefineKey(key, code, isUp)) {
                if (looksLikeSound(it.value(), config.mode)) {
                    error = {PackError::configNotAKeyCode, {key.left(20)}};
                    return false;
                }
                continue;  // a comment
            }
            std::optional<KeySound> down, up;
            if (it.value().isObject()) {
                // {"down": …, "up": …}: both sounds of the key.
                if (upOnly) {
                    error = {PackError::configKeyUnreadable, {key.left(20)}};
                    return false;
                }
                const QJsonObject both = it.value().toObject();
                for (auto part = both.begin(); part != both.end(); ++part) {
                    const QString word = part.key().toLower();
                    if (!isUpWord(word) && !isDownWord(word)) {
                        error = {PackError::configKeyUnreadable, {key.left(20)}};
                        return false;
                    }
                    if (!readSound(part.value(), key, isUpWord(word) ? up : down)) return false;
                }
            } else if (!readSound(it.value(), key, isUp || upOnly ? up : down)) {
                return false;
            }
            // Keys Tocko never hears from the keyboard have nothing to play.
            const std::optional<int> evdev = evdevFromPackKeyCode(code);
            if (!evdev) continue;
            if (down) config.press[*evdev] = *down;
            if (up) config.release[*evdev] = *up;
        }
        return true;
    };
    const QJsonValue defines = root.value(QLatin1String("defines"));
    if (!defines.isObject()) {
        error = {PackError::configNoDefines};
        return std::nullopt;
    }
    if (!readDefines(defines.toObject(), false)) return std::nullopt;
    for (const char* field : {"defines_up", "definesUp", "defines-up"}) {
        const QJsonValue definesUp = root.value(QLatin1String(field));
        if (definesUp.isUndefined()) continue;
        if (!definesUp.isObject()) {
            error = {PackError::configUnknownField, {QString::fromLatin1(field)}};
            return std::nullopt;
        }
        if (!readDefines(definesUp.toObject(), true)) return std::nullopt;
    }
    if (config.press.empty()) {
        error = {PackError::configNoKeySound};
        return std::nullopt;
    }
    // A key-up file without key-up slices is cut like the key-down file.
    if (single && !config.releaseSoundFile.isEmpty() && config.release.empty()) config.release = config.press;
    return config;
}

}  // namespace tocko::userpacks
