#include "app_test_support.h"

#include <stdlib.h>

#include <QFile>
#include <QSettings>

#include "context/profile_store.h"

namespace tocko::test {

std::unique_ptr<AppState> FakeWorld::make() {
    AppState::Dependencies deps;
    auto out = std::make_unique<NullOutput>();
    output = out.get();
    deps.platform.audioOutput = std::move(out);
    deps.platform.tapBackends = taps;
    deps.platform.permission = permission;
    deps.platform.accessGranter = accessGranter;
    deps.platform.loginItem = loginItem;
    deps.platform.inputAccessHelpText = "Tocko plays its click when it sees a key go down.";
    deps.localization = localization;
    auto source = std::make_unique<FakeFrontmostSource>();
    frontmost = source.get();
    deps.platform.frontmost = std::move(source);
    deps.platform.microphone = std::make_unique<FakeInputDevices>(micRunning);
    deps.platform.secureInput = std::make_unique<FakeSecureInputProbe>(
        secureInput, secureHolder ? std::optional<int32_t>(42) : std::nullopt, secureHolder);
    deps.executablePath = executablePath;
    deps.homeDirectory = home;
    deps.platform.foreignSound = [this] { ++foreignSounds; };
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
