// System-log entries to the systemd journal.

#include "platform/linux/journal_log_sink.h"

#include <systemd/sd-journal.h>

namespace tocko {

SystemLogSink makeJournalLogSink() {
    return [](LogLevel level, const std::string& category, const std::string& message) {
        sd_journal_send("MESSAGE=%s", message.c_str(), "PRIORITY=%d", level == LogLevel::Error ? 3 : 6,
                        "SYSLOG_IDENTIFIER=tocko", "TOCKO_SUBSYSTEM=%s", "com.pollix.app",
                        "TOCKO_CATEGORY=%s", category.c_str(), nullptr);
    };
}

}  // namespace tocko
