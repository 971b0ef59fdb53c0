#pragma once
// Shared helpers of the application tests: the common test support and an
// AppState built on fakes.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "audio/null_output.h"
#include "platform/fake/fake_backend.h"
#include "platform/fake/fake_platform.h"
#include "support/log.h"
#include "tests/common/test_support.h"

namespace tocko::test {

// The platform of one AppState under test. Build it, adjust the fakes, then
// make() the state; the fakes stay reachable through the pointers.
struct FakeWorld {
    std::shared_ptr<FakeTapFactory> taps = std::make_shared<FakeTapFactory>();
    std::shared_ptr<FakeLoginItem> loginItem = std::make_shared<FakeLoginItem>();
    std::shared_ptr<FakeLocalizationProbe> localization = std::make_shared<FakeLocalizationProbe>();
    std::shared_ptr<InputPermission> permission;        // empty: from the taps
    std::shared_ptr<InputAccessGranter> accessGranter;  // empty: the system's
    NullOutput* output = nullptr;                       // owned by the engine once made
    FakeFrontmostSource* frontmost = nullptr;
    int foreignSounds = 0;
    bool micRunning = false;
    bool secureInput = false;
    std::optional<std::string> secureHolder;
    std::string executablePath = "/usr/bin/tocko";
    std::string home = "/home/ada";

    std::unique_ptr<AppState> make();
};

// Removes the profile file and every user default.
void resetStoredState();
// Writes a profile file whose default profile plays `pack` at `volume`.
void writeProfiles(const std::string& pack, double volume, int extraRules = 0);

}  // namespace tocko::test
