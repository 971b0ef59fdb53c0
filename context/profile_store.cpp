#include "context/profile_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSaveFile>
#include <cmath>

#include "support/log.h"
#include "support/regular_file.h"

namespace tocko {

namespace {

const Logger& storeLog() {
    static const Logger log{"ProfileStore"};
    return log;
}

QString qpath(const std::string& s) { return QString::fromStdString(s); }

std::string resolveSupportDirectory() {
    // XDG base directories: an unset, empty or relative XDG_DATA_HOME means
    // the default under the home directory.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base)) base = QDir::homePath() + "/.local/share";
    return QDir::cleanPath(base + "/Pollix").toStdString();
}

// Rules are a few hundred bytes each; anything this large is not ours.
constexpr size_t kMaxStoreBytes = 4 * 1024 * 1024;
// Earlier quarantine copies kept beside the newest one.
constexpr int kAgedBackups = 5;

QString agedBackupPrefix() { return QStringLiteral("profiles.corrupt."); }

// A name for an earlier quarantine copy: "profiles.corrupt.<UTC time>-<n>.json",
// which sorts by age.
QString agedBackupPath() {
    const QString dir = qpath(ProfileStore::supportDirectory()) + "/";
    const QString stamp = QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss-zzz");
    // A counter of fixed width keeps copies made within one millisecond in order.
    QString path;
    for (int n = 0; n < 1000; ++n) {
        path = dir + agedBackupPrefix() + stamp + "-" + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')) +
               ".json";
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) break;
    }
    return path;
}

void pruneAgedBackups() {
    QDir dir(qpath(ProfileStore::supportDirectory()));
    QStringList aged =
        dir.entryList({agedBackupPrefix() + "*.json"}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    aged.removeAll(QFileInfo(qpath(ProfileStore::backupURL())).fileName());
    for (qsizetype i = 0; i + kAgedBackups < aged.size(); ++i) dir.remove(aged[i]);
}

// Moves the damaged file to backupURL. An earlier copy there is not lost: it
// moves to a timestamped name first, and only the oldest beyond a handful go.
void quarantine() {
    const QString file = qpath(ProfileStore::fileURL()), backup = qpath(ProfileStore::backupURL());
    const QFileInfo old(backup);
    if (old.exists() || old.isSymLink()) {
        if (!QFile::rename(backup, agedBackupPath())) {
            // The earlier copy stays where it is; keep this one beside it.
            QFile::rename(file, agedBackupPath());
            pruneAgedBackups();
            return;
        }
    }
    QFile::rename(file, backup);
    pruneAgedBackups();
}

// Shape check for a store that decoded to the empty store: an object with no
// members, or with neither of the two members this file is made of.
bool hasWrongShape(const QByteArray& bytes) {
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) return false;
    const QJsonObject obj = doc.object();
    return obj.isEmpty() || (!obj.contains("defaultProfile") && !obj.contains("rules"));
}

}  // namespace

AppProfile AppProfile::builtInDefault() { return {"*default", "Default", PackID::soft, 0.05, false}; }

QJsonObject AppProfile::toJson() const {
    QJsonObject o;
    o.insert("bundleID", QString::fromStdString(bundleID));
    o.insert("displayName", QString::fromStdString(displayName));
    o.insert("muted", muted);
    o.insert("pack", QString::fromUtf8(rawValue(pack).data(), qsizetype(rawValue(pack).size())));
    o.insert("volume", volume);
    return o;
}

std::optional<AppProfile> AppProfile::fromJson(const QJsonValue& value) {
    if (!value.isObject()) return std::nullopt;
    const QJsonObject o = value.toObject();
    const QJsonValue bundleID = o.value("bundleID"), displayName = o.value("displayName"),
                     pack = o.value("pack"), volume = o.value("volume"), muted = o.value("muted");
    if (!bundleID.isString() || !displayName.isString() || !pack.isString() || !volume.isDouble() ||
        !muted.isBool())
        return std::nullopt;
    return AppProfile{bundleID.toString().toStdString(), displayName.toString().toStdString(),
                      decodePack(pack.toString().toStdString()), volume.toDouble(), muted.toBool()};
}

const AppProfile& ProfileStore::profileFor(const std::optional<std::string>& bundleID) const {
    if (bundleID && !rules.empty()) {
        auto it = rules.find(*bundleID);
        if (it != rules.end()) return it->second;
    }
    return defaultProfile;
}

