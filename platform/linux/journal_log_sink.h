#pragma once
// System-log entries to the systemd journal (SYSLOG_IDENTIFIER=tocko).

#include "support/log_sink.h"

namespace tocko {

SystemLogSink makeJournalLogSink();

}  // namespace tocko
