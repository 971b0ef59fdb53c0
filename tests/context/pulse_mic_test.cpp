// The microphone monitor against a real PulseAudio server: the null source
// "tocko_mic" is the default input, and parecord plays the call.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "context/mic_monitor.h"
#include "platform/linux/linux_platform.h"
#include "tests/common/test_support.h"

using namespace tocko;
using namespace std::chrono_literals;
using tocko::test::serverTakesDefault;
using tocko::test::waitUntil;

namespace {

// pactl's output, from `server` when one is given.
QString pactl(const std::string& args, bool* ok = nullptr, const QString& server = {}) {
    const std::string env = server.isEmpty() ? "" : "PULSE_SERVER='" + server.toStdString() + "' ";
    int status = -1;
    const std::string out = tocko::test::commandOutput(env + "pactl " + args + " 2>/dev/null", &status);
    if (ok) *ok = status == 0;
    return QString::fromStdString(out).trimmed();
}

QString sourceState(const QString& name, const QString& server = {}) {
    for (const QString& line : pactl("list short sources", nullptr, server).split('\n')) {
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
        previousDefault_ = pactl("get-default-source", &ok);
        if (!ok) GTEST_SKIP() << "no PulseAudio server reachable; run with . scripts/services.sh";
        if (sourceState("tocko_mic").isEmpty()) GTEST_SKIP() << "null source tocko_mic missing";
        pactl("set-default-source tocko_mic");
    }
    void TearDown() override {
        if (!secondModule_.isEmpty()) pactl("unload-module " + secondModule_.toStdString());
        if (!previousDefault_.isEmpty()) pactl("set-default-source " + previousDefault_.toStdString());
    }
    QString previousDefault_, secondModule_;
    std::vector<bool> seen;
    MicMonitor::OnChange record() {
        return [this](bool a) { seen.push_back(a); };
    }
};

}  // namespace

TEST_F(PulseMic, RecordingFromTheDefaultSourceIsReportedAsInUse) {
    if (sourceState("tocko_mic") == "RUNNING") GTEST_SKIP() << "something else records from tocko_mic";
    auto system = makeInputDeviceSystem();  // reads that fail say so softly
    EXPECT_NE(system->defaultInputDevice(), 0u);
    EXPECT_EQ(system->deviceIsRunning(0), std::nullopt);
    EXPECT_EQ(system->deviceIsRunning(0x7ffffff0), std::nullopt);
    MicMonitor monitor(record(), std::move(system));
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
    MicMonitor monitor(record(), makeInputDeviceSystem());
    monitor.start();
    const MicMonitor::DeviceID first = monitor.currentDevice();
    ASSERT_NE(first, 0u);
    secondModule_ = pactl("load-module module-null-source source_name=tocko_mic_ctx");
    ASSERT_FALSE(sourceState("tocko_mic_ctx").isEmpty());

    // A new default input: re-bound, read and reported.
    if (!serverTakesDefault("source", "tocko_mic_ctx"))
        GTEST_SKIP() << "the audio server did not take a new default source";
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; })) << ::testing::PrintToString(seen);
    EXPECT_FALSE(seen.back());
    const MicMonitor::DeviceID secondDevice = monitor.currentDevice();
    EXPECT_NE(secondDevice, first);
    EXPECT_NE(secondDevice, 0u);

    // Recording from the old source is no longer heard; from the new one it is.
    {
        Recorder oldSource("tocko_mic");
        ASSERT_TRUE(waitUntil([&] { return sourceState("tocko_mic") == "RUNNING"; }));
        Recorder newSource("tocko_mic_ctx");
        ASSERT_TRUE(waitUntil([&] { return seen.size() == 3; }));
        EXPECT_TRUE(seen.back());
    }
    ASSERT_TRUE(waitUntil([&] { return seen.size() == 4; }));
    EXPECT_EQ(seen, (std::vector<bool>{false, false, true, false}));

    // Unloading the default source leaves the server to pick another one.
    pactl("unload-module " + secondModule_.toStdString());
    secondModule_.clear();
    ASSERT_TRUE(waitUntil([&] { return monitor.currentDevice() != secondDevice; }));
    EXPECT_NE(monitor.currentDevice(), 0u);
}

