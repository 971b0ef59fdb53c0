#pragma once
// Double logging: every component has a system-log handle (journal entry with
// subsystem "com.pollix.app" and the component as category), and important
// events are also traced to standard error as one whole line.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tocko {

// A value substituted into a log format. Private values are redacted in the
// system log as "<private>"; public ones are written as they are.
struct LogArg {
    std::string text;
    bool isPrivate = false;
};
inline LogArg pub(std::string_view s) { return {std::string(s), false}; }
inline LogArg priv(std::string_view s) { return {std::string(s), true}; }
LogArg pub(long long v);
LogArg pub(double v, int precision);

enum class LogLevel { Info, Error };

// Replaces each "{}" of `format` with the next argument. Private arguments
// become "<private>" unless `revealPrivate` is set.
std::string formatLog(std::string_view format, std::initializer_list<LogArg> args, bool revealPrivate);

class Logger {
public:
    explicit Logger(std::string category);
    const std::string& category() const { return category_; }
    void info(std::string_view format, std::initializer_list<LogArg> args = {}) const;
    void error(std::string_view format, std::initializer_list<LogArg> args = {}) const;

private:
    void write(LogLevel level, std::string_view format, std::initializer_list<LogArg> args) const;
    std::string category_;
};

// Writes "[Tocko] " + component + ": " + text + "\n" to standard error in a
// single write, so lines from different threads never interleave.
void trace(std::string_view component, std::string_view text);
// Writes "[Tocko] " + text + "\n" the same way, for the few lines that name
// no component (their records carry an empty category).
void traceLine(std::string_view text);

inline const char* boolText(bool b) { return b ? "true" : "false"; }

// Test hook: while set, every system-log entry and stderr trace line is also
// handed to the observer (system-log entries with privates redacted).
struct LogRecord {
    enum class Kind { System, Trace } kind;
    LogLevel level;
    std::string category;  // component for trace lines
    std::string message;   // full line for trace lines, without newline
};
using LogObserver = std::function<void(const LogRecord&)>;
void setLogObserver(LogObserver observer);

}  // namespace tocko
