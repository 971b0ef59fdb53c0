#include "support/log.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <thread>
#include <vector>

#include "support/env.h"

using namespace tocko;

TEST(Log, FormatSubstitutesAndRedactsPrivateValues) {
    EXPECT_EQ(formatLog("output -> {}, reconfigured ({})", {priv("Speakers"), pub("config-change")}, false),
              "output -> <private>, reconfigured (config-change)");
    EXPECT_EQ(formatLog("output -> {}", {priv("Speakers")}, true), "output -> Speakers");
    // More placeholders than arguments leaves the rest as written.
    EXPECT_EQ(formatLog("{} and {}", {pub("a")}, false), "a and {}");
    EXPECT_EQ(pub(2.0 / 3.0, 2).text, "0.67");
}

TEST(Log, ObserverSeesSystemEntriesRedactedAndWholeTraceLines) {
    std::vector<LogRecord> seen;
    setLogObserver([&](const LogRecord& r) { seen.push_back(r); });
    Logger log("SoundEngine");
    log.error("Failed to load {}", {priv("secret")});
    trace("SoundEngine", "loaded 28 sample packs");
    setLogObserver(nullptr);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, LogRecord::Kind::System);
    EXPECT_EQ(seen[0].level, LogLevel::Error);
    EXPECT_EQ(seen[0].category, "SoundEngine");
    EXPECT_EQ(seen[0].message, "Failed to load <private>");
    EXPECT_EQ(seen[1].message, "[Tocko] SoundEngine: loaded 28 sample packs");
}

TEST(Log, TraceLinesFromManyThreadsNeverInterleave) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    int saved = dup(STDERR_FILENO);
    dup2(fds[1], STDERR_FILENO);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 50; ++i) trace("T" + std::to_string(t), std::string(200, char('a' + t)));
        });
    for (auto& th : threads) th.join();
    dup2(saved, STDERR_FILENO);
    close(fds[1]);
    std::string all;
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0) all.append(buf, size_t(n));
    close(fds[0]);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back(), '\n');
    std::istringstream in(all);
    size_t lines = 0;
    for (std::string line; std::getline(in, line); ++lines) {
        ASSERT_EQ(line.rfind("[Tocko] T", 0), 0u) << line;
        EXPECT_EQ(line.substr(line.size() - 200), std::string(200, line.back()));
    }
    EXPECT_EQ(lines, 200u);
}

TEST(Env, OnlyExactlyOneSwitchesOn) {
    setenv("TOCKO_TEST_SWITCH", "1", 1);
    EXPECT_TRUE(envSwitch("TOCKO_TEST_SWITCH"));
    for (const char* v : {"true", "yes", "01", " 1", ""}) {
        setenv("TOCKO_TEST_SWITCH", v, 1);
        EXPECT_FALSE(envSwitch("TOCKO_TEST_SWITCH")) << v;
    }
    unsetenv("TOCKO_TEST_SWITCH");
    EXPECT_FALSE(envSwitch("TOCKO_TEST_SWITCH"));
}
