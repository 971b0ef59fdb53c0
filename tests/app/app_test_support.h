#pragma once
// Shared helpers of the application tests: an isolated HOME and XDG folders
// per test process, a log recorder, waiting while the Qt event loop runs, and
// an AppState built on fakes.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "platform/fake/fake_platform.h"
#include "audio/null_output.h"
#include "platform/fake/fake_backend.h"
#include "support/log.h"

namespace tocko::test {

const std::string& isolatedHome();

// Runs the event loop until `done` or the timeout; returns `done()`.
bool waitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(3));
// Runs the event loop for `period`.
void spin(std::chrono::milliseconds period);

class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    std::vector<std::string> traces() const;
    std::vector<std::string> infos(const std::string& category) const;
    std::vector<std::string> errors(const std::string& category) const;
    size_t countTrace(const std::string& line) const;
    // Index of the first trace line starting with `prefix`, or -1.
    long indexOf(const std::string& prefix) const;
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<LogRecord> records_;
};

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
