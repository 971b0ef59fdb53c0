#include "context/workspace_monitor.h"

#include <strings.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

namespace tocko {

bool isOwnApplication(const FrontmostApp& app) {
    if (app.pid && *app.pid == int64_t(getpid())) return true;
    if (!app.bundleID) return false;
    const std::string& id = *app.bundleID;
    if (strcasecmp(id.c_str(), "com.pollix.Tocko") == 0 || strcasecmp(id.c_str(), "tocko") == 0) return true;
    // Qt names a Wayland window after the executable when no desktop file
    // name is set.
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    return !exe.isEmpty() && exe.compare(QString::fromStdString(id), Qt::CaseInsensitive) == 0;
}

WorkspaceMonitor::WorkspaceMonitor(OnChange onChange, std::unique_ptr<FrontmostAppSource> source,
                                   QObject* parent)
    : QObject(parent), onChange_(std::move(onChange)), source_(std::move(source)) {}

WorkspaceMonitor::~WorkspaceMonitor() = default;

void WorkspaceMonitor::start() {
    if (!observing_) {
        observing_ = true;
        emptyTimer_ = new QTimer(this);
        emptyTimer_->setSingleShot(true);
        emptyTimer_->setInterval(kEmptySettleTime);
        connect(emptyTimer_, &QTimer::timeout, this, [this] { deliver({}); });
        QPointer<WorkspaceMonitor> self(this);
        source_->observe([self](const FrontmostApp& app) {
            if (self) self->activated(app);
        });
    }
    FrontmostApp app = source_->frontmost();
    // Tocko in front at start leaves nothing to go on.
    if (isOwnApplication(app)) app = {};
    const std::string id = app.bundleID.value_or("nil");
    log_.info("Workspace observer active; initial frontmost = {}", {priv(id)});
    trace("WorkspaceMonitor", "observer active, initial frontmost = " + id);
    if (onChange_) onChange_(app.bundleID, app.name);
}

void WorkspaceMonitor::activated(const FrontmostApp& app) {
    // The panel or Settings coming to the front: the application the user
    // came from stays in force; a "none" just before it was the switch.
    if (isOwnApplication(app)) {
        emptyTimer_->stop();
        return;
    }
    if (!app.bundleID && !app.name) {
        if (!emptyTimer_->isActive()) emptyTimer_->start();
        return;
    }
    emptyTimer_->stop();
    deliver(app);
}

void WorkspaceMonitor::deliver(const FrontmostApp& app) {
    if (onChange_) onChange_(app.bundleID, app.name);
}

}  // namespace tocko
