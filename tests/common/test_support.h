#pragma once
// What every test suite shares: the temporary folder that stands in for HOME
// and the XDG folders, a recorder of log lines, and waiting while the Qt event
// loop runs (Qt suites only: link tocko_test_qt).

#include <chrono>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "support/log.h"

namespace tocko::test {

// Creates a temporary folder and points HOME, XDG_CONFIG_HOME, XDG_DATA_HOME
// and XDG_CACHE_HOME into it, and pins the language to US English; returns
// the folder ("" when it cannot be made). The test main calls it once.
std::string isolateHome();
// The folder isolateHome() made for this process.
const std::string& isolatedHome();
// Removes that folder.
void removeIsolatedHome();

// A whole file's bytes ("" when it cannot be read).
std::string readText(const std::filesystem::path& path);
// Writes a file, creating its folders.
void writeText(const std::filesystem::path& path, const std::string& text);

// Polls `done`, without an event loop, until it holds or the time is up;
// returns `done()`.
bool eventually(const std::function<bool()>& done,
                std::chrono::milliseconds timeout = std::chrono::seconds(3));

// Sets an environment variable (nullptr: unsets it) while it lives.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_;
};

// What a shell command writes to standard output (standard error too when the
// command says 2>&1); its wait status in `status`.
std::string commandOutput(const std::string& command, int* status = nullptr);

// Asks the audio server through pactl to take `name` as its default `kind`
// ("sink" or "source") until it reports so, for up to 5 s: PipeWire's session
// manager applies the request in its own time. False when it never does.
bool serverTakesDefault(const char* kind, const std::string& name);

// Runs the event loop until `done` holds or the time is up; returns `done()`.
bool waitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Runs the event loop for `period`.
void spin(std::chrono::milliseconds period);

// Records every log line while it lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    std::vector<LogRecord> records() const;
    // Standard-error lines ("[Tocko] ..."), in order.
    std::vector<std::string> traces() const;
    // System-log messages, of one category or (empty) of all, in order.
    std::vector<std::string> messages(const std::string& category = {}) const;
    std::vector<std::string> infos(const std::string& category = {}) const;
    std::vector<std::string> errors(const std::string& category = {}) const;
    size_t countTrace(const std::string& line) const;
    bool hasTrace(const std::string& line) const { return countTrace(line) > 0; }
    // Index of the first trace line starting with `prefix`, or -1.
    long indexOf(const std::string& prefix) const;
    void clear();

private:
    std::vector<std::string> system(const std::string& category, const LogLevel* level) const;
    mutable std::mutex mutex_;
    std::vector<LogRecord> records_;
};

// The name the calling thread gave itself through setCurrentThreadName()
// ("" if none): every suite's main installs a thread control that records it.
std::string requestedThreadName();
void installRecordingThreadControl();

}  // namespace tocko::test
