// The tocko executable as the desktop meets it, on a private session bus
// (ctest runs this under dbus-run-session): answers that never start the
// application, usage errors, one instance per session, and the control
// verbs reaching the running one. TOCKO_TEST_EXECUTABLE runs them against an
// installed program instead of the build's.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "tests/common/child_process.h"
#include "tests/common/test_support.h"

using tocko::test::Child;
using tocko::test::readText;

namespace {

using namespace std::chrono_literals;

std::string executable() {
    const char* chosen = std::getenv("TOCKO_TEST_EXECUTABLE");
    return chosen && *chosen ? chosen : TOCKO_EXECUTABLE;
}

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

class InstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DBUS_SESSION_BUS_ADDRESS") == nullptr) GTEST_SKIP() << "no session bus";
        char dir[] = "/tmp/tocko-instance-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        home = dir;
        // No display: the instances run headless; no audio server needed.
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        setenv("HOME", home.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
        setenv("TOCKO_AUDIO_OUTPUT", "null", 1);
        setenv("TOCKO_NO_ONBOARDING", "1", 1);
    }
    void TearDown() override {
        tocko.reset();
        if (!home.empty()) std::filesystem::remove_all(home);
    }

    Result run(const std::string& args) const {
        const std::string out = home + "/out", err = home + "/err";
        const int status = std::system(("'" + executable() + "' " + args + " >" + out + " 2>" + err).c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(out), readText(err)};
    }
    // A long-running instance whose trace goes to <home>/<traceName>.
    Child& start(std::vector<std::string> options, const std::string& traceName = "trace") {
        options.insert(options.begin(), executable());
        return tocko.emplace(options, tocko::test::environment(), home + "/" + traceName);
    }
    std::string trace(const std::string& name = "trace") const { return readText(home + "/" + name); }
    bool waitForTrace(const std::string& prefix) const { return tocko->waitForLine(prefix, 15s); }

    std::string home;
    std::optional<Child> tocko;
};

}  // namespace

