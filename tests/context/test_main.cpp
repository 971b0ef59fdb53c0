// Every context test process runs with its own HOME, XDG_CONFIG_HOME and
// XDG_DATA_HOME in a temporary folder, and a QCoreApplication for timers,
// socket notifiers and queued calls.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>

#include "test_support.h"

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
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    return true;
}

LogCapture::LogCapture() {
    setLogObserver([this](const LogRecord& r) {
        std::lock_guard lock(mutex_);
        records_.push_back(r);
    });
}
LogCapture::~LogCapture() { setLogObserver(nullptr); }

std::vector<LogRecord> LogCapture::records() const {
    std::lock_guard lock(mutex_);
    return records_;
}
std::vector<std::string> LogCapture::messages(const std::string& category) const {
    std::vector<std::string> out;
    for (const LogRecord& r : records())
        if (r.kind == LogRecord::Kind::System && r.category == category) out.push_back(r.message);
    return out;
}
std::vector<std::string> LogCapture::traces() const {
    std::vector<std::string> out;
    for (const LogRecord& r : records())
        if (r.kind == LogRecord::Kind::Trace) out.push_back(r.message);
    return out;
}
void LogCapture::clear() {
    std::lock_guard lock(mutex_);
    records_.clear();
}

}  // namespace tocko::test

int main(int argc, char** argv) {
    char dir[] = "/tmp/tocko-context-test-XXXXXX";
    if (!mkdtemp(dir)) return 2;
    tocko::test::gHome = dir;
    setenv("HOME", dir, 1);
    setenv("XDG_CONFIG_HOME", (std::string(dir) + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (std::string(dir) + "/data").c_str(), 1);
    int result;
    {
        QCoreApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    return result;
}
