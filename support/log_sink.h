#pragma once
// Where system-log entries go: the platform's log (the journal on Linux,
// with subsystem "com.pollix.app"). AppState installs the platform's sink
// first thing, before any other thread writes; until then, and in tests,
// entries reach only the log observer. The sink is called on the writer's
// thread.

#include <functional>
#include <string>

#include "support/log.h"

namespace tocko {

using SystemLogSink =
    std::function<void(LogLevel level, const std::string& category, const std::string& message)>;
void setSystemLogSink(SystemLogSink sink);

}  // namespace tocko
