// Every application test process runs with its own HOME and XDG folders in a
// temporary folder, on an offscreen QGuiApplication.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QSettings>
#include <filesystem>

#include "app_test_support.h"
#include "context/profile_store.h"

namespace tocko::test {

namespace {
std::string gHome;
}

const std::string& isolatedHome() { return gHome; }

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeout.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

void spin(std::chrono::milliseconds period) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < period.count()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

LogCapture::LogCapture() {
    setLogObserver([this](const LogRecord& r) {
        std::lock_guard lock(mutex_);
        records_.push_back(r);
    });
}
LogCapture::~LogCapture() { setLogObserver(nullptr); }

std::vector<std::string> LogCapture::traces() const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    for (const LogRecord& r : records_)
        if (r.kind == LogRecord::Kind::Trace) out.push_back(r.message);
    return out;
}

std::vector<std::string> LogCapture::infos(const std::string& category) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    for (const LogRecord& r : records_)
        if (r.kind == LogRecord::Kind::System && r.level == LogLevel::Info && r.category == category)
            out.push_back(r.message);
    return out;
}

std::vector<std::string> LogCapture::errors(const std::string& category) const {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out;
    for (const LogRecord& r : records_)
        if (r.kind == LogRecord::Kind::System && r.level == LogLevel::Error && r.category == category)
            out.push_back(r.message);
    return out;
}

size_t LogCapture::countTrace(const std::string& line) const {
    size_t n = 0;
    for (const std::string& t : traces()) n += t == line;
    return n;
}

long LogCapture::indexOf(const std::string& prefix) const {
    const std::vector<std::string> all = traces();
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].rfind(prefix, 0) == 0) return long(i);
    return -1;
}

void LogCapture::clear() {
    std::lock_guard lock(mutex_);
    records_.clear();
}

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

int main(int argc, char** argv) {
    char dir[] = "/tmp/tocko-app-test-XXXXXX";
    if (!mkdtemp(dir)) return 2;
    tocko::test::gHome = dir;
    setenv("HOME", dir, 1);
    setenv("XDG_CONFIG_HOME", (std::string(dir) + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (std::string(dir) + "/data").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TOCKO_AUDIO_OUTPUT", "null", 1);
    int result;
    {
        QGuiApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return result;
}
