#include "context/mic_monitor.h"

#include <QMetaObject>

namespace tocko {

MicMonitor::MicMonitor(OnChange onChange, std::unique_ptr<InputDeviceSystem> system, QObject* parent)
    : QObject(parent), onChange_(std::move(onChange)), system_(std::move(system)) {}

MicMonitor::~MicMonitor() {
    // No listener may queue work past this point; the queue then finishes its
    // running task (and drops the rest) before the system goes away. Reports
    // it already posted to this object die with it.
    removeRunningListener();
    if (defaultDeviceListener_) system_->removeDefaultInputListener(defaultDeviceListener_);
}

void MicMonitor::start() {
    if (started_) return;
    started_ = true;
    currentDevice_ = system_->defaultInputDevice();
    installRunningListener(currentDevice_);
    installDefaultDeviceListener();
    const bool active = isDeviceRunning(currentDevice_);
    log_.info("Mic listener installed; device={}, initial micActive={}",
              {pub(static_cast<long long>(currentDevice_)), pub(boolText(active))});
    trace("MicMonitor", "listener installed, device=" + std::to_string(currentDevice_) +
                            ", initial micActive=" + boolText(active));
    report(active);
}

bool MicMonitor::isDeviceRunning(DeviceID device) {
    if (device == 0) return false;
    return system_->deviceIsRunning(device).value_or(false);
}

void MicMonitor::installRunningListener(DeviceID device) {
    if (device == 0) return;
    // The listener runs on listenerQueue_, which this object outlives, and
    // posts to this object, so a report never reaches a destroyed monitor.
    runningListener_ = system_->addRunningListener(device, listenerQueue_, [this, device] {
        const bool running = isDeviceRunning(device);
        QMetaObject::invokeMethod(
            this, [this, running] { report(running); }, Qt::QueuedConnection);
    });
}

void MicMonitor::removeRunningListener() {
    if (runningListener_ && currentDevice_ != 0)
        system_->removeRunningListener(currentDevice_, runningListener_);
    runningListener_ = 0;
}

void MicMonitor::installDefaultDeviceListener() {
    defaultDeviceListener_ = system_->addDefaultInputListener(listenerQueue_, [this] {
        QMetaObject::invokeMethod(
            this, [this] { defaultInputChanged(); }, Qt::QueuedConnection);
    });
}

void MicMonitor::defaultInputChanged() {
    removeRunningListener();
    currentDevice_ = system_->defaultInputDevice();
    installRunningListener(currentDevice_);
    const bool active = isDeviceRunning(currentDevice_);
    log_.info("Default input device changed; device={}, micActive={}",
              {pub(static_cast<long long>(currentDevice_)), pub(boolText(active))});
    report(active);
}

void MicMonitor::report(bool active) {
    if (onChange_) onChange_(active);
}

}  // namespace tocko
