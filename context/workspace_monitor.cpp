#include "context/workspace_monitor.h"

#include <QPointer>

namespace tocko {

WorkspaceMonitor::WorkspaceMonitor(OnChange onChange, std::unique_ptr<FrontmostAppSource> source,
                                   QObject* parent)
    : QObject(parent),
      onChange_(std::move(onChange)),
      source_(source ? std::move(source) : makeFrontmostAppSource()) {}

WorkspaceMonitor::~WorkspaceMonitor() = default;

void WorkspaceMonitor::start() {
    if (!observing_) {
        observing_ = true;
        QPointer<WorkspaceMonitor> self(this);
        source_->observe([self](const FrontmostApp& app) {
            if (!self) return;
            if (self->onChange_) self->onChange_(app.bundleID, app.name);
        });
    }
    const FrontmostApp app = source_->frontmost();
    const std::string id = app.bundleID.value_or("nil");
    log_.info("Workspace observer active; initial frontmost = {}", {priv(id)});
    trace("WorkspaceMonitor", "observer active, initial frontmost = " + id);
    if (onChange_) onChange_(app.bundleID, app.name);
}

}  // namespace tocko
