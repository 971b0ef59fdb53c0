// The microphone monitor against a real PulseAudio server: the null source
// "tocko_mic" is the default input, and parecord plays the call.

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

#include "context/mic_monitor.h"
#include "test_support.h"

using namespace tocko;
using namespace std::chrono_literals;
using tocko::test::waitUntil;

namespace {

QString pactl(const QStringList& args, bool* ok = nullptr) {
    QProcess p;
    p.start("pactl", args);
    const bool done = p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (ok) *ok = done;
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString sourceState(const QString& name) {
    for (const QString& line : pactl({"list", "short", "sources"}).split('\n')) {
        const QStringList cols = line.split('\t');
        if (cols.size() >= 3 && cols[1] == name) return cols.last().trimmed();
    }
    return {};
}

class Recorder {
public:
    explicit Recorder(const QString& source) {
        p_.start("parecord", {"-d", source, "/dev/null"});
        p_.waitForStarted(5000);
    }
    ~Recorder() {
        p_.kill();
        p_.waitForFinished(5000);
    }

private:
    QProcess p_;
};

class PulseMic : public ::testing::Test {
protected:
    void SetUp() override {
        bool ok = false;
        const QString info = pactl({"info"}, &ok);
        if (!ok) GTEST_SKIP() << "no PulseAudio server reachable; run with . scripts/services.sh";
        if (sourceState("tocko_mic").isEmpty()) GTEST_SKIP() << "null source tocko_mic missing";
        previousDefault_ = QRegularExpression("Default Source: (\\S+)").match(info).captured(1);
        pactl({"set-default-source", "tocko_mic"});
    }
    void TearDown() override {
        if (!secondModule_.isEmpty()) pactl({"unload-module", secondModule_});
        if (!previousDefault_.isEmpty()) pactl({"set-default-source", previousDefault_});
    }
    QString loadSecondSource() {
        secondModule_ = pactl({"load-module", "module-null-source", "source_name=tocko_mic_ctx"}).trimmed();
        return "tocko_mic_ctx";
    }
    QString previousDefault_, secondModule_;
};

}  // namespace

TEST_F(PulseMic, RecordingFromTheDefaultSourceIsReportedAsInUse) {
    if (sourceState("tocko_mic") == "RUNNING") GTEST_SKIP() << "something else records from tocko_mic";
    std::vector<bool> seen;
    MicMonitor monitor([&](bool a) { seen.push_back(a); });
    monitor.start();
    ASSERT_EQ(seen, std::vector<bool>{false});
    EXPECT_NE(monitor.currentDevice(), 0u);
    EXPECT_TRUE(monitor.hasRunningListener());
    {
        Recorder call("tocko_mic");
        ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; })) << "no report while parecord records";
        EXPECT_TRUE(seen.back());
        EXPECT_TRUE(monitor.isDeviceRunning(monitor.currentDevice()));
    }
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; })) << "no report after parecord ended";
    EXPECT_FALSE(seen.back());
    waitUntil([] { return false; }, 200ms);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));  // one report per change
}

TEST_F(PulseMic, FollowsTheDefaultSourceAndForgetsTheOldOne) {
    if (sourceState("tocko_mic") == "RUNNING") GTEST_SKIP() << "something else records from tocko_mic";
    std::vector<bool> seen;
    MicMonitor monitor([&](bool a) { seen.push_back(a); });
    monitor.start();
    const MicMonitor::DeviceID first = monitor.currentDevice();
    ASSERT_NE(first, 0u);
    const QString second = loadSecondSource();
    ASSERT_FALSE(sourceState(second).isEmpty());

    // A new default input: re-bound, read and reported.
    pactl({"set-default-source", second});
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; })) << ::testing::PrintToString(seen);
    EXPECT_FALSE(seen.back());
    const MicMonitor::DeviceID secondDevice = monitor.currentDevice();
    EXPECT_NE(secondDevice, first);
    EXPECT_NE(secondDevice, 0u);

    // Recording from the old source is no longer heard; from the new one it is.
    {
        Recorder oldSource("tocko_mic");
        ASSERT_TRUE(waitUntil([&] { return sourceState("tocko_mic") == "RUNNING"; }));
        Recorder newSource(second);
        ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
        EXPECT_TRUE(seen.back());
    }
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 4; }));
    EXPECT_EQ(seen, (std::vector<bool>{false, false, true, false}));

    // Unloading the default source leaves the server to pick another one.
    pactl({"unload-module", secondModule_});
    secondModule_.clear();
    ASSERT_TRUE(waitUntil([&] { return monitor.currentDevice() != secondDevice; }));
    EXPECT_NE(monitor.currentDevice(), 0u);
}

TEST_F(PulseMic, BackendReadsFailSoftly) {
    auto system = makeInputDeviceSystem();
    EXPECT_NE(system->defaultInputDevice(), 0u);
    EXPECT_EQ(system->deviceIsRunning(0), std::nullopt);
    EXPECT_EQ(system->deviceIsRunning(0x7ffffff0), std::nullopt);
}
