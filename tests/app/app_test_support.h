#pragma once
// Shared helpers of the application tests: the common test support and an
// AppState built on the fakes of platform/fake.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/app_state.h"
#include "audio/null_output.h"
#include "platform/fake/fake_backend.h"
#include "platform/fake/fake_platform.h"
#include "support/log.h"
#include "tests/common/test_support.h"

namespace tocko::test {

// The platform of the AppState under test: fakePlatform(), its bell counted.
// Adjust `platform` and the fakes, then make() the state. Each make() hands
// the platform over and starts a fresh one that keeps the shared fakes.
struct FakeWorld {
    FakeWorld();
    Platform platform;
    std::shared_ptr<FakeTapFactory> taps;
    std::shared_ptr<FakeLoginItem> loginItem;
    std::shared_ptr<FakeLocalizationProbe> localization = std::make_shared<FakeLocalizationProbe>();
    NullOutput* output = nullptr;  // of the last make(), owned by its engine
    FakeFrontmostSource* frontmost = nullptr;
    int foreignSounds = 0;
    std::string executablePath = "/usr/bin/tocko";

    std::unique_ptr<AppState> make();
};

// Removes the profile file and every user default.
void resetStoredState();
// Writes a profile file whose default profile plays `pack` at `volume`.
void writeProfiles(const std::string& pack, double volume, int extraRules = 0);

}  // namespace tocko::test
