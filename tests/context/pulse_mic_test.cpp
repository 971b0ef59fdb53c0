// The microphone monitor against a real PulseAudio server: the null source
// "tocko_mic" is the default input, and parecord plays the call.

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <atomic>
#include <cstdio>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "context/mic_monitor.h"
#include "platform/linux/linux_platform.h"
#include "tests/common/test_support.h"

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

// Asks the server for a new default source and waits until it reports it.
// PipeWire's session manager applies the request in its own time, so it is
// asked again. False when the server never takes it: then the test cannot
// say anything about following the default.
bool serverTakesDefaultSource(const QString& name) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        pactl({"set-default-source", name});
        if (waitUntil([&] { return pactl({"get-default-source"}).trimmed() == name; }, 250ms)) return true;
    }
    return false;
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
    MicMonitor monitor([&](bool a) { seen.push_back(a); }, makeInputDeviceSystem());
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
    MicMonitor monitor([&](bool a) { seen.push_back(a); }, makeInputDeviceSystem());
    monitor.start();
    const MicMonitor::DeviceID first = monitor.currentDevice();
    ASSERT_NE(first, 0u);
    const QString second = loadSecondSource();
    ASSERT_FALSE(sourceState(second).isEmpty());

    // A new default input: re-bound, read and reported.
    if (!serverTakesDefaultSource(second))
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

TEST_F(PulseMic, RecordingASinkMonitorIsNeverAMicrophone) {
    if (sourceState("tocko_null.monitor").isEmpty()) GTEST_SKIP() << "null sink tocko_null missing";
    std::vector<bool> seen;
    MicMonitor monitor([&](bool a) { seen.push_back(a); }, makeInputDeviceSystem());
    monitor.start();
    // Recorded while a microphone is the default, and when the monitor
    // itself is the default source (as PipeWire does without a microphone).
    for (bool monitorIsDefault : {false, true}) {
        if (monitorIsDefault) {
            if (!serverTakesDefaultSource("tocko_null.monitor"))
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

TEST_F(PulseMic, BackendReadsFailSoftly) {
    auto system = makeInputDeviceSystem();
    EXPECT_NE(system->defaultInputDevice(), 0u);
    EXPECT_EQ(system->deviceIsRunning(0), std::nullopt);
    EXPECT_EQ(system->deviceIsRunning(0x7ffffff0), std::nullopt);
}

namespace {

// A PulseAudio daemon of the test's own, with one null source, that the test
// may stop and start again.
class PrivateServer {
public:
    PrivateServer() : dir_(QString::fromStdString(tocko::test::isolatedHome()) + "/private-pulse") {
        QDir().mkpath(dir_);
        QFile::setPermissions(dir_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ~PrivateServer() { stop(); }
    QString address() const { return "unix:" + dir_ + "/native"; }
    bool start() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", dir_);
        env.insert("HOME", dir_);
        p_.setProcessEnvironment(env);
        p_.setStandardOutputFile(QProcess::nullDevice());
        p_.setStandardErrorFile(QProcess::nullDevice());
        p_.start("pulseaudio",
                 {"-n", "--daemonize=no", "--use-pid-file=no", "--exit-idle-time=-1", "--disable-shm=yes",
                  "--load=module-native-protocol-unix socket=" + dir_ + "/native auth-anonymous=1",
                  "--load=module-null-source source_name=private_mic"});
        if (!p_.waitForStarted(5000)) return false;
        return waitUntil([&] {
            QProcess probe;
            QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
            e.insert("PULSE_SERVER", address());
            probe.setProcessEnvironment(e);
            probe.start("pactl", {"list", "short", "sources"});
            probe.waitForFinished(2000);
            return probe.exitCode() == 0 && probe.readAllStandardOutput().contains("private_mic");
        });
    }
    void stop() {
        if (p_.state() == QProcess::NotRunning) return;
        p_.kill();
        p_.waitForFinished(5000);
    }

private:
    QString dir_;
    QProcess p_;
};

}  // namespace

TEST(PulseMicServer, LosingTheServerReadsAsNoDeviceAndItsReturnIsFollowed) {
    PrivateServer server;
    if (!server.start()) GTEST_SKIP() << "cannot start a private pulseaudio daemon";
    const QByteArray saved = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", server.address().toUtf8());
    {
        std::vector<bool> seen;
        MicMonitor monitor([&](bool a) { seen.push_back(a); }, makeInputDeviceSystem());
        monitor.start();
        // Its only source has index 0, which still reads as a device.
        EXPECT_EQ(monitor.currentDevice(), 1u);
        server.stop();
        ASSERT_TRUE(waitUntil([&] { return monitor.currentDevice() == 0; }));
        EXPECT_EQ(seen, (std::vector<bool>{false, false}));
        ASSERT_TRUE(server.start());
        ASSERT_TRUE(waitUntil([&] { return monitor.currentDevice() != 0; }, 10s)) << "no reconnection";
        EXPECT_EQ(seen.size(), 3u);
    }
    if (saved.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", saved);
}

namespace {

// An audio server that takes every connection and never says a word.
class SilentServer {
public:
    SilentServer() {
        path_ = QDir::tempPath().toStdString() + "/tocko-silent-pulse-" + std::to_string(::getpid());
        ::unlink(path_.c_str());
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", path_.c_str());
        if (::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd_, 16) != 0)
            return;
        thread_ = std::thread([this] {
            for (;;) {
                pollfd p{fd_, POLLIN, 0};
                if (::poll(&p, 1, 50) < 0 || stop_) return;
                if (!(p.revents & POLLIN)) continue;
                const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
                if (client < 0) continue;
                std::lock_guard lock(mutex_);
                clients_.push_back(client);
            }
        });
    }
    ~SilentServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        for (int c : clients_) ::close(c);
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    const std::string& path() const { return path_; }
    size_t connections() {
        std::lock_guard lock(mutex_);
        return clients_.size();
    }

private:
    std::string path_;
    int fd_ = -1;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::mutex mutex_;
    std::vector<int> clients_;
};

}  // namespace

TEST(PulseSilentServer, StartDoesNotWaitForItAndTheMonitorRetriesInTheBackground) {
    SilentServer server;
    const QByteArray previous = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", QByteArray::fromStdString("unix:" + server.path()));
    auto starting = std::async(std::launch::async, [] { return makeInputDeviceSystem(); });
    // libpulse alone would wait half a minute for the silent server.
    ASSERT_EQ(starting.wait_for(15s), std::future_status::ready);
    std::unique_ptr<InputDeviceSystem> devices = starting.get();
    EXPECT_GE(server.connections(), 1u);
    EXPECT_EQ(devices->defaultInputDevice(), 0u);
    EXPECT_EQ(devices->deviceIsRunning(1), std::nullopt);
    // Tried again, and given up on again, while the caller goes on.
    EXPECT_TRUE(waitUntil([&] { return server.connections() >= 3; }, 30s));
    devices.reset();
    if (previous.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", previous);
}
