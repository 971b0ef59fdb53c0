#include "test_support.h"

#include <stdio.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "support/serial_queue.h"

namespace tocko::test {

namespace {
std::string gHome;
}

std::string isolateHome() {
    char dir[] = "/tmp/tocko-test-XXXXXX";
    if (!mkdtemp(dir)) return {};
    gHome = dir;
    // The X server's cookie stays reachable for the suites that use the display.
    const char* home = getenv("HOME");
    if (!getenv("XAUTHORITY") && home && std::filesystem::exists(std::string(home) + "/.Xauthority"))
        setenv("XAUTHORITY", (std::string(home) + "/.Xauthority").c_str(), 1);
    setenv("HOME", dir, 1);
    setenv("XDG_CONFIG_HOME", (gHome + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (gHome + "/data").c_str(), 1);
    setenv("XDG_CACHE_HOME", (gHome + "/cache").c_str(), 1);
    setenv("LANGUAGE", "en_US", 1);
    setenv("LC_ALL", "en_US.UTF-8", 1);
    return gHome;
}

const std::string& isolatedHome() { return gHome; }

void removeIsolatedHome() {
    std::error_code ec;
    if (!gHome.empty()) std::filesystem::remove_all(gHome, ec);
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

bool eventually(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return done();
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) saved_ = old;
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
    if (saved_)
        setenv(name_.c_str(), saved_->c_str(), 1);
    else
        unsetenv(name_.c_str());
}

std::string commandOutput(const std::string& command, int* status) {
    std::string out;
    int result = -1;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        result = pclose(p);
    }
    if (status) *status = result;
    return out;
}

bool serverTakesDefault(const char* kind, const std::string& name) {
    const std::string set = std::string("pactl set-default-") + kind + " '" + name + "' >/dev/null 2>&1";
    const std::string get = std::string("pactl get-default-") + kind + " 2>/dev/null";
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::system(set.c_str());
        if (eventually([&] { return commandOutput(get) == name + "\n"; }, std::chrono::milliseconds(250)))
            return true;
    }
    return false;
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

std::vector<std::string> LogCapture::traces() const {
    std::vector<std::string> out;
    for (const LogRecord& r : records())
        if (r.kind == LogRecord::Kind::Trace) out.push_back(r.message);
    return out;
}

std::vector<std::string> LogCapture::system(const std::string& category, const LogLevel* level) const {
    std::vector<std::string> out;
    for (const LogRecord& r : records())
        if (r.kind == LogRecord::Kind::System && (category.empty() || r.category == category) &&
            (!level || r.level == *level))
            out.push_back(r.message);
    return out;
}

std::vector<std::string> LogCapture::messages(const std::string& category) const {
    return system(category, nullptr);
}

std::vector<std::string> LogCapture::infos(const std::string& category) const {
    const LogLevel level = LogLevel::Info;
    return system(category, &level);
}

std::vector<std::string> LogCapture::errors(const std::string& category) const {
    const LogLevel level = LogLevel::Error;
    return system(category, &level);
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

namespace {
thread_local std::string tRequestedThreadName;
}  // namespace

std::string requestedThreadName() { return tRequestedThreadName; }

void installRecordingThreadControl() {
    setThreadControl({[](const std::string& name) { tRequestedThreadName = name; }, nullptr});
}

}  // namespace tocko::test