TEST_F(InstanceTest, AnswersAndUsageErrorsNeverStartTocko) {
    Result help = run("--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("Usage: tocko"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("  snooze [MINUTES]"), std::string::npos);
    EXPECT_EQ(help.err, "");  // no launch trace: nothing started

    Result version = run("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind("Tocko " TOCKO_VERSION_TEXT, 0), 0u) << version.out;
    EXPECT_EQ(version.err, "");

    for (const char* bad : {"--bogus", "frobnicate", "snooze 0", "status now", "--background toggle"}) {
        Result r = run(bad);
        EXPECT_EQ(r.code, 2) << bad;
        EXPECT_NE(r.err.find("Try 'tocko --help'"), std::string::npos) << bad << ": " << r.err;
        EXPECT_EQ(r.out, "") << bad;
    }

    // A verb with nobody to hear it says so and fails.
    Result lonely = run("status");
    EXPECT_EQ(lonely.code, 1);
    EXPECT_NE(lonely.err.find("Tocko is not running"), std::string::npos) << lonely.err;
}

TEST_F(InstanceTest, VerbsReachTheRunningInstanceAndASecondLaunchHandsOver) {
    start({"--headless"});
    ASSERT_TRUE(waitForTrace("[Tocko] Instance: owns com.pollix.Tocko")) << trace();
    ASSERT_TRUE(waitForTrace("[Tocko] Launch: ContextEngine resolved effective")) << trace();

    Result status = run("status");
    ASSERT_EQ(status.code, 0) << status.err;
    EXPECT_NE(status.out.find("\nFrontmost: "), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("\nEffective: "), std::string::npos) << status.out;

    Result off = run("off");
    EXPECT_EQ(off.code, 0);
    EXPECT_EQ(off.out, "Keyboard sounds off\n");
    status = run("status");
    EXPECT_EQ(status.out.rfind("Keyboard sounds off\n", 0), 0u) << status.out;
    EXPECT_NE(status.out.find("Effective: SILENT"), std::string::npos) << status.out;

    EXPECT_EQ(run("toggle").out.rfind("Keyboard sounds on", 0), 0u);
    EXPECT_EQ(run("snooze 5").out, "Muted for 5 min\n");
    EXPECT_NE(run("status").out.find("SILENT: snoozed"), std::string::npos);
    EXPECT_EQ(run("unsnooze").code, 0);
    EXPECT_EQ(run("status").out.find("snoozed"), std::string::npos);

    // A headless instance has no Settings window or panel to open, asked by
    // a verb or by a launch with --settings or --panel.
    for (const char* panel : {"settings", "--settings", "panel", "--panel"}) {
        Result r = run(panel);
        EXPECT_EQ(r.code, 1) << panel;
        EXPECT_NE(r.err.find("without windows"), std::string::npos) << panel << ": " << r.err;
    }

    // A second launch hands over and ends; it never starts a second tap.
    Result second = run("--headless");
    EXPECT_EQ(second.code, 0) << second.err;
    EXPECT_NE(second.out.find("Tocko already runs"), std::string::npos) << second.out;
    EXPECT_EQ(second.err.find("KeyTap"), std::string::npos) << second.err;
    EXPECT_EQ(run("--background").code, 0);
    EXPECT_TRUE(waitForTrace("[Tocko] Control: another launch in the background"));

    Result quit = run("quit");
    EXPECT_EQ(quit.code, 0) << quit.err;
    EXPECT_EQ(tocko->wait(10s), 0) << trace();
    EXPECT_EQ(run("status").code, 1);
}

// A pack imported from the command line plays in the running Tocko at once.
TEST_F(InstanceTest, AnImportedPackReachesTheRunningInstance) {
    start({"--headless"});
    ASSERT_TRUE(waitForTrace("[Tocko] Instance: owns com.pollix.Tocko")) << trace();
    // A folder with one 16-bit mono WAV: a decaying tone.
    const std::string pack = home + "/Cli Test";
    std::filesystem::create_directories(pack);
    std::vector<short> tone(4800);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = short(8000.0 * std::sin(i * 0.07) * std::exp(-double(i) / 900));
    SF_INFO info{0, 48000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* wav = sf_open((pack + "/30.wav").c_str(), SFM_WRITE, &info);
    ASSERT_NE(wav, nullptr);
    sf_writef_short(wav, tone.data(), sf_count_t(tone.size()));
    sf_close(wav);

    Result imported = run("--import-pack '" + pack + "'");
    ASSERT_EQ(imported.code, 0) << imported.err;
    EXPECT_TRUE(imported.out.ends_with("\nuser-cli-test\n")) << imported.out;
    EXPECT_TRUE(waitForTrace("[Tocko] SoundEngine: imported pack user-cli-test loaded")) << trace();
    Result missing = run("--import-pack '" + home + "/nowhere'");
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos) << missing.err;
    // The reason is given in the language chosen for Tocko.
    std::filesystem::create_directories(home + "/config/Pollix");
    std::ofstream(home + "/config/Pollix/Tocko.conf") << "[General]\nappLanguage=de\n";
    missing = run("--import-pack '" + home + "/nowhere'");
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("existiert nicht"), std::string::npos) << missing.err;
    EXPECT_EQ(run("quit").code, 0);
}

// The menu's relaunch starts the new instance before the old one has quit:
// it waits for the name instead of handing over.
TEST_F(InstanceTest, ARelaunchTakesOverOnceTheOldInstanceHasGone) {
    Child& old = start({"--headless"});
    ASSERT_TRUE(waitForTrace("[Tocko] Instance: owns com.pollix.Tocko")) << trace();
    Child fresh({executable(), "--headless", "--replace"}, tocko::test::environment(), home + "/trace-new");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(trace("trace-new").find("Instance: owns"), std::string::npos)
        << "took the name while it was held";
    old.stop(SIGTERM);
    EXPECT_TRUE(fresh.waitForLine("[Tocko] Instance: owns com.pollix.Tocko", 15s)) << trace("trace-new");
    EXPECT_EQ(run("quit").code, 0);
    EXPECT_EQ(fresh.wait(10s), 0);
}