TEST_F(PulseMic, RecordingASinkMonitorIsNeverAMicrophone) {
    if (sourceState("tocko_null.monitor").isEmpty()) GTEST_SKIP() << "null sink tocko_null missing";
    MicMonitor monitor(record(), makeInputDeviceSystem());
    monitor.start();
    // Recorded while a microphone is the default, and when the monitor
    // itself is the default source (as PipeWire does without a microphone).
    for (bool monitorIsDefault : {false, true}) {
        if (monitorIsDefault) {
            if (!serverTakesDefault("source", "tocko_null.monitor"))
                GTEST_SKIP() << "the audio server did not take tocko_null.monitor as its default source";
            ASSERT_TRUE(waitUntil([&] { return seen.size() == 2; })) << "default source change not followed";
        }
        Recorder visualiser("tocko_null.monitor");
        ASSERT_TRUE(waitUntil([&] { return sourceState("tocko_null.monitor") == "RUNNING"; }));
        waitUntil([] { return false; }, 500ms);
        EXPECT_FALSE(monitor.isDeviceRunning(monitor.currentDevice()));
    }
    EXPECT_EQ(seen, (std::vector<bool>{false, false}));
}

TEST(PulseMicServer, LosingTheServerReadsAsNoDeviceAndItsReturnIsFollowed) {
    // A PulseAudio daemon of the test's own, with one null source.
    const QString dir = QString::fromStdString(tocko::test::isolatedHome()) + "/private-pulse";
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString address = "unix:" + dir + "/native";
    QProcess daemon;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", dir);
    env.insert("HOME", dir);
    daemon.setProcessEnvironment(env);
    daemon.setStandardOutputFile(QProcess::nullDevice());
    daemon.setStandardErrorFile(QProcess::nullDevice());
    auto start = [&] {
        daemon.start("pulseaudio",
                     {"-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--disable-shm=yes",
                      "--load=module-native-protocol-unix socket=" + dir + "/native auth-anonymous=1",
                      "--load=module-null-source source_name=private_mic"});
        return daemon.waitForStarted(5000) &&
               waitUntil([&] { return !sourceState("private_mic", address).isEmpty(); });
    };
    auto stop = [&] {
        daemon.kill();
        daemon.waitForFinished(5000);
    };
    if (!start()) GTEST_SKIP() << "cannot start a private pulseaudio daemon";
    {
        tocko::test::ScopedEnv server("PULSE_SERVER", address.toUtf8().constData());
        std::vector<bool> seen;
        MicMonitor monitor([&](bool a) { seen.push_back(a); }, makeInputDeviceSystem());
        monitor.start();
        // Its only source has index 0, which still reads as a device.
        EXPECT_EQ(monitor.currentDevice(), 1u);
        stop();
        ASSERT_TRUE(waitUntil([&] { return monitor.currentDevice() == 0; }));
        EXPECT_EQ(seen, (std::vector<bool>{false, false}));
        ASSERT_TRUE(start());
        ASSERT_TRUE(waitUntil([&] { return monitor.currentDevice() != 0; }, 10s)) << "no reconnection";
        EXPECT_EQ(seen.size(), 3u);
    }
    stop();
}

TEST(PulseSilentServer, StartDoesNotWaitForItAndTheMonitorRetriesInTheBackground) {
    // An audio server that takes every connection and never says a word.
    const std::string path =
        QDir::tempPath().toStdString() + "/tocko-silent-pulse-" + std::to_string(getpid());
    ::unlink(path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(fd, 16), 0);
    std::mutex mutex;
    std::vector<int> clients;
    auto connections = [&] {
        std::lock_guard lock(mutex);
        return clients.size();
    };
    std::thread acceptor([&] {
        // Ends when the socket is shut down below.
        for (int client; (client = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            std::lock_guard lock(mutex);
            clients.push_back(client);
        }
    });
    {
        tocko::test::ScopedEnv server("PULSE_SERVER", ("unix:" + path).c_str());
        auto starting = std::async(std::launch::async, [] { return makeInputDeviceSystem(); });
        const bool ready = starting.wait_for(15s) == std::future_status::ready;
        EXPECT_TRUE(ready) << "libpulse alone would wait half a minute for the silent server";
        if (ready) {
            std::unique_ptr<InputDeviceSystem> devices = starting.get();
            EXPECT_GE(connections(), 1u);
            EXPECT_EQ(devices->defaultInputDevice(), 0u);
            EXPECT_EQ(devices->deviceIsRunning(1), std::nullopt);
            // Tried again, and given up on again, while the caller goes on.
            EXPECT_TRUE(waitUntil([&] { return connections() >= 3; }, 30s));
        }
    }
    ::shutdown(fd, SHUT_RDWR);
    acceptor.join();
    for (int c : clients) ::close(c);
    ::close(fd);
    ::unlink(path.c_str());
}
