#include "app_test_support.h"

#include <stdlib.h>

#include <QFile>
#include <QSettings>
#include <utility>

#include "context/profile_store.h"

namespace tocko::test {

FakeWorld::FakeWorld() : platform(fakePlatform()) {
    taps = std::static_pointer_cast<FakeTapFactory>(platform.tapBackends);
    loginItem = std::static_pointer_cast<FakeLoginItem>(platform.loginItem);
}

std::unique_ptr<AppState> FakeWorld::make() {
    AppState::Dependencies deps;
    deps.platform = std::exchange(platform, fakePlatform());
    platform.tapBackends = deps.platform.tapBackends;
    platform.loginItem = deps.platform.loginItem;
    platform.permission = deps.platform.permission;
    platform.accessGranter = deps.platform.accessGranter;
    output = static_cast<NullOutput*>(deps.platform.audioOutput.get());
    frontmost = static_cast<FakeFrontmostSource*>(deps.platform.frontmost.get());
    deps.platform.inputAccessHelpText = "Tocko plays its click when it sees a key go down.";
    deps.platform.foreignSound = [this] { ++foreignSounds; };
    deps.localization = localization;
    deps.executablePath = executablePath;
    deps.homeDirectory = "/home/ada";
    deps.fontAvailable = [](const std::string& family) { return family == "Courier Prime"; };
    return std::make_unique<AppState>(std::move(deps));
}

void resetStoredState() {
    QFile::remove(QString::fromStdString(ProfileStore::fileURL()));
    QFile::remove(QString::fromStdString(ProfileStore::backupURL()));
    QSettings settings("Pollix", "Tocko");
    settings.clear();
    settings.sync();
    for (const char* v : {"TOCKO_SHOW_ONBOARDING", "TOCKO_NO_ONBOARDING", "TOCKO_L10N_CHECK",
                          "TOCKO_AUDIOCHECK", "TOCKO_TOGGLE_TEST"})
        unsetenv(v);
}

void writeProfiles(const std::string& pack, double volume, int extraRules) {
    ProfileStore store;
    store.defaultProfile.pack = decodePack(pack);
    store.defaultProfile.volume = volume;
    for (int i = 0; i < extraRules; ++i) {
        AppProfile rule{"org.example.app" + std::to_string(i), "Example", PackID::tock, 0.5, false};
        store.rules.emplace(rule.bundleID, rule);
    }
    store.save();
}

}  // namespace tocko::test
