#include "userpacks/pack_config.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

// A define's key: "30", or "30-up" / "30_up" for the key-up sound.
bool parseDefineKey(const QString& key, long& code, bool& isUp) {
    QString digits = key;
    isUp = false;
    for (const char* suffix : {"-up", "_up", "-release"}) {
        if (digits.endsWith(QLatin1String(suffix))) {
            digits.chop(int(strlen(suffix)));
            isUp = true;
            break;
        }
    }
    bool ok = false;
    code = digits.toLong(&ok);
    return ok && code >= 0;
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

std::optional<PackConfig> parsePackConfig(const QByteArray& json, QString& error) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject()) {
        error = QStringLiteral("config.json is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = doc.object();
    PackConfig config;
    config.name = root.value(QLatin1String("name")).toString().trimmed();
    if (config.name.isEmpty()) config.name = root.value(QLatin1String("id")).toString().trimmed();
    if (config.name.isEmpty()) {
        error = QStringLiteral("config.json has no \"name\"");
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
        error = QStringLiteral("config.json: unsupported key definition type \"%1\"").arg(mode.left(40));
        return std::nullopt;
    }
    if (config.mode == PackConfig::Mode::single) {
        config.soundFile = root.value(QLatin1String("sound")).toString();
        if (config.soundFile.isEmpty()) {
            error = QStringLiteral("config.json: a single-file pack needs \"sound\"");
            return std::nullopt;
        }
        config.releaseSoundFile = root.value(QLatin1String("soundup")).toString();
    }

    auto readDefines = [&](const QJsonObject& defines, bool forceUp) -> bool {
        if (defines.size() > kMaxDefines) {
            error = QStringLiteral("config.json defines too many keys");
            return false;
        }
        for (auto it = defines.begin(); it != defines.end(); ++it) {
            long code = 0;
            bool isUp = false;
            if (!parseDefineKey(it.key(), code, isUp)) continue;  // comments and unknown keys
            const std::optional<int> evdev = evdevFromPackKeyCode(code);
            if (!evdev) continue;
            if (it.value().isNull()) continue;  // a key the pack leaves silent
            KeySound sound;
            if (config.mode == PackConfig::Mode::single) {
                Slice slice;
                if (!parseSlice(it.value(), slice)) {
                    error = QStringLiteral("config.json: key %1 has no valid [start, length] slice")
                                .arg(it.key().left(20));
                    return false;
                }
                sound.slice = slice;
            } else {
                if (!it.value().isString() || it.value().toString().isEmpty()) {
                    error = QStringLiteral("config.json: key %1 names no sound file").arg(it.key().left(20));
                    return false;
                }
                sound.file = it.value().toString();
            }
            (isUp || forceUp ? config.release : config.press)[*evdev] = sound;
        }
        return true;
    };
    const QJsonValue defines = root.value(QLatin1String("defines"));
    if (!defines.isObject()) {
        error = QStringLiteral("config.json has no \"defines\"");
        return std::nullopt;
    }
    if (!readDefines(defines.toObject(), false)) return std::nullopt;
    const QJsonValue definesUp = root.value(QLatin1String("defines_up"));
    if (definesUp.isObject() && !readDefines(definesUp.toObject(), true)) return std::nullopt;
    if (config.press.empty()) {
        error = QStringLiteral("config.json defines no key sound");
        return std::nullopt;
    }
    return config;
}

}  // namespace tocko::userpacks
