#pragma once
// Profiles say which pack plays and how loud, or that nothing plays. The
// store holds the default profile and the per-application rules, and lives in
// "profiles.json" in the Pollix data folder.

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <map>
#include <optional>
#include <string>

#include "audio/pack.h"

namespace tocko {

struct AppProfile {
    std::string bundleID;
    std::string displayName;
    PackID pack = kDefaultPack;
    double volume = 0;  // fraction 0...1; neither clamped nor checked here
    bool muted = false;

    // "*default", "Default", soft, 0.05, not muted.
    static AppProfile builtInDefault();

    const std::string& id() const { return bundleID; }
    // Volume compares as a floating-point number: a NaN volume is never equal.
    friend bool operator==(const AppProfile&, const AppProfile&) = default;

    QJsonObject toJson() const;
    // All five members must be present with their JSON types; an unknown pack
    // text decodes as soft.
    static std::optional<AppProfile> fromJson(const QJsonValue& value);
};

// Decoding wrapper that never fails: `value` is absent when the input is not a
// profile, so one bad rule does not spoil the whole file.
struct FailableProfile {
    std::optional<AppProfile> value;
    static FailableProfile fromJson(const QJsonValue& value) { return {AppProfile::fromJson(value)}; }
};

struct ProfileStore {
    AppProfile defaultProfile = AppProfile::builtInDefault();
    std::map<std::string, AppProfile> rules;  // keyed by bundle identifier, exact match

    static ProfileStore emptyStore() { return {}; }

    friend bool operator==(const ProfileStore&, const ProfileStore&) = default;

    // The profile in force for an application (the default when no rule has
    // exactly this key).
    const AppProfile& profileFor(const std::optional<std::string>& bundleID) const;

    // Reads the file once at start-up; never fails. Damaged files are moved to
    // backupURL() and replaced by the defaults.
    static ProfileStore load();
    // Writes the whole store atomically to fileURL(); failures are logged.
    void save() const;

    // Pretty-printed JSON with sorted members; absent when a volume cannot be
    // written as a JSON number (NaN or infinite).
    std::optional<QByteArray> encoded() const;
    // Absent when the bytes are not JSON or the top level is not an object.
    static std::optional<ProfileStore> decode(const QByteArray& bytes);

    // $XDG_DATA_HOME (default ~/.local/share) + "/Pollix", computed once.
    static const std::string& supportDirectory();
    static const std::string& fileURL();    // supportDirectory + "/profiles.json"
    static const std::string& backupURL();  // supportDirectory + "/profiles.corrupt.json"
};

}  // namespace tocko