std::optional<QByteArray> ProfileStore::encoded() const {
    // JSON has no NaN or infinity; writing one would silently turn into a
    // value that no longer decodes.
    if (!std::isfinite(defaultProfile.volume)) return std::nullopt;
    QJsonObject ruleObjects;
    for (const auto& [key, profile] : rules) {
        if (!std::isfinite(profile.volume)) return std::nullopt;
        ruleObjects.insert(QString::fromStdString(key), profile.toJson());
    }
    QJsonObject top;  // QJsonObject keeps its members sorted by name
    top.insert("defaultProfile", defaultProfile.toJson());
    top.insert("rules", ruleObjects);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::optional<ProfileStore> ProfileStore::decode(const QByteArray& bytes) {
    QJsonParseError err{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject top = doc.object();

    ProfileStore store;
    if (auto d = AppProfile::fromJson(top.value("defaultProfile"))) store.defaultProfile = std::move(*d);
    const QJsonValue rules = top.value("rules");
    if (rules.isObject()) {
        const QJsonObject obj = rules.toObject();
        for (auto it = obj.begin(); it != obj.end(); ++it) {
            FailableProfile rule = FailableProfile::fromJson(it.value());
            if (rule.value) store.rules.emplace(it.key().toStdString(), std::move(*rule.value));
        }
    }
    return store;
}

const std::string& ProfileStore::supportDirectory() {
    static const std::string dir = resolveSupportDirectory();
    return dir;
}
const std::string& ProfileStore::fileURL() {
    static const std::string path = supportDirectory() + "/profiles.json";
    return path;
}
const std::string& ProfileStore::backupURL() {
    static const std::string path = supportDirectory() + "/profiles.corrupt.json";
    return path;
}

void ProfileStore::save() const {
    QDir().mkpath(qpath(supportDirectory()));
    const std::optional<QByteArray> bytes = encoded();
    if (!bytes) {
        storeLog().error("Failed to encode ProfileStore");
        return;
    }
    if (bytes->isEmpty()) {  // never replace the store with nothing
        storeLog().error("Failed to encode ProfileStore");
        return;
    }
    // Unbuffered: a buffered QSaveFile only meets a write error (a full disk)
    // while committing, after it has decided that the write went well, and
    // would then put a short or empty file in place of the good one.
    QSaveFile file(qpath(fileURL()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(*bytes) != bytes->size() ||
        !file.flush() || !file.commit()) {
        storeLog().error("Failed to write profiles.json: {}", {pub(file.errorString().toStdString())});
        file.cancelWriting();
    }
}

ProfileStore ProfileStore::load() {
    QDir().mkpath(qpath(supportDirectory()));
    const Logger& log = storeLog();
    const auto unreadable = [&] {
        // Present but not readable to the end: keep it rather than overwrite
        // the user's rules with the defaults.
        quarantine();
        log.error("profiles.json unreadable; backed up to {}, using defaults", {pub(backupURL())});
    };

    // Only a regular file is read, and only up to a size no store reaches:
    // a FIFO would block the start, a link to a device would never end.
    const FileContents contents = readRegularFile(fileURL(), kMaxStoreBytes);
    switch (contents.status) {
        case FileStatus::missing:
            break;
        case FileStatus::notRegular:
            // A folder is left alone (writing the store then fails and says so).
            if (!QFileInfo(qpath(fileURL())).isDir()) unreadable();
            break;
        case FileStatus::tooLarge:
        case FileStatus::failed:
            unreadable();
            break;
        case FileStatus::ok: {
            const QByteArray bytes = QByteArray::fromStdString(contents.bytes);
            if (std::optional<ProfileStore> store = decode(bytes); !store) {
                unreadable();
            } else if (!store->rules.empty() || store->defaultProfile != AppProfile::builtInDefault() ||
                       !hasWrongShape(bytes)) {
                log.info("Loaded {} rule(s) from {}",
                         {pub(static_cast<long long>(store->rules.size())), pub(fileURL())});
                return std::move(*store);
            } else {
                quarantine();
                log.error("profiles.json wrong shape; backed up to {}, using defaults", {pub(backupURL())});
                trace("ProfileStore", "wrong-shape file quarantined to " +
                                          QFileInfo(qpath(backupURL())).fileName().toStdString());
            }
            break;
        }
    }

    ProfileStore store = emptyStore();
    store.save();
    log.info("Created default store at {}", {pub(fileURL())});
    return store;
}

}  // namespace tocko
