#include "context/secure_input_monitor.h"

#include <QPointer>
#include <QTimer>

namespace tocko {

SecureInputMonitor::SecureInputMonitor(OnChange onChange, std::unique_ptr<SecureInputProbe> probe,
                                       QObject* parent)
    : QObject(parent), onChange_(std::move(onChange)), probe_(std::move(probe)) {}

SecureInputMonitor::~SecureInputMonitor() = default;

void SecureInputMonitor::start() {
    if (started_) return;
    started_ = true;
    poll(false);
    QPointer<SecureInputMonitor> self(this);
    if (probe_->watch([self] {
            if (self) self->poll(true);
        }))
        return;
    // A child timer: it dies with the monitor and never ticks into it after.
    timer_ = new QTimer(this);
    timer_->setInterval(interval_);
    connect(timer_, &QTimer::timeout, this, [this] { poll(true); });
    timer_->start();
}

void SecureInputMonitor::poll(bool notify) {
    const bool active = probe_->isSecureInputEnabled();
    std::optional<std::string> holder = active ? lookUpHolderName() : std::nullopt;
    const bool changed = active != isActive_ || holder != holderName_;
    isActive_ = active;
    holderName_ = holder;
    if (notify && changed && onChange_) onChange_(active, holder);
}

void SecureInputMonitor::setFrontmostApp(const std::optional<std::string>& appID,
                                         const std::optional<std::string>& name) {
    probe_->frontmostChanged(appID, name);
}

std::optional<std::string> SecureInputMonitor::lookUpHolderName() {
    if (std::optional<std::string> name = probe_->holderName(); name && !name->empty()) return name;
    const std::optional<int32_t> pid = probe_->holderPID();
    if (!pid) return std::nullopt;
    if (std::optional<std::string> name = probe_->applicationName(*pid); name && !name->empty()) return name;
    return "pid " + std::to_string(*pid);
}

}  // namespace tocko
