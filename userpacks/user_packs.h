#pragma once
// Sound packs the user brings: imported from a folder or a .zip (the
// community config.json format, or a folder of per-key press and release
// files), decoded, resampled once to the engine's rate and stored under
// <data folder>/packs/<id>/. A stored pack is never used in place of the
// user's original files.

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "userpacks/pack_problem.h"

namespace tocko::userpacks {

// Stored ids carry this prefix; no built-in pack id does, so they never collide.
inline constexpr const char* kUserPackPrefix = "user-";
inline constexpr qint64 kMaxDecodedBytes = 64LL * 1024 * 1024;

struct ImportOptions {
    QString packsDir;        // <data folder>/packs
    int sampleRate = 48000;  // the engine's rate; every sound is resampled to it once
    qint64 maxDecodedBytes = kMaxDecodedBytes;
    // Called with 0...100 and a short step name while the import works.
    std::function<void(int percent, const QString& step)> progress;
};

struct ImportResult {
    bool ok = false;
    QString packId;
    QString name;
    PackProblem error;  // what a user can act on (no key codes, no file contents)
};

// Imports a folder or a .zip. On failure nothing is left in packsDir.
ImportResult importPack(const QString& source, const ImportOptions& options);

// <XDG data home>/Pollix/packs
QString defaultPacksDir();

// `tocko --import-pack PATH`: progress on stderr when it is a terminal, the
// stored id as the last line on stdout. Returns the exit code (0, or 1 with
// the reason on stderr). What the user reads is in the language `translate`
// gives; the id stays as it is.
int importFromCommandLine(const QString& source, const QString& packsDir, const Translate& translate = {},
                          QString* importedId = nullptr);

struct UserPackInfo {
    QString id;
    QString name;
};
// The stored packs, sorted by name.
std::vector<UserPackInfo> listUserPacks(const QString& packsDir);
bool isUserPackId(const QString& id);
bool removeUserPack(const QString& packsDir, const QString& id, PackProblem& error);

// A stored pack decoded for playing: mono float at `sampleRate`. The engine
// brings it to the built-in packs' loudness when it is installed.
struct UserPackAudio {
    QString id;
    QString name;
    int sampleRate = 0;
    std::vector<std::vector<float>> press;    // at least one
    std::vector<std::vector<float>> release;  // may be empty
    std::map<int, int> keyPress;              // evdev code -> index into press
    std::map<int, int> keyRelease;            // evdev code -> index into release
};
std::optional<UserPackAudio> loadUserPack(const QString& packsDir, const QString& id, PackProblem& error);

}  // namespace tocko::userpacks
