#include "support/log.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>

#include "support/format.h"
#include "support/log_sink.h"

namespace tocko {

namespace {
std::mutex& observerMutex() {
    static std::mutex m;
    return m;
}
LogObserver& observerSlot() {
    static LogObserver o;
    return o;
}
SystemLogSink& sinkSlot() {
    static SystemLogSink s;
    return s;
}
void notify(const LogRecord& r) {
    std::lock_guard lock(observerMutex());
    if (observerSlot()) observerSlot()(r);
}
}  // namespace

LogArg pub(long long v) { return {std::to_string(v), false}; }

LogArg pub(double v, int precision) { return {fixedText(v, precision), false}; }

std::string formatLog(std::string_view format, std::initializer_list<LogArg> args, bool revealPrivate) {
    std::string out;
    out.reserve(format.size() + 32);
    auto it = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '{' && i + 1 < format.size() && format[i + 1] == '}' && it != args.end()) {
            out += (it->isPrivate && !revealPrivate) ? std::string("<private>") : it->text;
            ++it;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

Logger::Logger(std::string category) : category_(std::move(category)) {}

void Logger::info(std::string_view format, std::initializer_list<LogArg> args) const {
    write(LogLevel::Info, format, args);
}
void Logger::error(std::string_view format, std::initializer_list<LogArg> args) const {
    write(LogLevel::Error, format, args);
}

void Logger::write(LogLevel level, std::string_view format, std::initializer_list<LogArg> args) const {
    const std::string message = formatLog(format, args, false);
    if (const SystemLogSink& sink = sinkSlot()) sink(level, category_, message);
    notify({LogRecord::Kind::System, level, category_, message});
}

namespace {
void writeTraceLine(std::string_view component, std::string line) {
    line += '\n';
    const char* p = line.data();
    size_t left = line.size();
    while (left > 0) {
        ssize_t n = ::write(STDERR_FILENO, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    line.pop_back();
    notify({LogRecord::Kind::Trace, LogLevel::Info, std::string(component), std::move(line)});
}
}  // namespace

void trace(std::string_view component, std::string_view text) {
    std::string line;
    line.reserve(component.size() + text.size() + 12);
    line += "[Tocko] ";
    line += component;
    line += ": ";
    line += text;
    writeTraceLine(component, std::move(line));
}

void traceLine(std::string_view text) {
    std::string line;
    line.reserve(text.size() + 10);
    line += "[Tocko] ";
    line += text;
    writeTraceLine({}, std::move(line));
}

void setSystemLogSink(SystemLogSink sink) { sinkSlot() = std::move(sink); }

void setLogObserver(LogObserver observer) {
    std::lock_guard lock(observerMutex());
    observerSlot() = std::move(observer);
}

}  // namespace tocko
